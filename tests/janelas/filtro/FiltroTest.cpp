#include "janelas/comum/JanelasDeTeste.h"

#include "janelas/comum/ItensDaLista.h"
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

namespace {

// The filter form on the small company of janelas/comum/filtro.sql.
class FormularioFiltro : public JanelasDeTeste {
protected:
    void SetUp() override
    {
        JanelasDeTeste::SetUp();
        banco.executaScript(DadosDeTeste("janelas/comum/filtro.sql"));
        banco.executaScript(
            QStringLiteral("insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, valo_dect) "
                           "values (1, 42, '001', '%1 10:00:00', 10, 0);"
                           "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, qtde, valo_unit, "
                           "valo_dect, valo_tota) "
                           "values (1, 1, 1, 3, 10, 0, 30)")
                .arg(Hoje().toString(QStringLiteral("yyyy-MM-dd"))));
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

    // Focus into the box by mouse, as the user clicks it, then type.
    void digita(const char* nome, const QString& texto) const
    {
        clica(nome);
        QTest::keyClicks(ctl(nome), texto);
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
    EXPECT_EQ(ItensDaLista(*ctl<QComboBox>("cboVendedor")), QStringList{QStringLiteral("ANA")});
    EXPECT_EQ(ItensDaLista(*ctl<QComboBox>("cboTipoCli")),
              (QStringList{QStringLiteral("ATACADO"), QStringLiteral("VAREJO")}));
    // Filled, the two lists still start with an empty box: no filter.
    EXPECT_EQ(ctl<QComboBox>("cboVendedor")->currentText(), QString());
    EXPECT_EQ(ctl<QComboBox>("cboTipoCli")->currentText(), QString());
    EXPECT_EQ(ctl<QComboBox>("cboMarca")->count(), 0);
    EXPECT_EQ(ctl<QComboBox>("cboCliente")->count(), 0);
    EXPECT_TRUE(caixa->mensagens.isEmpty());
}

// janelas/filtro/casos/tamanho-fonte.tsv: layout options clicked in order, and whether
// the font-size group shows after them.
TEST_F(FormularioFiltro, GrupoDoTamanhoDaFonteSegueOLayout)
{
    for (const Caso& caso : Casos("janelas/filtro/casos/tamanho-fonte.tsv")) {
        SCOPED_TRACE(caso.onde());
        clica("opRelStandard");
        for (const QString& opcao : caso[0].split(u' '))
            clica(opcao.toLatin1().constData());
        EXPECT_EQ(ctl("frameTamanhoFonte")->isVisible(), caso[1] == QLatin1String("mostra"));
    }
}

TEST_F(FormularioFiltro, ClienteDesconhecidoAvisaEMantemOFoco)
{
    clica("cboCliente");
    digita("cboCliente", QStringLiteral("fulano"));
    clica("mskDtDe");
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt, QStringLiteral("Cliente não Cadastrado!"));
    EXPECT_EQ(caixa->mensagens[0].titulo, TituloRelease());
    EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Informacao);
    EXPECT_EQ(QApplication::focusWidget(), ctl("cboCliente"));
    EXPECT_EQ(ctl<QComboBox>("cboCliente")->currentText(), QStringLiteral("FULANO"));
    EXPECT_EQ(ctl<QLabel>("lblCliente")->text(), QString());
}

TEST_F(FormularioFiltro, DataFinalInvalidaTomaADataInicial)
{
    auto* de = ctl<QLineEdit>("mskDtDe");
    auto* ate = ctl<QLineEdit>("mskDtAte");
    de->setText(QStringLiteral("01/03/2024"));

    clica("mskDtAte");
    QTest::keyClick(ate, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(ate, Qt::Key_Backspace);
    EXPECT_EQ(ate->displayText(), QStringLiteral("__/__/____"));
    clica("cboVendedor");
    EXPECT_EQ(ate->displayText(), QStringLiteral("01/03/2024"));

    // A valid end date stays as typed; the start date is never checked here.
    clica("mskDtAte");
    QTest::keyClicks(ate, QStringLiteral("15032024"));
    clica("mskDtDe");
    QTest::keyClick(de, Qt::Key_Backspace);
    clica("cboVendedor");
    EXPECT_EQ(ate->displayText(), QStringLiteral("15/03/2024"));
    EXPECT_EQ(de->displayText(), QStringLiteral("__/__/____"));
}

// Records, with each message, whether the hourglass was on when it showed.
class CaixaQueVeAAmpulheta : public CaixaDeMensagem {
public:
    void Mostrar(const Mensagem& mensagem) override
    {
        const QCursor* cursor = QApplication::overrideCursor();
        mensagens.append({mensagem, cursor && cursor->shape() == Qt::WaitCursor});
    }
    QVector<QPair<Mensagem, bool>> mensagens;
};

TEST_F(FormularioFiltro, PAVoltaAOpcaoParaDataDeEmissaoComAAmpulhetaLigada)
{
    auto caixaDaAmpulheta = std::make_shared<CaixaQueVeAAmpulheta>();
    InstalaCaixaDeMensagem(caixaDaAmpulheta);
    clica("opRelPA");
    clica("opDtEntregaPedido");
    const auto espera = aoAbrirModal([](QWidget*) {});
    imprime();
    ASSERT_EQ(caixaDaAmpulheta->mensagens.size(), 1);
    const auto& [mensagem, ampulhetaLigada] = caixaDaAmpulheta->mensagens[0];
    EXPECT_TRUE(mensagem.prompt.startsWith(QStringLiteral("O Relatório de PA somente")));
    EXPECT_EQ(mensagem.titulo, janela->windowTitle());
    EXPECT_TRUE(ampulhetaLigada);
    EXPECT_TRUE(ctl<QRadioButton>("opDtEmissaoPedido")->isChecked());
    janelaUtilizavel();
}

TEST_F(FormularioFiltro, SemPedidosAvisaENaoAbreOVisualizador)
{
    ctl<QLabel>("lblCodiEmpresa")->setText(QStringLiteral("999"));
    bool abriu = false;
    const auto espera = aoAbrirModal([&](QWidget*) { abriu = true; });
    imprime();
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt, QStringLiteral("Não há dados para exibir!"));
    EXPECT_FALSE(abriu);
    janelaUtilizavel();
}

}  // namespace
