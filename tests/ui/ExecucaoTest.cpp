#include "JanelasDeTeste.h"

#include "support/BancoDeTeste.h"
#include "platform/Clock.h"
#include "report/Relatorio.h"
#include "report/frmPantoro.h"
#include "startup/Ambiente.h"
#include "viewer/frmHTML_Generico.h"

#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

namespace {

// "Imprimir" on the filter form, from the click to the viewer: one order of
// today for a customer with accents in the name.
class ExecucaoPelaJanela : public JanelasDeTeste {
protected:
    void SetUp() override
    {
        JanelasDeTeste::SetUp();
        const QString hoje = Hoje().toString(QStringLiteral("yyyy-MM-dd"));
        banco.executaScript(QStringLiteral(
            "insert into pess (idpess, nome_pess, nome_conh) values (1, 'JOSÉ AÇAÍ', 'JOSE');"
            "insert into clie (idclie, idpess) values (10, 1);"
            "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, valo_dect) "
            "values (1, 42, '001', '%1 10:00:00', 10, 0);"
            "insert into prod (idprod, codi_prod, desc_prod, idmarc) values (1, 'B1', 'BANANA', 1);"
            "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, qtde, valo_unit, valo_dect, valo_tota) "
            "values (1, 1, 1, 3, 10, 0, 30)").arg(hoje));
        ambiente().PastaRelatorios = pasta.path() + u'/';
        ambiente().CodiAmbiente = QStringLiteral("PRD");
        janela = std::make_unique<frmPantoro>();
        janela->PreparaFiltros();
        controle<QLabel>(janela.get(), "lblCodiEmpresa")->setText(QStringLiteral("001"));
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

    void imprime() const { QTest::mouseClick(controle<QPushButton>(janela.get(), "cmdImprimir"), Qt::LeftButton); }

    // After the run: the hourglass is gone and the form takes input again.
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

TEST_F(ExecucaoPelaJanela, PAVoltaAOpcaoParaDataDeEmissaoComAAmpulhetaLigada)
{
    auto caixaDaAmpulheta = std::make_shared<CaixaQueVeAAmpulheta>();
    InstalaCaixaDeMensagem(caixaDaAmpulheta);
    clicaNaBorda(controle<QRadioButton>(janela.get(), "opRelPA"));
    clicaNaBorda(controle<QRadioButton>(janela.get(), "opDtEntregaPedido"));
    const auto espera = aoAbrirModal([](QWidget*) {});
    imprime();
    ASSERT_EQ(caixaDaAmpulheta->mensagens.size(), 1);
    const auto& [mensagem, ampulhetaLigada] = caixaDaAmpulheta->mensagens[0];
    EXPECT_TRUE(mensagem.prompt.startsWith(QStringLiteral("O Relatório de PA somente")));
    EXPECT_EQ(mensagem.titulo, janela->windowTitle());
    EXPECT_TRUE(ampulhetaLigada);
    EXPECT_TRUE(controle<QRadioButton>(janela.get(), "opDtEmissaoPedido")->isChecked());
    janelaUtilizavel();
}

TEST_F(ExecucaoPelaJanela, SemPedidosAvisaENaoAbreOVisualizador)
{
    controle<QLabel>(janela.get(), "lblCodiEmpresa")->setText(QStringLiteral("999"));
    bool abriu = false;
    const auto espera = aoAbrirModal([&](QWidget*) { abriu = true; });
    imprime();
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt, QStringLiteral("Não há dados para exibir!"));
    EXPECT_FALSE(abriu);
    janelaUtilizavel();
}

}  // namespace
