#include "platform/Printing.h"
#include "support/BaseRelatorio.h"
#include "report/Relatorio.h"
#include "startup/Ambiente.h"
#include "viewer/frmHTML_Generico.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

// The viewer on a report of the fixture company whose name carries a
// script, and given copy counts no user should type.
namespace {

const QString Script = QStringLiteral("<script>document.body.innerHTML = 'INVADIDO';</script>");

class VisualizadorHostil : public BaseRelatorio {
protected:
    void SetUp() override
    {
        BaseRelatorio::SetUp();
        impressoraAnterior_ = InstalaImpressora(impressora);
        ambiente().PastaRelatorios = pastaRelatorios();
        FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::Standard);
        filtro.nomeEmpresa = QStringLiteral("BANANAS ") + Script;
        relatorio().ArquivoHTML = ExecutaRelatorio(filtro, GetParam().motor).arquivo;
        ASSERT_TRUE(arquivoGerado().contains(Script.toLatin1()));

        janela = std::make_unique<frmHTML_Generico>();
        navegador = janela->findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"));
        ASSERT_NE(navegador, nullptr);
        QSignalSpy carregou(navegador, &QWebEngineView::loadFinished);
        janela->show();
        ASSERT_TRUE(carregou.count() > 0 || carregou.wait(20000));
    }

    void TearDown() override
    {
        janela.reset();
        InstalaImpressora(impressoraAnterior_);
        BaseRelatorio::TearDown();
    }

    QString textoDaPagina() const
    {
        QString texto;
        bool pronto = false;
        navegador->page()->toPlainText([&](const QString& resultado) {
            texto = resultado;
            pronto = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return pronto; }, 20000));
        return texto;
    }

    std::shared_ptr<ImpressoraGravadora> impressora = std::make_shared<ImpressoraGravadora>();
    std::unique_ptr<frmHTML_Generico> janela;
    QWebEngineView* navegador = nullptr;

private:
    std::shared_ptr<Impressora> impressoraAnterior_;
};

// The page shows the report's rows and the script's text stays inert.
TEST_P(VisualizadorHostil, ScriptNoNomeDaEmpresaNaoRoda)
{
    const QString texto = textoDaPagina();
    EXPECT_NE(texto.trimmed(), QStringLiteral("INVADIDO"));
    EXPECT_TRUE(texto.contains(QLatin1String("QUITANDA D'AVILA"))) << texto.left(300).toStdString();
}

struct CasoCopias {
    const char* nome;
    const char* copias;
    int impressoes;
    QStringList mensagens;
};

class CopiasHostis : public VisualizadorHostil {};

// Whatever is typed, the passes are bounded, and the run ends with a message.
TEST_P(CopiasHostis, PassagensLimitadasEAviso)
{
    const CasoCopias casos[] = {
        {"Vazio", "", 0, {QStringLiteral("Impressão Encerrada")}},
        {"Letras", "abc", 0, {QStringLiteral("Impressão Encerrada")}},
        {"MenosUm", "-1", 0, {QStringLiteral("Impressão Encerrada")}},
        {"UmBilhao", "1e9", frmHTML_Generico::MaximoDeCopias,
         {QStringLiteral("Serão impressas no máximo 99 cópias."), QStringLiteral("Impressão Encerrada")}},
    };
    janela->findChild<QCheckBox*>(QStringLiteral("chkEscolheImpressora"))->setChecked(false);
    for (const CasoCopias& caso : casos) {
        SCOPED_TRACE(caso.nome);
        impressora->comandos.clear();
        caixa->mensagens.clear();
        janela->findChild<QLineEdit*>(QStringLiteral("txtNrCopias"))->setText(QString::fromLatin1(caso.copias));
        QTest::mouseClick(janela->findChild<QToolButton*>(QStringLiteral("cmdImprimir")), Qt::LeftButton);
        EXPECT_EQ(impressora->comandos.size(), caso.impressoes);
        QStringList mensagens;
        for (const Mensagem& mensagem : caixa->mensagens)
            mensagens << mensagem.prompt;
        EXPECT_EQ(mensagens, caso.mensagens);
        EXPECT_TRUE(janela->isVisible());
    }
}

const std::vector<ParametroRelatorio> SoSqlite = {{Backend::Sqlite, MotorRelatorio::Rapido}};
INSTANTIATE_TEST_SUITE_P(Bancos, VisualizadorHostil, ::testing::ValuesIn(SoSqlite), NomeDoParametro);
INSTANTIATE_TEST_SUITE_P(Bancos, CopiasHostis, ::testing::ValuesIn(SoSqlite), NomeDoParametro);

}  // namespace
