#include "janelas/comum/JanelasDeTeste.h"

#include "demo/InstalacaoDemo.h"
#include "janelas/CaixaQt.h"
#include "janelas/frmBROWSE_PESSOAS.h"
#include "janelas/frmPantoro.h"
#include "platform/TraducoesQt.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWebEngineView>
#include <set>

namespace {

// The widest values the person search grid holds: CNPJ, telephone, date.
const QHash<int, QString> MaioresDaPesquisa = {{1, QStringLiteral("00.000.000/0000-00")},
                                               {4, QStringLiteral("(00) 00000-0000")},
                                               {5, QStringLiteral("00/00/0000")}};

// The filter form over the demo company (created once for all tests), on
// the screens telas.json describes.
class Janelas : public JanelasDeTeste {
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

    template <class Controle = QWidget> Controle* ctl(const QWidget* janela, const char* nome) const
    {
        return controle<Controle>(janela, nome);
    }

    // The filter form shown, active, on `tela`.
    void mostraFiltro(QScreen* tela)
    {
        filtro->hide();
        filtro->setScreen(tela);
        mostraAtiva(filtro.get());
    }

    static std::string junta(const QStringList& textos) { return textos.join(u'\n').toStdString(); }

    static QTemporaryDir* demo;
    std::unique_ptr<frmPantoro> filtro;
};

QTemporaryDir* Janelas::demo = nullptr;

TEST_F(Janelas, CabemNaTelaComLegendasEColunasInteiras)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 3) << "telas.json not loaded";
    for (QScreen* tela : QGuiApplication::screens()) {
        SCOPED_TRACE(tela->name().toStdString());
        mostraFiltro(tela);
        EXPECT_EQ(junta(problemasNaTela(filtro.get())), "");
        const auto caixaAberta = aoAbrirModal([&](QWidget* box) {
            EXPECT_GE(box->width(), LarguraParaOTitulo(filtro->windowTitle(), box));
            EXPECT_EQ(junta(problemasNaTela(box)), "");
        });
        CaixaQt().Mostrar(
            {QStringLiteral("Cliente não Cadastrado!"), IconeMensagem::Informacao, filtro->windowTitle()});

        funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
        frmBROWSE_PESSOAS pesquisa(filtro.get());
        pesquisa.setScreen(tela);
        mostraAtiva(&pesquisa);
        QTest::mouseClick(ctl<QPushButton>(&pesquisa, "cmdPesquisa"), Qt::LeftButton);
        auto* grade = ctl<QTableView>(&pesquisa, "Flex");
        ASSERT_GT(grade->model()->rowCount(), 0);
        EXPECT_EQ(junta(problemasNaTela(&pesquisa)), "");
        EXPECT_EQ(junta(colunasCortadas(grade, MaioresDaPesquisa)), "");
    }
}

TEST_F(Janelas, TahomaComAcentosENegritoNoNavegadorENoPapel)
{
    QWebEngineView navegador;
    EXPECT_EQ(junta(falhasDaTahoma(&navegador, {8, 10, 11, 12, 14})), "");
}

TEST_F(Janelas, PesquisaPeloTecladoEnterEscolheEscapeFecha)
{
    mostraFiltro(QGuiApplication::primaryScreen());
    auto* cliente = ctl<QLabel>(filtro.get(), "lblCliente");
    for (const bool escolhe : {false, true}) {
        QString focoInicial, focoDepoisDoEnter, escolhido;
        bool aberta = true;
        const auto espera = aoAbrirModal([&](QWidget* pesquisa) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(pesquisa));
            focoInicial = QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Enter moves to "Pesquisar"
            focoDepoisDoEnter = QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            auto* grade = ctl<QTableView>(pesquisa, "Flex");
            grade->setFocus(Qt::TabFocusReason);
            QTest::keyClick(grade, Qt::Key_Down);
            escolhido = grade->currentIndex().siblingAtColumn(2).data().toString();
            QTest::keyClick(grade, escolhe ? Qt::Key_Return : Qt::Key_Escape);
            aberta = pesquisa->isVisible();
        });
        QTest::mouseClick(ctl<QToolButton>(filtro.get(), "cmdPesquisar_Cliente"), Qt::LeftButton);
        EXPECT_EQ(focoInicial.toStdString(), "cboCod");
        EXPECT_EQ(focoDepoisDoEnter.toStdString(), "cmdPesquisa");
        EXPECT_FALSE(escolhido.isEmpty());
        EXPECT_FALSE(aberta);
        EXPECT_EQ(cliente->text(), escolhe ? escolhido : QString());
    }
}

TEST_F(Janelas, TabAlcancaCadaControleDoFiltro)
{
    mostraFiltro(QGuiApplication::primaryScreen());
    ctl<QRadioButton>(filtro.get(), "opRelDetaSemVal")->setChecked(true);  // shows the font sizes
    std::set<QString> alcancados;
    ctl(filtro.get(), "cboVendedor")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 40; ++i) {
        QWidget* foco = QApplication::focusWidget();
        // Tab enters a group of options at one of them; the arrows move within it.
        alcancados.insert(qobject_cast<QRadioButton*>(foco) ? foco->parentWidget()->objectName() : foco->objectName());
        QTest::keyClick(foco, Qt::Key_Tab);
    }
    for (const char* nome : {"cboVendedor", "cboMarca", "cboTipoCli", "cboCliente", "cmdPesquisar_Cliente", "Frame1",
                             "mskDtDe", "mskDtAte", "Frame2", "frameTamanhoFonte", "cmdImprimir"})
        EXPECT_EQ(alcancados.count(QString::fromLatin1(nome)), 1u) << nome;
    ctl(filtro.get(), "opTF10")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ctl(filtro.get(), "opTF10"), Qt::Key_Right);
    EXPECT_TRUE(ctl<QRadioButton>(filtro.get(), "opTF11")->isChecked());
}

// Issue: a run that stops on an error left the form as before the run.
TEST_F(Janelas, ErroNaExecucaoDeixaNoFiltroAsMudancasJaFeitas)
{
    mostraFiltro(QGuiApplication::primaryScreen());
    ambiente().PastaRelatorios = demo->filePath(QStringLiteral("nao-existe/"));
    ctl<QRadioButton>(filtro.get(), "opRelPA")->setChecked(true);
    ctl<QRadioButton>(filtro.get(), "opDtEntregaPedido")->setChecked(true);
    auto* ate = ctl<QLineEdit>(filtro.get(), "mskDtAte");
    ate->setText(QString());  // prompt characters only: not a date
    QTest::mouseClick(ctl<QPushButton>(filtro.get(), "cmdImprimir"), Qt::LeftButton);

    ASSERT_EQ(caixa->mensagens.size(), 2);
    EXPECT_TRUE(caixa->mensagens[0].prompt.startsWith(QStringLiteral("O Relatório de PA")));
    EXPECT_EQ(caixa->mensagens[1].icone, IconeMensagem::Critico);  // the file error
    EXPECT_EQ(ate->displayText(), ctl<QLineEdit>(filtro.get(), "mskDtDe")->displayText());
    EXPECT_TRUE(ctl<QRadioButton>(filtro.get(), "opDtEmissaoPedido")->isChecked());
}

// Qt's own buttons in the user's language when it is Portuguese.
TEST(TraducoesDoQt, BotoesDoQtNoIdiomaDoUsuario)
{
    for (const auto& [locale, traduz] : {std::pair{"en_US", false}, {"pt_BR", true}, {"pt_PT", true}}) {
        SCOPED_TRACE(locale);
        EXPECT_EQ(CarregaTraducoesDoQt(*QCoreApplication::instance(), QLocale(QLatin1String(locale))), traduz);
        if (traduz)
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    }
}

}  // namespace
