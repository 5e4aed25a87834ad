#include "janelas/comum/JanelasDeTeste.h"

#include "demo/InstalacaoDemo.h"
#include "janelas/CaixaQt.h"
#include "janelas/frmBROWSE_PESSOAS.h"
#include "janelas/frmPantoro.h"
#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/TraducoesQt.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

// The program on the demo installation as its users see it, on the screens
// of telas.json: the filter form, the message boxes, the person search with
// results and the viewer, every one whole on its screen with its captions
// and grid columns whole. With PANTORO_CAPTURAS set (scripts/screenshots.sh)
// each is saved there too.
namespace {

std::string junta(const QStringList& textos)
{
    return textos.join(u'\n').toStdString();
}

class Telas : public JanelasDeTeste {
protected:
    static void SetUpTestSuite()
    {
        demo = new QTemporaryDir;
        PreparaInstalacaoDemo(demo->filePath(QStringLiteral("demo")));
    }
    static void TearDownTestSuite() { delete demo; }

    void SetUp() override
    {
        JanelasDeTeste::SetUp();
        filtro = std::make_unique<frmPantoro>();
        filtro->Carregar(QStringLiteral("1^1^PRD^"));
    }
    void TearDown() override
    {
        filtro.reset();
        FechaConexao(QString());
        ambiente() = Ambiente{};
        JanelasDeTeste::TearDown();
    }

    static void confere(QWidget* janela, const QString& nome)
    {
        EXPECT_EQ(junta(problemasNaTela(janela)), "") << nome.toStdString();
        const QString pasta = qEnvironmentVariable("PANTORO_CAPTURAS");
        if (!pasta.isEmpty()) {
            EXPECT_TRUE(janela->grab().save(QDir(pasta).filePath(nome + QStringLiteral(".png"))));
        }
    }

    static QTemporaryDir* demo;
    std::unique_ptr<frmPantoro> filtro;
};

QTemporaryDir* Telas::demo = nullptr;

TEST_F(Telas, CadaJanelaCabeEmCadaTela)
{
    const QString inicio = Format(Variant(Hoje().addMonths(-3).startOfDay()), QStringLiteral("dd/mm/yyyy"));
    controle<QLineEdit>(filtro.get(), "mskDtDe")->setText(inicio);
    for (QScreen* tela : QGuiApplication::screens()) {
        SCOPED_TRACE(tela->name().toStdString());
        const QString prefixo = tela->name() + u'-';
        filtro->hide();
        filtro->setScreen(tela);
        mostraAtiva(filtro.get());
        confere(filtro.get(), prefixo + QStringLiteral("filtro"));

        const Mensagem caixas[] = {
            {QStringLiteral("O Relatório de PA somente pode ser processado com a opção da Data do Pedido (Data de "
                            "Vendas).\rO sistema está ajustado o parametro automaticamente"),
             IconeMensagem::Informacao, filtro->windowTitle()},
            {QStringLiteral("Arquivo não encontrado: c:\\korva\\config\\server.ini"), IconeMensagem::Critico,
             TituloRelease()},
        };
        int numero = 0;
        for (const Mensagem& mensagem : caixas) {
            const auto aberta = aoAbrirModal([&](QWidget* box) {
                EXPECT_GE(box->width(), LarguraParaOTitulo(mensagem.titulo, box)) << mensagem.titulo.toStdString();
                confere(box, prefixo + QStringLiteral("mensagem-%1").arg(++numero));
            });
            CaixaQt().Mostrar(mensagem);
        }

        funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
        frmBROWSE_PESSOAS pesquisa(filtro.get());
        pesquisa.setScreen(tela);
        mostraAtiva(&pesquisa);
        QTest::mouseClick(controle<QPushButton>(&pesquisa, "cmdPesquisa"), Qt::LeftButton);
        auto* grade = controle<QTableView>(&pesquisa, "Flex");
        ASSERT_GT(grade->model()->rowCount(), 0);
        confere(&pesquisa, prefixo + QStringLiteral("pesquisa-pessoas"));
        const QHash<int, QString> maiores = {{1, QStringLiteral("00.000.000/0000-00")},
                                             {4, QStringLiteral("(00) 00000-0000")},
                                             {5, QStringLiteral("00/00/0000")}};
        EXPECT_EQ(junta(colunasCortadas(grade, maiores)), "");
        pesquisa.close();

        // The viewer on the standard report of the last three months.
        const auto visualizador = aoAbrirModal([&](QWidget* janela) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(janela));
            // The browser view, when it opens on it, shows the page's heading.
            if (auto* navegador = controle<QWebEngineView>(janela, "WebBrowser1"); navegador->isVisible()) {
                EXPECT_TRUE(textoExibido(navegador, QStringLiteral("Emissão:")).contains(QStringLiteral("Emissão:")));
            }
            QTest::qWait(300);  // the first frame reaches the screen
            confere(janela, prefixo + QStringLiteral("visualizador"));
        });
        QTest::mouseClick(controle<QPushButton>(filtro.get(), "cmdImprimir"), Qt::LeftButton);
    }
    EXPECT_TRUE(caixa->mensagens.isEmpty());
}

// The report's Tahoma as fontconfig gives it to the browser under the
// program's fonts configuration: DejaVu Sans Condensed, of its widths, with
// a true bold.
TEST(Fontes, TahomaEmDejaVuSansCondensedComNegrito)
{
    for (const auto& [padrao, arquivo] :
         {std::pair{"Tahoma", "/DejaVuSansCondensed.ttf"}, {"Tahoma:bold", "/DejaVuSansCondensed-Bold.ttf"}}) {
        QProcess fcMatch;
        fcMatch.start(QStringLiteral("fc-match"),
                      {QStringLiteral("-f"), QStringLiteral("%{file}"), QLatin1String(padrao)});
        ASSERT_TRUE(fcMatch.waitForFinished(10000));
        EXPECT_TRUE(fcMatch.readAllStandardOutput().endsWith(arquivo)) << padrao;
    }
}

// Qt's own buttons in the user's language when it is Portuguese.
TEST(TraducoesDoQt, BotoesDoQtNoIdiomaDoUsuario)
{
    for (const auto& [locale, traduz] : {std::pair{"en_US", false}, {"pt_BR", true}, {"pt_PT", true}}) {
        SCOPED_TRACE(locale);
        EXPECT_EQ(CarregaTraducoesDoQt(*QCoreApplication::instance(), QLocale(QLatin1String(locale))), traduz);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  traduz ? QStringLiteral("Cancelar") : QStringLiteral("Cancel"));
    }
}

}  // namespace
