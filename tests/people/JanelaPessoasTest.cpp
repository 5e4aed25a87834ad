#include "support/PessoasDeTeste.h"

#include "people/PesquisaRecordada.h"
#include "people/frmBROWSE_PESSOAS.h"
#include "platform/FlexGrid.h"
#include "platform/VbError.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

namespace {

// The caller the window hands the customer back to, found by its name.
struct JanelaChamadora {
    JanelaChamadora()
    {
        janela.setObjectName(QStringLiteral("frmPantoro"));
        lblCliente = new QLabel(&janela);
        lblCliente->setObjectName(QStringLiteral("lblCliente"));
    }
    QWidget janela;
    QLabel* lblCliente;
};

class JanelaPessoas : public PessoasDeTeste {
protected:
    void Abre()
    {
        janela = std::make_unique<frmBROWSE_PESSOAS>();
        flex = qobject_cast<FlexGrid*>(Tabela()->model());
    }
    void Mostra()
    {
        janela->show();
        janela->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
    }

    QRadioButton* Op(const char* nome) const { return janela->findChild<QRadioButton*>(QLatin1String(nome)); }
    QComboBox* Texto() const { return janela->findChild<QComboBox*>(QStringLiteral("cboCod")); }
    QCheckBox* Desativados() const { return janela->findChild<QCheckBox*>(QStringLiteral("chkVisualiza")); }
    QPushButton* Botao(const char* nome) const { return janela->findChild<QPushButton*>(QLatin1String(nome)); }
    QTableView* Tabela() const { return janela->findChild<QTableView*>(QStringLiteral("Flex")); }

    // Selects the grid row (1 = first person) as a click would, then double-clicks it.
    void Escolhe(int linha)
    {
        Tabela()->setCurrentIndex(flex->index(linha - 1, 2));
        const QRect celula = Tabela()->visualRect(flex->index(linha - 1, 2));
        QTest::mouseDClick(Tabela()->viewport(), Qt::LeftButton, {}, celula.center());
    }

    void Pesquisa(const char* texto, const char* forma, const char* categoria = "opTodos")
    {
        Texto()->setEditText(QString::fromUtf8(texto));
        Op(forma)->setChecked(true);
        Op(categoria)->setChecked(true);
        Botao("cmdPesquisa")->click();
    }

    std::unique_ptr<frmBROWSE_PESSOAS> janela;
    FlexGrid* flex = nullptr;
};

const char* const Categorias[] = {"opTodos", "opCliente", "opFornecedor", "opTransportadora", "opVendedor",
                                  "opMotorista", "opArquiteto", "opDecorador", "opProspect"};

TEST_P(JanelaPessoas, PrimeiraAberturaParaClientes)
{
    funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
    Abre();
    EXPECT_TRUE(buscasEnviadas.isEmpty());
    EXPECT_EQ(flex->Rows(), 1);
    EXPECT_EQ(janela->windowTitle(), TituloRelease());
    EXPECT_TRUE(Op("opNome")->isChecked());
    EXPECT_TRUE(Op("opQualquerParte")->isChecked());
    EXPECT_FALSE(Desativados()->isChecked());
    EXPECT_TRUE(Op("opCliente")->isChecked());
    for (const char* nome : Categorias)
        EXPECT_EQ(Op(nome)->isEnabled(), QLatin1String(nome) == QLatin1String("opCliente")) << nome;
    EXPECT_TRUE(Tabela()->isColumnHidden(6));
    EXPECT_GE(Tabela()->columnWidth(2), 3200 / 15);  // twips widen with the font, never narrow
    EXPECT_EQ(flex->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Razão Social");
}

TEST_P(JanelaPessoas, EscolhaDevolveONomeEGuardaAPesquisa)
{
    JanelaChamadora chamadora;
    funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
    Abre();
    Mostra();
    Pesquisa("a", "opNome", "opCliente");
    ASSERT_EQ(Ids(*flex), QStringList({"12"}));
    Escolhe(1);
    EXPECT_EQ(chamadora.lblCliente->text(), "ANA DA SILVA");
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(janela->result(), QDialog::Accepted);
    const PesquisaRecordada& r = pesquisaRecordada();
    EXPECT_EQ(r.PesqForma, "opNome");
    EXPECT_EQ(r.PesqConteudo, "opQualquerParte");
    EXPECT_EQ(r.PesqTexto, "A");  // the focus left the search box for the grid: upper-cased
    EXPECT_EQ(r.PesqDesativados, "Não");
    EXPECT_EQ(r.PesqCategoria, "opCliente");
    EXPECT_EQ(r.PesqTopRow, 1);
    EXPECT_TRUE(funcoes().MostraDesativados.isEmpty());
}

struct CasoMemoria {
    const char* nome;
    const char* forma;
    const char* conteudo;
    const char* categoria;
    bool desativados;
    const char* texto;
    PesquisaRecordada esperada;
};

const CasoMemoria CasosMemoria[] = {
    {"CodigoInternoNaoLembrado", "opCodInterno", "opCampoInteiro", "opTodos", false, "12",
     {1, "", "opCampoInteiro", "12", "Não", "opTodos"}},
    {"CodigoExternoNaoLembrado", "opCodExterno", "opQualquerParte", "opTodos", false, "EXT",
     {1, "", "opQualquerParte", "EXT", "Não", "opTodos"}},
    {"IniciaComNaoLembrado", "opFantasia", "opInicialCom", "opFornecedor", false, "D'AV",
     {1, "opFantasia", "", "D'AV", "Não", "opFornecedor"}},
    {"ProspectNaoLembrado", "opTelefone", "opQualquerParte", "opProspect", false, "",
     {1, "opTelefone", "opQualquerParte", "", "Não", ""}},
    {"DesativadosLembrados", "opCidade", "opQualquerParte", "opTodos", true, "",
     {1, "opCidade", "opQualquerParte", "", "Sim", "opTodos"}},
};

TEST_P(JanelaPessoas, ReaberturaRestauraEPesquisa)
{
    pesquisaRecordada() = PesquisaRecordada{1, "", "", "", "", ""};
    Abre();
    EXPECT_TRUE(buscasEnviadas.isEmpty()) << "nothing to restore";

    pesquisaRecordada() = PesquisaRecordada{1, "opFantasia", "opCampoInteiro", "ANA FRUTAS", "Não", "opCliente"};
    Abre();
    EXPECT_TRUE(Op("opFantasia")->isChecked());
    EXPECT_TRUE(Op("opCampoInteiro")->isChecked());
    EXPECT_TRUE(Op("opCliente")->isChecked());
    EXPECT_EQ(Texto()->currentText(), "ANA FRUTAS");
    EXPECT_EQ(buscasEnviadas.size(), 1);
    EXPECT_EQ(Ids(*flex), QStringList({"12"}));

    buscasEnviadas.clear();
    pesquisaRecordada() = PesquisaRecordada{1, "opNome", "", "", "Sim", "opTodos"};
    Abre();
    EXPECT_TRUE(Desativados()->isChecked());
    EXPECT_TRUE(Op("opQualquerParte")->isChecked()) << "the creation default";
    EXPECT_EQ(buscasEnviadas.size(), 2) << "once for the box, once at the end of the load";
    EXPECT_EQ(Ids(*flex), QStringList({"99"}));
}

TEST_P(JanelaPessoas, NadaEncontradoAvisaEFocaOTexto)
{
    Abre();
    Mostra();
    Botao("cmdLimpar")->setFocus();
    Pesquisa("ninguém", "opNome");
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt, "Nenhum Registro Localizado com esses parâmetros...");
    EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Nenhum);
    EXPECT_EQ(caixa->mensagens[0].titulo, TituloPrograma());
    EXPECT_EQ(QApplication::focusWidget(), Texto());
    EXPECT_EQ(flex->Rows(), 1);
}

TEST_P(JanelaPessoas, EsquemaDeCoresDaEmpresa)
{
    banco->executa(QStringLiteral("insert into empr_cnfg (idempr_cnfg, idempr, nome_para, valo_para) "
                                  "values (1, 1, 'COR_PADRAO', 'VERDE')"));
    banco->executa(QStringLiteral("insert into cor_sist (idcor_sist, desc_cor_sist, codi_back_0001, "
                                  "codi_fore_0001, codi_back_0002, codi_fore_0002) "
                                  "values (1, 'VERDE', '65280', '255', '0', '0')"));
    Abre();
    EXPECT_EQ(janela->palette().color(janela->backgroundRole()), QColor(0, 255, 0));
    const QLabel* titulo = janela->findChild<QLabel*>(QStringLiteral("Label2"));
    EXPECT_EQ(titulo->palette().color(titulo->foregroundRole()), QColor(255, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Bancos, JanelaPessoas, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
