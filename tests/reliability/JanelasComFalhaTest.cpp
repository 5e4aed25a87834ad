#include "support/Falhas.h"

#include "people/frmBROWSE_PESSOAS.h"
#include "platform/FlexGrid.h"
#include "report/frmPantoro.h"
#include "startup/Ambiente.h"
#include "support/BaseRelatorio.h"
#include "support/PessoasDeTeste.h"
#include "viewer/frmHTML_Generico.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

// The windows when a statement fails: the error in a box with the release
// title, no hourglass left, the window usable, and the next click works.
namespace {

void Utilizavel(const QWidget& janela)
{
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_NE(janela.cursor().shape(), Qt::WaitCursor);
    EXPECT_TRUE(janela.isEnabled());
    EXPECT_TRUE(janela.isVisible());
}

std::vector<ParametroRelatorio> ParametrosDaJanela()
{
    std::vector<ParametroRelatorio> parametros;
    for (Backend banco : BancoDeTeste::disponiveis())
        parametros.push_back({banco, MotorRelatorio::Rapido});
    return parametros;
}

class FiltroComFalha : public BaseRelatorio {};

TEST_P(FiltroComFalha, CadaConsultaDoImprimir)
{
    ambiente().CodiAmbiente = QStringLiteral("PRD");
    frmPantoro janela;
    janela.PreparaFiltros();
    janela.findChild<QLabel*>(QStringLiteral("lblCodiEmpresa"))->setText(QStringLiteral("001"));
    janela.findChild<QLineEdit*>(QStringLiteral("mskDtDe"))->setText(QStringLiteral("01/05/2024"));
    janela.findChild<QLineEdit*>(QStringLiteral("mskDtAte"))->setText(QStringLiteral("31/05/2024"));
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));

    // Each viewer the click opens is closed at once and counted.
    int visualizadores = 0;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&visualizadores] {
        if (auto* visualizador = qobject_cast<frmHTML_Generico*>(QApplication::activeModalWidget())) {
            ++visualizadores;
            visualizador->reject();
        }
    });
    vigia.start(20);
    const auto imprime = [&] {
        visualizadores = 0;
        QTest::mouseClick(janela.findChild<QPushButton*>(QStringLiteral("cmdImprimir")), Qt::LeftButton);
    };
    CadaConsultaNaJanela(
        imprime, *caixa,
        [&] {
            EXPECT_EQ(visualizadores, 0);
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            Utilizavel(janela);
        },
        [&] { EXPECT_EQ(visualizadores, 1); });
    ambiente().CodiAmbiente.clear();
}

INSTANTIATE_TEST_SUITE_P(Bancos, FiltroComFalha, ::testing::ValuesIn(ParametrosDaJanela()), NomeDoParametro);

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
    EXPECT_GT(CadaConsultaNaJanela(pesquisa, *caixa, [&] { Utilizavel(janela); },
                                   [&] { EXPECT_EQ(achados, esperado); }),
              2);
}

INSTANTIATE_TEST_SUITE_P(Bancos, PesquisaComFalha, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
