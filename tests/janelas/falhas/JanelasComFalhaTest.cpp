#include "fixtures/Falhas.h"

#include "fixtures/PessoasDeTeste.h"
#include "janelas/frmBROWSE_PESSOAS.h"
#include "platform/FlexGrid.h"
#include "startup/Ambiente.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

// The person search window when a statement fails: the error in a box with
// the release title, no wait cursor left, the window usable, and the next
// search works. (The filter window's error path: janelas_tests.)
namespace {

void Utilizavel(const QWidget& janela)
{
    EXPECT_NE(janela.cursor().shape(), Qt::WaitCursor);
    EXPECT_TRUE(janela.isEnabled());
    EXPECT_TRUE(janela.isVisible());
}

class PesquisaComFalha : public PessoasDeTeste {};

// The customer category looks up every person's customer record: one
// statement for the search and one per person listed.
TEST_P(PesquisaComFalha, CadaConsultaDaPesquisa)
{
    frmBROWSE_PESSOAS janela;
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    caixa->mensagens.clear();
    QStringList achados;
    const auto pesquisa = [&] {
        janela.findChild<QComboBox*>(QStringLiteral("cboCod"))->setEditText(QStringLiteral("A"));
        janela.findChild<QRadioButton*>(QStringLiteral("opNome"))->setChecked(true);
        janela.findChild<QRadioButton*>(QStringLiteral("opCliente"))->setChecked(true);
        janela.findChild<QPushButton*>(QStringLiteral("cmdPesquisa"))->click();
        achados = Ids(*qobject_cast<FlexGrid*>(janela.findChild<QTableView*>(QStringLiteral("Flex"))->model()));
    };
    pesquisa();
    const QStringList esperado = achados;
    ASSERT_FALSE(esperado.isEmpty());
    EXPECT_GT(CadaConsultaNaJanela(
                  pesquisa, *caixa, [&] { Utilizavel(janela); }, [&] { EXPECT_EQ(achados, esperado); }),
              2);
}

INSTANTIATE_TEST_SUITE_P(Bancos, PesquisaComFalha, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
