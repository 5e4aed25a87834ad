#include "janelas/ImpressoraQt.h"
#include "janelas/VisualizacaoDePaginas.h"
#include "janelas/frmHTML_Generico.h"
#include "paging/RelatorioEmPaginas.h"
#include "platform/MessageBox.h"
#include "report/Relatorio.h"
#include "startup/Ambiente.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

// The viewer printing through the CUPS scheduler of scripts/cups.sh, whose
// PDF queue writes every job as a file: the job's pages are read back from
// it (the queue turns a landscape job onto portrait paper, so the chosen
// paper shows in the page count).
namespace {

const QString Relatorio = QStringLiteral(PANTORO_TESTS_DIR "/report/esperado/entrega.html");

QString info(const QString& pdf)
{
    QProcess processo;
    processo.start(QStringLiteral("pdfinfo"), {pdf});
    processo.waitForFinished(30000);
    return QString::fromUtf8(processo.readAllStandardOutput());
}

class Impressao : public ::testing::Test {
protected:
    void SetUp() override
    {
        saida_ = QDir(qEnvironmentVariable("PANTORO_CUPS_PDF_DIR"));
        anteriores_ = saida_.entryList({QStringLiteral("*.pdf")});
        caixaAnterior_ = InstalaCaixaDeMensagem(caixa);
        impressoraAnterior_ = InstalaImpressora(std::make_shared<ImpressoraQt>([this](QPrinter& impressora, QWidget*) {
            impressora.setPageOrientation(orientacaoEscolhida);
            return true;
        }));
        relatorio().ArquivoHTML = Relatorio;
        janela = std::make_unique<frmHTML_Generico>();
    }
    void TearDown() override
    {
        janela.reset();
        InstalaImpressora(impressoraAnterior_);
        InstalaCaixaDeMensagem(caixaAnterior_);
    }

    void imprime(const QString& copias, bool escolhe)
    {
        janela->findChild<QLineEdit*>(QStringLiteral("txtNrCopias"))->setText(copias);
        janela->findChild<QCheckBox*>(QStringLiteral("chkEscolheImpressora"))->setChecked(escolhe);
        QTest::mouseClick(janela->findChild<QToolButton*>(QStringLiteral("cmdImprimir")), Qt::LeftButton);
    }

    // The text of pdfinfo for every job the queue wrote since SetUp.
    QStringList trabalhos(int esperados)
    {
        QStringList novos;
        const bool escritos = QTest::qWaitFor(
            [&] {
                novos = saida_.entryList({QStringLiteral("*.pdf")});
                for (const QString& antigo : anteriores_)
                    novos.removeAll(antigo);
                return novos.size() >= esperados &&
                       info(saida_.filePath(novos.last())).contains(QLatin1String("Pages:"));
            },
            60000);
        EXPECT_TRUE(escritos);
        // In job order: the queue names them job_<number>-...
        std::sort(novos.begin(), novos.end(), [](const QString& a, const QString& b) {
            return a.section(QLatin1Char('_'), 1).section(QLatin1Char('-'), 0, 0).toInt() <
                   b.section(QLatin1Char('_'), 1).section(QLatin1Char('-'), 0, 0).toInt();
        });
        QStringList infos;
        for (const QString& novo : novos)
            infos << info(saida_.filePath(novo));
        return infos;
    }

    std::shared_ptr<CaixaGravadora> caixa = std::make_shared<CaixaGravadora>();
    std::unique_ptr<frmHTML_Generico> janela;
    QPageLayout::Orientation orientacaoEscolhida = QPageLayout::Landscape;

private:
    QDir saida_;
    QStringList anteriores_;
    std::shared_ptr<CaixaDeMensagem> caixaAnterior_;
    std::shared_ptr<Impressora> impressoraAnterior_;
};

int paginas(const QString& infoDoPdf)
{
    const QRegularExpression paginas(QStringLiteral("Pages:\\s+(\\d+)"));
    return paginas.match(infoDoPdf).captured(1).toInt();
}

TEST_F(Impressao, CopiasNumTrabalhoSoENaPaginaEscolhida)
{
    if (qEnvironmentVariableIsEmpty("PANTORO_CUPS_PDF_DIR"))
        GTEST_SKIP() << "no test scheduler: eval \"$(scripts/cups.sh start)\"";
    RelatorioEmPaginas emA4(Relatorio);
    emA4.CarregaTudo();
    QPageLayout deitada = RelatorioEmPaginas::PaginaPadrao();
    deitada.setOrientation(QPageLayout::Landscape);
    RelatorioEmPaginas deitado(Relatorio, deitada);
    deitado.CarregaTudo();
    ASSERT_NE(emA4.Total(), deitado.Total());

    imprime(QStringLiteral("1"), false);
    imprime(QStringLiteral("2"), false);
    imprime(QStringLiteral("2"), true);  // the choice twice, no job
    // From then on the page view shows the pages as they will print.
    auto* vista = janela->findChild<VisualizacaoDePaginas*>();
    vista->CarregaTudo();
    EXPECT_EQ(vista->Relatorio()->Total(), deitado.Total());
    imprime(QStringLiteral("1"), false);
    const QStringList infos = trabalhos(3);
    ASSERT_EQ(infos.size(), 3);
    EXPECT_EQ(paginas(infos[0]), emA4.Total());
    EXPECT_EQ(paginas(infos[1]), 2 * emA4.Total());
    EXPECT_EQ(paginas(infos[2]), deitado.Total());
    ASSERT_EQ(caixa->mensagens.size(), 4);
    for (const Mensagem& mensagem : caixa->mensagens)
        EXPECT_EQ(mensagem.prompt, QStringLiteral("Impressão Encerrada"));
}

// Run with CUPS_SERVER at a port nobody listens on.
TEST_F(Impressao, SemImpressoraPadraoDizOQueFalta)
{
    if (!qEnvironmentVariableIsEmpty("PANTORO_CUPS_PDF_DIR"))
        GTEST_SKIP() << "the test scheduler has a default printer";
    imprime(QStringLiteral("1"), false);
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_TRUE(caixa->mensagens[0].prompt.startsWith(QStringLiteral("Nenhuma impressora padrão está instalada")));
    EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Critico);
}

}  // namespace
