#include "support/Falhas.h"

#include "support/PessoasDeTeste.h"
#include "people/frmBROWSE_PESSOAS.h"
#include "platform/FlexGrid.h"
#include "startup/Ambiente.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

// The person search window when a statement fails and when the search text
// is hostile: a message, never a crash; the window stays usable.
namespace {

class JanelaDePessoas : public PessoasDeTeste {
protected:
    void SetUp() override
    {
        PessoasDeTeste::SetUp();
        janela = std::make_unique<frmBROWSE_PESSOAS>();
        janela->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
        caixa->mensagens.clear();
    }

    void TearDown() override
    {
        janela.reset();
        PessoasDeTeste::TearDown();
    }

    // Searches `texto` by name in `categoria`; the ids the grid lists.
    QStringList pesquisa(const QString& texto, const char* categoria) const
    {
        janela->findChild<QComboBox*>(QStringLiteral("cboCod"))->setEditText(texto);
        janela->findChild<QRadioButton*>(QStringLiteral("opNome"))->setChecked(true);
        janela->findChild<QRadioButton*>(QLatin1String(categoria))->setChecked(true);
        janela->findChild<QPushButton*>(QStringLiteral("cmdPesquisa"))->click();
        return Ids(*qobject_cast<FlexGrid*>(janela->findChild<QTableView*>(QStringLiteral("Flex"))->model()));
    }

    QStringList mensagens() const
    {
        QStringList lista;
        for (const Mensagem& mensagem : caixa->mensagens)
            lista << mensagem.prompt;
        caixa->mensagens.clear();
        return lista;
    }

    void janelaUtilizavel() const
    {
        EXPECT_TRUE(janela->isVisible());
        EXPECT_TRUE(janela->isEnabled());
        EXPECT_NE(janela->cursor().shape(), Qt::WaitCursor);
    }

    std::unique_ptr<frmBROWSE_PESSOAS> janela;
};

TEST_P(JanelaDePessoas, CadaConsultaDaPesquisa)
{
    QStringList esperado;
    const long total = ConsultasDe([&] { esperado = pesquisa(QStringLiteral("A"), "opCliente"); });
    ASSERT_FALSE(esperado.isEmpty());
    ASSERT_GT(total, 1);
    EXPECT_TRUE(mensagens().isEmpty());
    for (long n = 1; n <= total; ++n) {
        SCOPED_TRACE("statement " + std::to_string(n) + " of " + std::to_string(total));
        {
            FalhaNaConsulta falha(n);
            pesquisa(QStringLiteral("A"), "opCliente");
        }
        ASSERT_EQ(caixa->mensagens.size(), 1);
        EXPECT_EQ(caixa->mensagens[0].prompt, FalhaNaConsulta::Texto(n));
        EXPECT_EQ(caixa->mensagens[0].titulo, TituloRelease());
        EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Critico);
        caixa->mensagens.clear();
        janelaUtilizavel();
        EXPECT_EQ(pesquisa(QStringLiteral("A"), "opCliente"), esperado);
        EXPECT_TRUE(mensagens().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, JanelaDePessoas, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
