#include "janelas/comum/JanelasDeTeste.h"

#include "support/Casos.h"

#include "fixtures/BancoDeTeste.h"
#include "janelas/frmPantoro.h"
#include "platform/Clock.h"
#include "report/Relatorio.h"
#include "startup/Ambiente.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <set>

namespace {

// The filter form on the small company of janelas/comum/filtro.sql, which has no orders.
class FormularioFiltro : public JanelasDeTeste {
protected:
    void SetUp() override
    {
        JanelasDeTeste::SetUp();
        banco.executaScript(DadosDeTeste("janelas/comum/filtro.sql"));
        ambiente().PastaRelatorios = pasta.path() + u'/';
        ambiente().CodiAmbiente = QStringLiteral("PRD");
        janela = std::make_unique<frmPantoro>();
        janela->PreparaFiltros();
        ctl<QLabel>("lblCodiEmpresa")->setText(QStringLiteral("001"));
        mostraAtiva(janela.get());
    }

    void TearDown() override
    {
        janela.reset();
        ambiente().PastaRelatorios.clear();
        ambiente().CodiAmbiente.clear();
        relatorio() = VariaveisRelatorio{};
        JanelasDeTeste::TearDown();
    }

    template <class Controle = QWidget> Controle* ctl(const char* nome) const
    {
        return controle<Controle>(janela.get(), nome);
    }

    QStringList itens(const char* lista) const
    {
        QStringList textos;
        for (int i = 0; i < ctl<QComboBox>(lista)->count(); ++i)
            textos << ctl<QComboBox>(lista)->itemText(i);
        return textos;
    }

    // A click, and the events it queues (the whole-text selection of the date boxes).
    void clica(const char* nome) const
    {
        clicaNaBorda(ctl(nome));
        QCoreApplication::processEvents();
    }

    void imprime() const { QTest::mouseClick(ctl<QPushButton>("cmdImprimir"), Qt::LeftButton); }

    // After a run: the hourglass is gone and the form takes input again.
    void janelaUtilizavel() const
    {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(janela->isEnabled());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    BancoDeTeste banco;
    QTemporaryDir pasta;
    std::unique_ptr<frmPantoro> janela;
};

TEST_F(FormularioFiltro, CarregaComOsPadroesDaJanela)
{
    const QString hoje = Hoje().toString(QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(ctl<QLineEdit>("mskDtDe")->displayText(), hoje);
    EXPECT_EQ(ctl<QLineEdit>("mskDtAte")->displayText(), hoje);
    EXPECT_TRUE(ctl<QRadioButton>("opDtEmissaoPedido")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>("opRelStandard")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>("opTF10")->isChecked());
    EXPECT_FALSE(ctl("frameTamanhoFonte")->isVisible());
    EXPECT_EQ(itens("cboVendedor"), QStringList{QStringLiteral("ANA")});
    EXPECT_EQ(itens("cboTipoCli"), (QStringList{QStringLiteral("ATACADO"), QStringLiteral("VAREJO")}));
    // Filled, the two lists still start with an empty box: no filter.
    EXPECT_EQ(ctl<QComboBox>("cboVendedor")->currentText(), QString());
    EXPECT_EQ(ctl<QComboBox>("cboTipoCli")->currentText(), QString());
    EXPECT_EQ(ctl<QComboBox>("cboMarca")->count(), 0);
    EXPECT_EQ(ctl<QComboBox>("cboCliente")->count(), 0);
    EXPECT_TRUE(caixa->mensagens.isEmpty());
}

class GrupoDaFonte : public FormularioFiltro, public ::testing::WithParamInterface<Caso> {};

TEST_P(GrupoDaFonte, SegueOLayout)
{
    clica("opRelStandard");
    for (const QString& opcao : GetParam()("opcoes").split(u' '))
        clica(opcao.toLatin1().constData());
    EXPECT_EQ(ctl("frameTamanhoFonte")->isVisible(), GetParam()("grupo") == QLatin1String("mostra"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, GrupoDaFonte, ::testing::ValuesIn(Casos("janelas/filtro/casos/tamanho-fonte.tsv")),
                         NomeDoCaso);

TEST_F(FormularioFiltro, TabAlcancaCadaControle)
{
    ctl<QRadioButton>("opRelDetaSemVal")->setChecked(true);  // shows the font sizes
    std::set<QString> alcancados;
    ctl("cboVendedor")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 40; ++i) {
        QWidget* foco = QApplication::focusWidget();
        // Tab enters a group of options at one of them; the arrows move within it.
        alcancados.insert(qobject_cast<QRadioButton*>(foco) ? foco->parentWidget()->objectName() : foco->objectName());
        QTest::keyClick(foco, Qt::Key_Tab);
    }
    for (const char* nome : {"cboVendedor", "cboMarca", "cboTipoCli", "cboCliente", "cmdPesquisar_Cliente", "Frame1",
                             "mskDtDe", "mskDtAte", "Frame2", "frameTamanhoFonte", "cmdImprimir"})
        EXPECT_EQ(alcancados.count(QString::fromLatin1(nome)), 1u) << nome;
    ctl("opTF10")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ctl("opTF10"), Qt::Key_Right);
    EXPECT_TRUE(ctl<QRadioButton>("opTF11")->isChecked());
}

TEST_F(FormularioFiltro, ClienteDesconhecidoAvisaEMantemOFoco)
{
    clica("cboCliente");
    QTest::keyClicks(ctl("cboCliente"), QStringLiteral("fulano"));
    clica("mskDtDe");
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt, QStringLiteral("Cliente não Cadastrado!"));
    EXPECT_EQ(caixa->mensagens[0].titulo, TituloRelease());
    EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Informacao);
    EXPECT_EQ(QApplication::focusWidget(), ctl("cboCliente"));
    EXPECT_EQ(ctl<QComboBox>("cboCliente")->currentText(), QStringLiteral("FULANO"));
    EXPECT_EQ(ctl<QLabel>("lblCliente")->text(), QString());
}

TEST_F(FormularioFiltro, DataFinalInvalidaTomaADataInicialAoSairDaCaixa)
{
    auto* ate = ctl<QLineEdit>("mskDtAte");
    ctl<QLineEdit>("mskDtDe")->setText(QStringLiteral("01/03/2024"));
    clica("mskDtAte");
    QTest::keyClick(ate, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(ate, Qt::Key_Backspace);
    EXPECT_EQ(ate->displayText(), QStringLiteral("__/__/____"));
    clica("cboVendedor");
    EXPECT_EQ(ate->displayText(), QStringLiteral("01/03/2024"));
}

// PA runs on the order date: the window says so and switches the option. A
// run that then fails (no report folder) keeps that change and the end date
// it fixed, and gives the form back.
TEST_F(FormularioFiltro, PAVoltaParaADataDeEmissaoMesmoQuandoORelatorioFalha)
{
    ambiente().PastaRelatorios = pasta.filePath(QStringLiteral("nao-existe/"));
    clica("opRelPA");
    clica("opDtEntregaPedido");
    ctl<QLineEdit>("mskDtAte")->setText(QString());  // prompt characters only: not a date
    imprime();
    ASSERT_EQ(caixa->mensagens.size(), 2);
    EXPECT_TRUE(caixa->mensagens[0].prompt.startsWith(QStringLiteral("O Relatório de PA somente")));
    EXPECT_EQ(caixa->mensagens[0].titulo, janela->windowTitle());
    EXPECT_EQ(caixa->mensagens[1].icone, IconeMensagem::Critico);  // the file error
    EXPECT_TRUE(ctl<QRadioButton>("opDtEmissaoPedido")->isChecked());
    EXPECT_EQ(ctl<QLineEdit>("mskDtAte")->displayText(), ctl<QLineEdit>("mskDtDe")->displayText());
    janelaUtilizavel();
}

TEST_F(FormularioFiltro, SemPedidosAvisaENaoAbreOVisualizador)
{
    bool abriu = false;
    const auto espera = aoAbrirModal([&](QWidget*) { abriu = true; });
    imprime();
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt, QStringLiteral("Não há dados para exibir!"));
    EXPECT_FALSE(abriu);
    janelaUtilizavel();
}

}  // namespace
