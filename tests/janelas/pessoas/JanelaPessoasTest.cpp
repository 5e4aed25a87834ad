#include "fixtures/Falhas.h"
#include "fixtures/PessoasDeTeste.h"
#include "janelas/comum/JanelasDeTeste.h"

#include "janelas/frmBROWSE_PESSOAS.h"
#include "janelas/frmPantoro.h"
#include "people/PesquisaRecordada.h"
#include "platform/FlexGrid.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

// The search window on the persons of fixtures/pessoas.sql, opened by a
// report filter window ("frmPantoro" with its "lblCliente") for customers.
class JanelaPessoas : public PessoasDeTeste {
protected:
    void SetUp() override
    {
        PessoasDeTeste::SetUp();
        chamadora.setObjectName(QStringLiteral("frmPantoro"));
        lblCliente->setObjectName(QStringLiteral("lblCliente"));
    }
    void Abre()
    {
        janela = std::make_unique<frmBROWSE_PESSOAS>();
        flex = qobject_cast<FlexGrid*>(Tabela()->model());
    }
    QRadioButton* Op(const char* nome) const { return controle<QRadioButton>(janela.get(), nome); }
    QComboBox* Texto() const { return controle<QComboBox>(janela.get(), "cboCod"); }
    QTableView* Tabela() const { return controle<QTableView>(janela.get(), "Flex"); }

    void Pesquisa(const char* texto, const char* forma, const char* categoria = "opTodos")
    {
        Texto()->setEditText(QString::fromUtf8(texto));
        Op(forma)->setChecked(true);
        Op(categoria)->setChecked(true);
        controle<QPushButton>(janela.get(), "cmdPesquisa")->click();
    }
    // A double-click, as the mouse sends it (a click first), on the grid's row
    // `linha` (from 0), or on its header when -1.
    void ClicaDuasVezes(int linha)
    {
        QWidget* alvo = linha < 0 ? Tabela()->horizontalHeader()->viewport() : Tabela()->viewport();
        const QRect celula = Tabela()->visualRect(flex->index(std::max(linha, 0), 2));
        const QPoint ponto(celula.center().x(), linha < 0 ? 5 : celula.center().y());
        QTest::mouseClick(alvo, Qt::LeftButton, {}, ponto);
        QTest::mouseDClick(alvo, Qt::LeftButton, {}, ponto);
    }

    QWidget chamadora;
    QLabel* lblCliente = new QLabel(&chamadora);
    std::unique_ptr<frmBROWSE_PESSOAS> janela;
    FlexGrid* flex = nullptr;
};

// Pixels of the scheme's text colour (red) in what the control shows.
int Vermelhos(QWidget* controle)
{
    const QImage imagem = controle->grab().toImage();
    int vermelhos = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x) {
            const QRgb cor = imagem.pixel(x, y);
            vermelhos += qRed(cor) > 180 && qGreen(cor) < 90 && qBlue(cor) < 90;
        }
    return vermelhos;
}

// Frames and labels take the scheme's text colour; option buttons and the
// check box only its background, even inside a painted frame.
TEST_P(JanelaPessoas, PrimeiraAberturaParaClientesNasCoresDaEmpresa)
{
    banco->executaScript(QStringLiteral(
        "insert into empr_cnfg (idempr_cnfg, idempr, nome_para, valo_para) values (1, 1, 'COR_PADRAO', 'VERDE');"
        "insert into cor_sist (idcor_sist, desc_cor_sist, codi_back_0001, codi_fore_0001, codi_back_0002, "
        "codi_fore_0002) values (1, 'VERDE', '65280', '255', '0', '0')"));
    funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
    Abre();
    mostraAtiva(janela.get());
    EXPECT_EQ(janela->palette().color(janela->backgroundRole()), QColor(0, 255, 0));
    EXPECT_GT(Vermelhos(controle(janela.get(), "Label2")), 20);
    for (QAbstractButton* opcao : janela->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QRadioButton*>(opcao) || qobject_cast<QCheckBox*>(opcao)) {
            EXPECT_EQ(Vermelhos(opcao), 0) << opcao->objectName().toStdString();
        }
    }
    EXPECT_TRUE(buscasEnviadas.isEmpty()) << "nothing to restore";
    EXPECT_EQ(flex->Rows(), 1);
    EXPECT_EQ(janela->windowTitle(), TituloRelease());
    EXPECT_TRUE(Op("opNome")->isChecked() && Op("opQualquerParte")->isChecked() && Op("opCliente")->isChecked());
    EXPECT_FALSE(controle<QCheckBox>(janela.get(), "chkVisualiza")->isChecked());
    for (const char* nome : {"opTodos", "opCliente", "opFornecedor", "opTransportadora", "opVendedor", "opMotorista",
                             "opArquiteto", "opDecorador", "opProspect"})
        EXPECT_EQ(Op(nome)->isEnabled(), QLatin1String(nome) == QLatin1String("opCliente")) << nome;
    EXPECT_TRUE(Tabela()->isColumnHidden(6));
    EXPECT_EQ(flex->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Razão Social");
}

// Issue: a second search kept the first one's scroll offset, and a pick stored it.
TEST_P(JanelaPessoas, CadaPesquisaMostraDaPrimeiraLinha)
{
    QStringList pessoas;
    for (int id = 1000; id < 1060; ++id)
        pessoas << QStringLiteral("insert into pess (idpess, nome_pess) values (%1, 'ZECA %1')").arg(id);
    banco->executaScript(pessoas.join(u';'));
    Abre();
    mostraAtiva(janela.get());
    Pesquisa("zeca", "opNome");
    Tabela()->scrollToBottom();
    ASSERT_GT(flex->TopRow(), 30);
    Pesquisa("zeca", "opNome");
    QCoreApplication::processEvents();
    EXPECT_EQ(Tabela()->rowAt(0), 0) << "the result's first row is out of view";
    EXPECT_EQ(flex->TopRow(), 1);
    ClicaDuasVezes(0);
    EXPECT_EQ(pesquisaRecordada().PesqTopRow, 1);
}

// A double-click on the header picks the row the user chose, and nothing
// before one is; the pick hands the name back and remembers the search.
TEST_P(JanelaPessoas, EscolhaDevolveONomeEGuardaAPesquisa)
{
    funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
    Abre();
    mostraAtiva(janela.get());
    Pesquisa("a", "opNome", "opCliente");
    ASSERT_EQ(Ids(*flex), QStringList({"12"}));
    ClicaDuasVezes(-1);
    EXPECT_TRUE(janela->isVisible());
    EXPECT_TRUE(pesquisaRecordada().PesqForma.isEmpty());

    QTest::mouseClick(Tabela()->viewport(), Qt::LeftButton, {}, Tabela()->visualRect(flex->index(0, 2)).center());
    ClicaDuasVezes(-1);
    EXPECT_EQ(lblCliente->text(), "ANA DA SILVA");
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
    pesquisaRecordada() = PesquisaRecordada{1, "opFantasia", "opCampoInteiro", "ANA FRUTAS", "Não", "opCliente"};
    Abre();
    EXPECT_TRUE(Op("opFantasia")->isChecked() && Op("opCampoInteiro")->isChecked() && Op("opCliente")->isChecked());
    EXPECT_EQ(Texto()->currentText(), "ANA FRUTAS");
    EXPECT_EQ(buscasEnviadas.size(), 1);
    EXPECT_EQ(Ids(*flex), QStringList({"12"}));

    buscasEnviadas.clear();
    pesquisaRecordada() = PesquisaRecordada{1, "opNome", "", "", "Sim", "opTodos"};
    Abre();
    EXPECT_TRUE(controle<QCheckBox>(janela.get(), "chkVisualiza")->isChecked());
    EXPECT_TRUE(Op("opQualquerParte")->isChecked()) << "the creation default";
    EXPECT_EQ(buscasEnviadas.size(), 2) << "once for the box, once at the end of the load";
    EXPECT_EQ(Ids(*flex), QStringList({"99"}));
}

TEST_P(JanelaPessoas, NadaEncontradoAvisaEFocaOTexto)
{
    Abre();
    mostraAtiva(janela.get());
    controle(janela.get(), "cmdLimpar")->setFocus();
    Pesquisa("ninguém", "opNome");
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt, "Nenhum Registro Localizado com esses parâmetros...");
    EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Nenhum);
    EXPECT_EQ(caixa->mensagens[0].titulo, TituloPrograma());
    EXPECT_EQ(QApplication::focusWidget(), Texto());
    EXPECT_EQ(flex->Rows(), 1);
}

// The customer category looks up every person's customer record: each
// statement of the search fails in turn, and the window stays usable.
TEST_P(JanelaPessoas, CadaConsultaDaPesquisaQueFalha)
{
    Abre();
    mostraAtiva(janela.get());
    caixa->mensagens.clear();
    QStringList achados;
    const auto pesquisa = [&] {
        Pesquisa("A", "opNome", "opCliente");
        achados = Ids(*flex);
    };
    pesquisa();
    const QStringList esperado = achados;
    ASSERT_FALSE(esperado.isEmpty());
    const auto utilizavel = [&] {
        EXPECT_NE(janela->cursor().shape(), Qt::WaitCursor);
        EXPECT_TRUE(janela->isEnabled() && janela->isVisible());
    };
    EXPECT_GT(CadaConsultaNaJanela(pesquisa, *caixa, utilizavel, [&] { EXPECT_EQ(achados, esperado); }), 2);
}

// From the report filter's search button, by keyboard: Enter moves on from
// the search box, Enter on a row picks it, Escape closes without a pick.
TEST_P(JanelaPessoas, PeloFiltroEnterEscolheEscapeFecha)
{
    chamadora.setObjectName(QString());  // the real one answers
    frmPantoro filtro;
    filtro.PreparaFiltros();
    mostraAtiva(&filtro);
    auto* cliente = controle<QLabel>(&filtro, "lblCliente");
    for (const bool escolhe : {false, true}) {
        QString focoDepoisDoEnter, escolhido;
        const auto espera = aoAbrirModal([&](QWidget* pesquisa) {
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return QApplication::focusWidget() && QApplication::focusWidget()->window() == pesquisa; }));
            EXPECT_EQ(QApplication::focusWidget()->objectName(), "cboCod");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            focoDepoisDoEnter = QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            auto* grade = controle<QTableView>(pesquisa, "Flex");
            grade->setFocus(Qt::TabFocusReason);
            QTest::keyClick(grade, Qt::Key_Down);
            escolhido = grade->currentIndex().siblingAtColumn(2).data().toString();
            QTest::keyClick(grade, escolhe ? Qt::Key_Return : Qt::Key_Escape);
            EXPECT_FALSE(pesquisa->isVisible());
        });
        controle<QToolButton>(&filtro, "cmdPesquisar_Cliente")->click();
        EXPECT_EQ(funcoes().TipoPessoaPesquisa, "CLIENTE");
        EXPECT_EQ(focoDepoisDoEnter, "cmdPesquisa");
        EXPECT_EQ(escolhido, "ANA DA SILVA");
        EXPECT_EQ(cliente->text(), escolhe ? escolhido : QString());
        EXPECT_EQ(filtro.Filtro().cliente, cliente->text());
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, JanelaPessoas, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
