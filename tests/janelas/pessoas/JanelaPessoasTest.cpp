#include "fixtures/PessoasDeTeste.h"

#include "janelas/frmBROWSE_PESSOAS.h"
#include "people/PesquisaRecordada.h"
#include "platform/FlexGrid.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

namespace {

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
    QTableView* Tabela() const { return janela->findChild<QTableView*>(QStringLiteral("Flex")); }

    void Pesquisa(const char* texto, const char* forma, const char* categoria = "opTodos")
    {
        Texto()->setEditText(QString::fromUtf8(texto));
        Op(forma)->setChecked(true);
        Op(categoria)->setChecked(true);
        janela->findChild<QPushButton*>(QStringLiteral("cmdPesquisa"))->click();
    }

    std::unique_ptr<frmBROWSE_PESSOAS> janela;
    FlexGrid* flex = nullptr;
};

TEST_P(JanelaPessoas, PrimeiraAberturaParaClientes)
{
    funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
    Abre();
    EXPECT_TRUE(buscasEnviadas.isEmpty());
    EXPECT_EQ(flex->Rows(), 1);
    EXPECT_EQ(janela->windowTitle(), TituloRelease());
    EXPECT_TRUE(Op("opNome")->isChecked() && Op("opQualquerParte")->isChecked() && Op("opCliente")->isChecked());
    EXPECT_FALSE(Desativados()->isChecked());
    for (const char* nome : {"opTodos", "opCliente", "opFornecedor", "opTransportadora", "opVendedor", "opMotorista",
                             "opArquiteto", "opDecorador", "opProspect"})
        EXPECT_EQ(Op(nome)->isEnabled(), QLatin1String(nome) == QLatin1String("opCliente")) << nome;
    EXPECT_TRUE(Tabela()->isColumnHidden(6));
    EXPECT_GE(Tabela()->columnWidth(2), 3200 / 15);  // twips widen with the font, never narrow
    EXPECT_EQ(flex->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Razão Social");
}

TEST_P(JanelaPessoas, EscolhaDevolveONomeEGuardaAPesquisa)
{
    QWidget chamadora;
    chamadora.setObjectName(QStringLiteral("frmPantoro"));
    auto* lblCliente = new QLabel(&chamadora);
    lblCliente->setObjectName(QStringLiteral("lblCliente"));
    funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
    Abre();
    Mostra();
    Pesquisa("a", "opNome", "opCliente");
    ASSERT_EQ(Ids(*flex), QStringList({"12"}));
    Tabela()->setCurrentIndex(flex->index(0, 2));
    QTest::mouseDClick(Tabela()->viewport(), Qt::LeftButton, {}, Tabela()->visualRect(flex->index(0, 2)).center());
    EXPECT_EQ(lblCliente->text(), "ANA DA SILVA");
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(janela->result(), QDialog::Accepted);
    // The focus left the search box for the grid: the text is upper-cased.
    const PesquisaRecordada& r = pesquisaRecordada();
    EXPECT_EQ(QStringList({r.PesqForma, r.PesqConteudo, r.PesqTexto, r.PesqDesativados, r.PesqCategoria}),
              QStringList({"opNome", "opQualquerParte", "A", "Não", "opCliente"}));
    EXPECT_EQ(r.PesqTopRow, 1);
    EXPECT_TRUE(funcoes().MostraDesativados.isEmpty());
}

TEST_P(JanelaPessoas, ReaberturaRestauraEPesquisa)
{
    pesquisaRecordada() = PesquisaRecordada{1, "", "", "", "", ""};
    Abre();
    EXPECT_TRUE(buscasEnviadas.isEmpty()) << "nothing to restore";

    pesquisaRecordada() = PesquisaRecordada{1, "opFantasia", "opCampoInteiro", "ANA FRUTAS", "Não", "opCliente"};
    Abre();
    EXPECT_TRUE(Op("opFantasia")->isChecked() && Op("opCampoInteiro")->isChecked() && Op("opCliente")->isChecked());
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
    janela->findChild<QPushButton*>(QStringLiteral("cmdLimpar"))->setFocus();
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
    banco->executaScript(QStringLiteral(
        "insert into empr_cnfg (idempr_cnfg, idempr, nome_para, valo_para) values (1, 1, 'COR_PADRAO', 'VERDE');"
        "insert into cor_sist (idcor_sist, desc_cor_sist, codi_back_0001, codi_fore_0001, codi_back_0002, "
        "codi_fore_0002) values (1, 'VERDE', '65280', '255', '0', '0')"));
    Abre();
    EXPECT_EQ(janela->palette().color(janela->backgroundRole()), QColor(0, 255, 0));
    const QLabel* titulo = janela->findChild<QLabel*>(QStringLiteral("Label2"));
    EXPECT_EQ(titulo->palette().color(titulo->foregroundRole()), QColor(255, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Bancos, JanelaPessoas, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
