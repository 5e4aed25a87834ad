#include "JanelasDeTeste.h"

#include "support/BancoDeTeste.h"
#include "platform/Clock.h"
#include "report/frmPantoro.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

// The filter form on a small company: two customers, salespeople and
// customer types with one deactivated each, brands sharing the prefix AB.
class FormularioFiltro : public JanelasDeTeste {
protected:
    void SetUp() override
    {
        JanelasDeTeste::SetUp();
        banco.executaScript(QStringLiteral(
            "insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj) values (1, 'MARIA DA SILVA', 'MARIA', '11122233344');"
            "insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj) values (2, 'JOAO PEREIRA', 'JOAO', '55566677788');"
            "insert into clie (idclie, idpess) values (10, 1);"
            "insert into clie (idclie, idpess) values (20, 2);"
            "insert into pess (idpess, nome_pess, nome_conh) values (3, 'ANA SOUZA', 'ANA');"
            "insert into pess (idpess, nome_pess, nome_conh) values (4, 'BRUNO LIMA', 'BRUNO');"
            "insert into vend (idvend, idpess) values (1, 3);"
            "insert into vend (idvend, idpess, data_desa) values (2, 4, '2020-01-01 00:00:00');"
            "insert into tipo_clie (idtipo_clie, desc_tipo_clie) values (1, 'VAREJO');"
            "insert into tipo_clie (idtipo_clie, desc_tipo_clie) values (2, 'ATACADO');"
            "insert into tipo_clie (idtipo_clie, desc_tipo_clie, data_desa) values (3, 'ANTIGO', '2020-01-01 00:00:00');"
            "insert into marc (idmarc, desc_marc) values (1, 'ABC FRUTAS');"
            "insert into marc (idmarc, desc_marc) values (2, 'ABACAXI BRASIL');"
            "insert into marc (idmarc, desc_marc) values (3, 'BANANA NANICA');"
            "insert into marc (idmarc, desc_marc, data_desa) values (4, 'ABRIL', '2020-01-01 00:00:00')"));
        janela = std::make_unique<frmPantoro>();
        janela->PreparaFiltros();
        mostraAtiva(janela.get());
    }

    void TearDown() override
    {
        janela.reset();
        JanelasDeTeste::TearDown();
    }

    template <class Controle = QWidget>
    Controle* ctl(const char* nome) const
    {
        return controle<Controle>(janela.get(), nome);
    }

    static QStringList itens(const QComboBox* combo)
    {
        QStringList lista;
        for (int i = 0; i < combo->count(); ++i)
            lista << combo->itemText(i);
        return lista;
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

    BancoDeTeste banco;
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
    EXPECT_EQ(ambiente().NomeTela, QStringLiteral("frmPantoro"));
    EXPECT_EQ(itens(ctl<QComboBox>("cboVendedor")), QStringList{QStringLiteral("ANA")});
    EXPECT_EQ(itens(ctl<QComboBox>("cboTipoCli")), (QStringList{QStringLiteral("ATACADO"), QStringLiteral("VAREJO")}));
    // Filled, the two lists still start with an empty box: no filter.
    EXPECT_EQ(ctl<QComboBox>("cboVendedor")->currentText(), QString());
    EXPECT_EQ(ctl<QComboBox>("cboTipoCli")->currentText(), QString());
    EXPECT_EQ(ctl<QComboBox>("cboMarca")->count(), 0);
    EXPECT_EQ(ctl<QComboBox>("cboCliente")->count(), 0);
    EXPECT_EQ(ctl<QLabel>("lblTituloJanela")->text(), QStringLiteral("Relatório de Pedidos"));
    EXPECT_EQ(ctl<QLineEdit>("mskDtDe")->inputMask(), QStringLiteral("99/99/9999;_"));
    EXPECT_TRUE(ctl<QToolButton>("cmdPesquisar_Cliente")->text().isEmpty());
    EXPECT_TRUE(caixa->mensagens.isEmpty());
}

// Layout options clicked in order, and whether the font-size group shows after them.
struct CasoFonte {
    const char* nome;
    std::vector<const char*> cliques;
    bool visivel;
};

class GrupoTamanhoFonte : public FormularioFiltro, public ::testing::WithParamInterface<CasoFonte> {};

TEST_P(GrupoTamanhoFonte, SegueOLayoutEscolhido)
{
    for (const char* opcao : GetParam().cliques)
        clica(opcao);
    EXPECT_EQ(ctl("frameTamanhoFonte")->isVisible(), GetParam().visivel);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GrupoTamanhoFonte,
    ::testing::Values(
        CasoFonte{"EntregaHorizontalMostra", {"opRelDetaSemVal"}, true},
        CasoFonte{"DetalhadoEscondeDeNovo", {"opRelDetaSemVal", "opRelDeta"}, false},
        CasoFonte{"PAEsconde", {"opRelDetaSemVal", "opRelPA"}, false},
        CasoFonte{"StandardEsconde", {"opRelDetaSemVal", "opRelStandard"}, false},
        CasoFonte{"VerticalDepoisDaHorizontalMantemVisivel", {"opRelDetaSemVal", "opRelDetaSemValVertical"}, true},
        CasoFonte{"VerticalDepoisDeOutroMantemEscondido", {"opRelDeta", "opRelDetaSemValVertical"}, false},
        CasoFonte{"AgrupamentoMantemVisivel", {"opRelDetaSemVal", "opRelAgrupaProd"}, true},
        CasoFonte{"AgrupamentoMantemEscondido", {"opRelPA", "opRelAgrupaProd"}, false}),
    [](const ::testing::TestParamInfo<CasoFonte>& info) { return std::string(info.param.nome); });

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

TEST_F(FormularioFiltro, BotaoDePesquisaSemNomeAbreAPesquisaDePessoas)
{
    ctl<QLabel>("lblCliente")->setText(QStringLiteral("JOAO PEREIRA"));
    QString aberta;
    const auto espera = aoAbrirModal([&](QWidget* modal) { aberta = modal->objectName(); });
    clica("cmdPesquisar_Cliente");
    EXPECT_EQ(aberta, QStringLiteral("frmBROWSE_PESSOAS"));
    EXPECT_EQ(funcoes().TipoPessoaPesquisa, QStringLiteral("CLIENTE"));
    // Closed without a pick: the customer filter stays as it was.
    EXPECT_EQ(ctl<QLabel>("lblCliente")->text(), QStringLiteral("JOAO PEREIRA"));
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

}  // namespace
