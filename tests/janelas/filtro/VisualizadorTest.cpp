#include "janelas/comum/JanelasDeTeste.h"

#include "janelas/frmHTML_Generico.h"
#include "platform/Cp1252.h"
#include "report/Relatorio.h"
#include "startup/Ambiente.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWebEngineView>

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

    // Opens the viewer on `html` and waits for the page.
    void abre(const QString& html)
    {
        const QString caminho = pasta.filePath(QStringLiteral("pantoro.html"));
        QFile arquivo(caminho);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(ParaCp1252(html));
        arquivo.close();
        relatorio().ArquivoHTML = caminho;

        janela = std::make_unique<frmHTML_Generico>();
        navegador = controle<QWebEngineView>(janela.get(), "WebBrowser1");
        QSignalSpy carregou(navegador, &QWebEngineView::loadFinished);
        mostraAtiva(janela.get());
        ASSERT_TRUE(carregou.count() > 0 || carregou.wait(20000));
    }

    void imprime(const QString& copias, bool escolheImpressora)
    {
        auto* nrCopias = controle<QLineEdit>(janela.get(), "txtNrCopias");
        QTest::mouseClick(nrCopias, Qt::LeftButton);
        QTest::keyClick(nrCopias, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(nrCopias, Qt::Key_Backspace);
        digitaTexto(nrCopias, copias);
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

TEST_F(Visualizador, MostraOArquivoComAcentosELegendas)
{
    abre(RelatorioComAcentos);
    EXPECT_EQ(janela->windowTitle(),
              QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05 (PRD) - Visualização de Relatório"));
    EXPECT_EQ(controle<QLabel>(janela.get(), "lblArqGerado")->text(), relatorio().ArquivoHTML);
    EXPECT_EQ(controle<QLineEdit>(janela.get(), "txtNrCopias")->text(), QStringLiteral("1"));
    EXPECT_EQ(navegador->url(), QUrl::fromLocalFile(relatorio().ArquivoHTML));
    EXPECT_EQ(textoExibido(navegador, QStringLiteral("JOSÉ")), QStringLiteral("AÇÃO\u00a0JOSÉ"));
    EXPECT_EQ(navegador->title(), QStringLiteral("Relatório"));
}

// The viewer shows the file alone: no script runs and nothing outside it is fetched.
TEST_F(Visualizador, NaoExecutaScriptsNemBuscaNadaForaDoArquivo)
{
    QTcpServer servidor;
    ASSERT_TRUE(servidor.listen(QHostAddress::LocalHost));
    const QString endereco = QStringLiteral("http://127.0.0.1:%1/").arg(servidor.serverPort());
    abre(QStringLiteral("<HTML><HEAD><LINK rel=stylesheet href='%1estilo.css'></HEAD><BODY>"
                        "<IMG src='%1logo.png'><P id='p'>original</P>"
                        "<SCRIPT>document.getElementById('p').textContent = 'alterado';</SCRIPT></BODY></HTML>")
             .arg(endereco));
    EXPECT_EQ(textoExibido(navegador, QStringLiteral("original")), QStringLiteral("original"));
    EXPECT_FALSE(servidor.waitForNewConnection(500));
}

// The copy count as typed, the page set-up box, and the printer commands that follow.
struct CasoCopias {
    const char* nome;
    const char* copias;
    bool escolheImpressora;
    QStringList comandos;
    QString aviso;  // before "Impressão Encerrada"
};

class Copias : public Visualizador, public ::testing::WithParamInterface<CasoCopias> {};

TEST_P(Copias, UmaPassagemPorCopiaEAvisoNoFim)
{
    abre(RelatorioComAcentos);
    imprime(QString::fromUtf8(GetParam().copias), GetParam().escolheImpressora);
    EXPECT_EQ(impressora->comandos, GetParam().comandos);
    ASSERT_EQ(caixa->mensagens.size(), GetParam().aviso.isEmpty() ? 1 : 2);
    if (!GetParam().aviso.isEmpty())
        EXPECT_EQ(caixa->mensagens.takeFirst().prompt, GetParam().aviso);
    EXPECT_EQ(caixa->mensagens[0].prompt, QStringLiteral("Impressão Encerrada"));
    EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Informacao);
    EXPECT_EQ(caixa->mensagens[0].titulo, TituloPrograma());
    EXPECT_TRUE(janela->isVisible());
}

const QStringList DuasImpressoes{QStringLiteral("print"), QStringLiteral("print")};
const QStringList DuasConfiguracoes{QStringLiteral("pagesetup"), QStringLiteral("pagesetup")};

INSTANTIATE_TEST_SUITE_P(Contagens, Copias,
                         ::testing::Values(CasoCopias{"ZeroNaoImprime", "0", false, {}},
                                           CasoCopias{"DuasNaPadrao", "2", false, DuasImpressoes},
                                           CasoCopias{"DuasComEscolhaSoConfiguram", "2", true, DuasConfiguracoes},
                                           CasoCopias{"TextoDepoisDoNumero", "2 cópias", false, DuasImpressoes},
                                           CasoCopias{"FracaoArredondaParaBaixo", "2.5", false, DuasImpressoes},
                                           CasoCopias{"SemNumeroNaoImprime", "duas", false, {}},
                                           CasoCopias{"NegativoNaoImprime", "-3", false, {}},
                                           CasoCopias{"VazioNaoImprime", "", false, {}},
                                           CasoCopias{"UmBilhaoLimitado", "1e9", false,
                                                      QVector<QString>(99, QStringLiteral("print")),
                                                      QStringLiteral("Serão impressas no máximo 99 cópias.")}),
                         [](const ::testing::TestParamInfo<CasoCopias>& info) { return std::string(info.param.nome); });

}  // namespace
