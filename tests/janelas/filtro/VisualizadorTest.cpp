#include "janelas/comum/JanelasDeTeste.h"

#include "janelas/ImpressoraQt.h"
#include "janelas/VisualizacaoDePaginas.h"
#include "janelas/frmHTML_Generico.h"
#include "paging/RelatorioEmPaginas.h"
#include "platform/Cp1252.h"
#include "report/Relatorio.h"
#include "startup/Ambiente.h"
#include "support/Casos.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWebEngineView>
#include <csignal>

namespace {

// The viewer on a small CP1252 report file written by the test.
class Visualizador : public JanelasDeTeste {
protected:
    void SetUp() override
    {
        JanelasDeTeste::SetUp();
        ambiente().CodiAmbiente = QStringLiteral("PRD");
    }

    void TearDown() override
    {
        janela.reset();
        ambiente().CodiAmbiente.clear();
        relatorio().ArquivoHTML.clear();
        JanelasDeTeste::TearDown();
    }

    // A CP1252 file with `html` in it.
    QString escreve(const QString& html)
    {
        const QString caminho = pasta.filePath(QStringLiteral("pantoro.html"));
        QFile arquivo(caminho);
        EXPECT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(ParaCp1252(html));
        return caminho;
    }

    // Opens the viewer on the file and waits for the page.
    void abre(const QString& caminho)
    {
        relatorio().ArquivoHTML = caminho;
        janela = std::make_unique<frmHTML_Generico>();
        navegador = controle<QWebEngineView>(janela.get(), "WebBrowser1");
        QSignalSpy carregou(navegador, &QWebEngineView::loadFinished);
        mostraAtiva(janela.get());
        ASSERT_TRUE(carregou.count() > 0 || carregou.wait(20000));
    }

    void imprime(const QString& copias, bool escolheImpressora)
    {
        controle<QLineEdit>(janela.get(), "txtNrCopias")->setText(copias);
        auto* escolhe = controle<QCheckBox>(janela.get(), "chkEscolheImpressora");
        if (escolhe->isChecked() != escolheImpressora)
            clicaNaBorda(escolhe);
        QTest::mouseClick(controle<QToolButton>(janela.get(), "cmdImprimir"), Qt::LeftButton);
    }

    QTemporaryDir pasta;
    std::unique_ptr<frmHTML_Generico> janela;
    QWebEngineView* navegador = nullptr;
};

const QString RelatorioComAcentos = QStringLiteral(
    "<HTML><HEAD><TITLE>Relatório</TITLE><BODY><TABLE><TR><TD>AÇÃO&nbspJOSÉ</TD></TR></TABLE></BODY></HTML>");

// The viewer shows the file alone: no script runs and nothing outside it is fetched.
TEST_F(Visualizador, NaoExecutaScriptsNemBuscaNadaForaDoArquivo)
{
    QTcpServer servidor;
    ASSERT_TRUE(servidor.listen(QHostAddress::LocalHost));
    const QString endereco = QStringLiteral("http://127.0.0.1:%1/").arg(servidor.serverPort());
    abre(escreve(QStringLiteral("<HTML><HEAD><LINK rel=stylesheet href='%1estilo.css'></HEAD><BODY>"
                                "<IMG src='%1logo.png'><P id='p'>original</P>"
                                "<SCRIPT>document.getElementById('p').textContent = 'alterado';</SCRIPT></BODY></HTML>")
                     .arg(endereco)));
    EXPECT_EQ(textoExibido(navegador, QStringLiteral("original")), QStringLiteral("original"));
    EXPECT_FALSE(servidor.waitForNewConnection(500));
}

class Copias : public Visualizador, public ::testing::WithParamInterface<Caso> {};

TEST_P(Copias, UmaPassagemPorCopiaEAvisoNoFim)
{
    const Caso& caso = GetParam();
    abre(escreve(RelatorioComAcentos));
    imprime(caso("copias"), caso("escolhe") == QLatin1String("sim"));
    EXPECT_EQ(impressora->comandos, QStringList(caso.inteiro("vezes"), caso("comando")));
    QStringList avisos;
    for (const Mensagem& mensagem : caixa->mensagens)
        avisos << mensagem.prompt;
    ASSERT_EQ(avisos, caso.lista("avisos"));
    EXPECT_EQ(caixa->mensagens.last().icone, IconeMensagem::Informacao);
    EXPECT_EQ(caixa->mensagens.last().titulo, TituloPrograma());
    EXPECT_TRUE(janela->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Tabela, Copias, ::testing::ValuesIn(Casos("janelas/filtro/casos/copias.tsv")), NomeDoCaso);

// Issue: a report too large for the browser's memory ended its renderer
// ("V8 process OOM") and the view kept a partial page without a word. The
// renderer is ended here as the system ends a process out of memory.
TEST_F(Visualizador, NavegadorQueParaAvisaEMostraAsPaginas)
{
    abre(QStringLiteral(PANTORO_TESTS_DIR "/report/esperado/pa.html"));
    QSignalSpy parou(navegador->page(), &QWebEnginePage::renderProcessTerminated);
    ASSERT_EQ(::kill(static_cast<pid_t>(navegador->page()->renderProcessPid()), SIGKILL), 0);
    ASSERT_TRUE(parou.wait(20000));
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt,
              QStringLiteral("O navegador parou de mostrar o relatório (memória insuficiente ou falha do navegador)."
                             "\rO relatório inteiro está na aba \"Páginas\", que também o imprime."));
    EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Exclamacao);
    EXPECT_EQ(caixa->mensagens[0].titulo, TituloRelease());
    EXPECT_EQ(controle<QTabWidget>(janela.get(), "abasVisualizacao")->currentWidget()->objectName(), "abaPaginas");

    // Still usable: it prints, and the browser view loads again when asked.
    imprime(QStringLiteral("1"), false);
    EXPECT_EQ(impressora->comandos, QStringList{QStringLiteral("print")});
    controle<QPushButton>(janela.get(), "cmdAbrirNavegador")->click();
    EXPECT_TRUE(textoExibido(navegador, QStringLiteral("ZECA")).contains(QStringLiteral("ZECA")));
    // And the next run's viewer shows its report, as every viewer opens.
    abre(escreve(RelatorioComAcentos));
    EXPECT_EQ(textoExibido(navegador, QStringLiteral("JOSÉ")), QStringLiteral("AÇÃO\u00a0JOSÉ"));
    EXPECT_EQ(navegador->title(), QStringLiteral("Relatório"));
    EXPECT_EQ(janela->windowTitle(),
              QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05 (PRD) - Visualização de Relatório"));
    EXPECT_EQ(controle<QLabel>(janela.get(), "lblArqGerado")->text(), relatorio().ArquivoHTML);
    EXPECT_EQ(controle<QLineEdit>(janela.get(), "txtNrCopias")->text(), QStringLiteral("1"));
    EXPECT_EQ(caixa->mensagens.size(), 2);  // the warning, then the print's "Impressão Encerrada"
}

const QString Relatorio = QStringLiteral(PANTORO_TESTS_DIR "/report/esperado/entrega.html");

// The viewer printing through the CUPS scheduler of scripts/cups.sh, whose
// PDF queue writes every job as a file: the job's pages are read back from
// it (the queue turns a landscape job onto portrait paper, so the chosen
// paper shows in the page count). "Escolher Impressora" chooses landscape.
class Impressao : public Visualizador {
protected:
    void SetUp() override
    {
        Visualizador::SetUp();
        // The queue names a job's file after the document: this run's own
        // name tells its jobs from those of other runs on the scheduler.
        const QString nome = QStringLiteral("entrega-%1.html").arg(QCoreApplication::applicationPid());
        jobs_ = QStringLiteral("job_*-%1*.pdf").arg(nome);
        anteriores_ = saida_.entryList({jobs_});
        ASSERT_TRUE(QFile::copy(Relatorio, pasta.filePath(nome)));
        InstalaImpressora(std::make_shared<ImpressoraQt>([](QPrinter& impressora, QWidget*) {
            impressora.setPageOrientation(QPageLayout::Landscape);
            return true;
        }));
        abre(pasta.filePath(nome));
    }

    // The page count of every job of this run the queue wrote since SetUp,
    // in job order (job_<number>-...); -1 for one not written whole.
    QList<int> paginasDosTrabalhos(int esperados)
    {
        QMap<int, int> paginas;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                paginas.clear();
                for (const QString& pdf : saida_.entryList({jobs_}))
                    if (!anteriores_.contains(pdf))
                        paginas[pdf.section(u'_', 1).section(u'-', 0, 0).toInt()] = Paginas(saida_.filePath(pdf));
                return paginas.size() >= esperados && !paginas.values().contains(-1);
            },
            60000));
        return paginas.values();
    }

    static int Paginas(const QString& pdf)
    {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished(30000);
        const auto achado = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.readAllStandardOutput());
        return achado.hasMatch() ? achado.captured(1).toInt() : -1;
    }

private:
    QDir saida_{qEnvironmentVariable("PANTORO_CUPS_PDF_DIR")};
    QString jobs_;
    QStringList anteriores_;
};

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
    EXPECT_EQ(paginasDosTrabalhos(3), QList<int>({emA4.Total(), 2 * emA4.Total(), deitado.Total()}));
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
