#include "fixtures/PessoasDeTeste.h"

#include "janelas/frmBROWSE_PESSOAS.h"
#include "janelas/frmPantoro.h"
#include "shared/Funcoes.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using FiltroDePedidos = PessoasDeTeste;

// The report filter's search button opens the search for a name that is not
// a customer; the pick becomes the customer filter of the next report.
TEST_P(FiltroDePedidos, EscolhaViraOClienteDoRelatorio)
{
    frmPantoro filtro;
    filtro.PreparaFiltros();
    filtro.show();
    filtro.findChild<QComboBox*>(QStringLiteral("cboCliente"))->setEditText(QStringLiteral("ANA"));

    bool escolheu = false;
    QTimer::singleShot(0, [&escolheu] {
        auto* pesquisa = qobject_cast<frmBROWSE_PESSOAS*>(QApplication::activeModalWidget());
        if (!pesquisa)
            return;
        pesquisa->findChild<QComboBox*>(QStringLiteral("cboCod"))->setEditText(QStringLiteral("ana"));
        pesquisa->findChild<QPushButton*>(QStringLiteral("cmdPesquisa"))->click();
        auto* flex = pesquisa->findChild<QTableView*>(QStringLiteral("Flex"));
        const QModelIndex ana = flex->model()->index(0, 2);
        if (ana.isValid()) {
            flex->setCurrentIndex(ana);
            QTest::mouseDClick(flex->viewport(), Qt::LeftButton, {}, flex->visualRect(ana).center());
        }
        escolheu = !pesquisa->isVisible();
        if (!escolheu)
            pesquisa->reject();  // nobody picked: the filter window gets control back
    });
    filtro.findChild<QToolButton*>(QStringLiteral("cmdPesquisar_Cliente"))->click();

    ASSERT_TRUE(escolheu) << "the search window did not open or listed nobody";
    EXPECT_EQ(funcoes().TipoPessoaPesquisa, "CLIENTE");
    EXPECT_EQ(filtro.findChild<QLabel*>(QStringLiteral("lblCliente"))->text(), "ANA DA SILVA");
    EXPECT_EQ(filtro.Filtro().cliente, "ANA DA SILVA");
}

INSTANTIATE_TEST_SUITE_P(Bancos, FiltroDePedidos, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
