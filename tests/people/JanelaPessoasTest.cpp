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

TEST_P(JanelaPessoas, SemClienteTodasAsCategorias)
{
    Abre();
    EXPECT_TRUE(Op("opTodos")->isChecked());
    for (const char* nome : Categorias)
        EXPECT_TRUE(Op(nome)->isEnabled()) << nome;
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

TEST_P(JanelaPessoas, PesquisaLembradaSoDoQueSeGuarda)
{
    for (const CasoMemoria& caso : CasosMemoria) {
        SCOPED_TRACE(caso.nome);
        pesquisaRecordada() = PesquisaRecordada{};
        Abre();
        Op(caso.conteudo)->setChecked(true);
        Desativados()->setChecked(caso.desativados);
        Pesquisa(caso.texto, caso.forma, caso.categoria);
        ASSERT_GT(flex->Rows(), 1);
        Escolhe(1);
        const PesquisaRecordada& r = pesquisaRecordada();
        EXPECT_EQ(r.PesqTopRow, caso.esperada.PesqTopRow);
        EXPECT_EQ(r.PesqForma, caso.esperada.PesqForma);
        EXPECT_EQ(r.PesqConteudo, caso.esperada.PesqConteudo);
        EXPECT_EQ(r.PesqTexto, caso.esperada.PesqTexto);
        EXPECT_EQ(r.PesqDesativados, caso.esperada.PesqDesativados);
        EXPECT_EQ(r.PesqCategoria, caso.esperada.PesqCategoria);
    }
}

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

TEST_P(JanelaPessoas, TopRowLimitadoAoGrid)
{
    for (int i = 0; i < 40; ++i)
        banco->executa(QStringLiteral("insert into pess (idpess, nome_pess) values (%1, 'ZECA %2')")
                           .arg(1000 + i)
                           .arg(i, 2, 10, QLatin1Char('0')));
    pesquisaRecordada() = PesquisaRecordada{500, "opNome", "", "", "Não", "opTodos"};
    Abre();
    EXPECT_EQ(flex->TopRow(), flex->Rows() - 1);

    pesquisaRecordada().PesqTopRow = 20;
    Abre();
    EXPECT_EQ(flex->TopRow(), 20);
    Mostra();
    QTest::qWait(50);
    EXPECT_EQ(Tabela()->rowAt(0), 19) << "the view starts at the remembered row";
}

TEST_P(JanelaPessoas, CabecalhoNaoEscolhe)
{
    JanelaChamadora chamadora;
    chamadora.lblCliente->setText(QStringLiteral("ANTES"));
    funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
    Abre();
    Mostra();
    Pesquisa("", "opNome", "opCliente");
    ASSERT_EQ(flex->Row(), 0);
    QHeaderView* cabecalho = Tabela()->horizontalHeader();
    QTest::mouseDClick(cabecalho->viewport(), Qt::LeftButton, {},
                       QPoint(cabecalho->sectionViewportPosition(2) + 5, cabecalho->height() / 2));
    EXPECT_TRUE(janela->isVisible());
    EXPECT_EQ(chamadora.lblCliente->text(), "ANTES");
    EXPECT_TRUE(pesquisaRecordada().PesqDesativados.isEmpty());
}

TEST_P(JanelaPessoas, FornecedorDevolveSoONome)
{
    JanelaChamadora chamadora;
    Abre();
    Pesquisa("", "opNome", "opFornecedor");
    ASSERT_EQ(flex->TextMatrix(1, 8), "701");
    funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
    Escolhe(1);
    EXPECT_EQ(chamadora.lblCliente->text(), "BENTO D'AVILA");
}

TEST_P(JanelaPessoas, SoDevolveParaFrmPantoroPedindoCliente)
{
    JanelaChamadora chamadora;
    chamadora.lblCliente->setText(QStringLiteral("ANTES"));
    for (const auto& [tela, tipo] : {std::pair{"frmPantoro", "FORNECEDOR"}, std::pair{"frmOutra", "CLIENTE"}}) {
        ambiente().NomeTela = QString::fromLatin1(tela);
        funcoes().TipoPessoaPesquisa = QString::fromLatin1(tipo);
        Abre();
        Pesquisa("ana", "opNome");
        Escolhe(1);
        EXPECT_FALSE(janela->isVisible()) << tela << tipo;
        EXPECT_EQ(chamadora.lblCliente->text(), "ANTES") << tela << tipo;
    }
}

TEST_P(JanelaPessoas, NomeNuloDevolveVazio)
{
    JanelaChamadora chamadora;
    chamadora.lblCliente->setText(QStringLiteral("ANTES"));
    funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
    Abre();
    Pesquisa("", "opNome", "opCliente");
    ASSERT_EQ(flex->TextMatrix(1, 0), "50");
    Escolhe(1);
    EXPECT_EQ(chamadora.lblCliente->text(), "");
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

TEST_P(JanelaPessoas, NadaEncontradoNaCargaFocaAoMostrar)
{
    pesquisaRecordada() = PesquisaRecordada{1, "opNome", "", "NINGUEM", "Não", "opTodos"};
    Abre();
    ASSERT_EQ(caixa->mensagens.size(), 1);
    Mostra();
    EXPECT_EQ(QApplication::focusWidget(), Texto());
}

TEST_P(JanelaPessoas, ErroDoBancoNaoFechaAJanela)
{
    Abre();
    Mostra();
    Conexao().contador.antesDeConsultar = [](long, const QString& sql) {
        if (sql.startsWith(QLatin1String("SELECT * FROM PESS")))
            throw VbError(-2147217900, QStringLiteral("conexão perdida"));
    };
    Pesquisa("ana", "opNome");
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt, "conexão perdida");
    EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Critico);
    EXPECT_EQ(caixa->mensagens[0].titulo, TituloRelease());
    EXPECT_EQ(janela->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(janela->isVisible());

    Conexao().contador.antesDeConsultar = nullptr;
    Botao("cmdPesquisa")->click();
    EXPECT_EQ(Ids(*flex), QStringList({"12"}));
}

TEST_P(JanelaPessoas, LimparVoltaATodosComCategoriasDesabilitadas)
{
    funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
    Abre();
    Mostra();
    Op("opInicialCom")->setChecked(true);
    Pesquisa("ana", "opFantasia", "opCliente");
    ASSERT_EQ(flex->Rows(), 2);
    Botao("cmdLimpar")->click();
    EXPECT_EQ(flex->Rows(), 1);
    EXPECT_TRUE(Op("opNome")->isChecked());
    EXPECT_TRUE(Op("opTodos")->isChecked());
    EXPECT_FALSE(Op("opTodos")->isEnabled());
    EXPECT_FALSE(Op("opFornecedor")->isEnabled());
    EXPECT_TRUE(Op("opCliente")->isEnabled());
    EXPECT_TRUE(Op("opInicialCom")->isChecked()) << "the match mode stays";
    EXPECT_EQ(Texto()->currentText(), "");
    EXPECT_EQ(QApplication::focusWidget(), Texto());

    Botao("cmdPesquisa")->click();
    EXPECT_EQ(Ids(*flex), QStringList({"50", "12", "112", "120", "7", "30"}));
}

TEST_P(JanelaPessoas, MaiusculasAoSairDoTexto)
{
    Abre();
    Mostra();
    Texto()->setFocus();
    QTest::keyClicks(Texto(), QStringLiteral("jose d'avila"));
    EXPECT_EQ(Texto()->currentText(), "jose d'avila");
    Botao("cmdLimpar")->setFocus();
    EXPECT_EQ(Texto()->currentText(), "JOSE D'AVILA");

    Texto()->setFocus();
    Texto()->setEditText(QStringLiteral("joão"));
    Botao("cmdLimpar")->setFocus();
    EXPECT_EQ(Texto()->currentText(), "JOÃO");
}

TEST_P(JanelaPessoas, EnterPassaAoProximoSemPesquisar)
{
    Abre();
    Mostra();
    Texto()->setFocus();
    QTest::keyClicks(Texto(), QStringLiteral("ana"));
    QTest::keyClick(Texto(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Botao("cmdPesquisa"));
    QTest::keyClick(Botao("cmdPesquisa"), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), Botao("cmdLimpar"));
    EXPECT_TRUE(buscasEnviadas.isEmpty());
    EXPECT_TRUE(janela->isVisible());

    QTest::keyClick(Botao("cmdLimpar"), Qt::Key_A);
    EXPECT_EQ(QApplication::focusWidget(), Botao("cmdLimpar")) << "other keys pass unchanged";
}

TEST_P(JanelaPessoas, ListaDeAtividadesSoNoRamoDeAtividade)
{
    Abre();
    Mostra();
    Texto()->addItem(QStringLiteral("ANTIGO"));
    Texto()->setEditText(QStringLiteral("fru"));
    Texto()->showPopup();
    Texto()->hidePopup();
    ASSERT_EQ(Texto()->count(), 1);
    EXPECT_EQ(Texto()->itemText(0), "ANTIGO");

    Op("opRamoAtividade")->setChecked(true);
    Texto()->setEditText(QStringLiteral(" fru "));
    Texto()->showPopup();
    Texto()->hidePopup();
    QStringList itens;
    for (int i = 0; i < Texto()->count(); ++i)
        itens << Texto()->itemText(i);
    EXPECT_EQ(itens, QStringList({"FRUTAS", "FRUTAS SECAS"}));
    EXPECT_EQ(Texto()->currentText(), " fru ");
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
