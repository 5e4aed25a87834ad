#include "support/Falhas.h"

#include "support/BaseRelatorio.h"
#include "report/frmPantoro.h"
#include "startup/Ambiente.h"
#include "viewer/frmHTML_Generico.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The filter window when a statement fails: the error in a box with the
// release title, the hourglass gone, no viewer, and the next click works.
namespace {

std::vector<ParametroRelatorio> ParametrosDaJanela()
{
    std::vector<ParametroRelatorio> parametros;
    for (Backend banco : BancoDeTeste::disponiveis())
        parametros.push_back({banco, MotorRelatorio::Rapido});
    return parametros;
}

class JanelaComFalha : public BaseRelatorio {
protected:
    void SetUp() override
    {
        BaseRelatorio::SetUp();
        ambiente().PastaRelatorios = pastaRelatorios();
        ambiente().CodiAmbiente = QStringLiteral("PRD");
        janela = std::make_unique<frmPantoro>();
        janela->PreparaFiltros();
        janela->findChild<QLabel*>(QStringLiteral("lblCodiEmpresa"))->setText(QStringLiteral("001"));
        janela->findChild<QLineEdit*>(QStringLiteral("mskDtDe"))->setText(QStringLiteral("01/05/2024"));
        janela->findChild<QLineEdit*>(QStringLiteral("mskDtAte"))->setText(QStringLiteral("31/05/2024"));
        janela->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
    }

    void TearDown() override
    {
        janela.reset();
        ambiente().CodiAmbiente.clear();
        BaseRelatorio::TearDown();
    }

    // Clicks Imprimir; returns how many viewers it opened (each closed at once).
    int imprime() const
    {
        int visualizadores = 0;
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&visualizadores] {
            if (auto* visualizador = qobject_cast<frmHTML_Generico*>(QApplication::activeModalWidget())) {
                ++visualizadores;
                visualizador->reject();
            }
        });
        vigia.start(20);
        QTest::mouseClick(janela->findChild<QPushButton*>(QStringLiteral("cmdImprimir")), Qt::LeftButton);
        return visualizadores;
    }

    void janelaUtilizavel() const
    {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(janela->isEnabled());
        EXPECT_TRUE(janela->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    std::unique_ptr<frmPantoro> janela;
};

TEST_P(JanelaComFalha, CadaConsultaDoImprimir)
{
    const long total = ConsultasDe([this] { EXPECT_EQ(imprime(), 1); });
    ASSERT_GT(total, 0);
    EXPECT_TRUE(caixa->mensagens.isEmpty());
    for (long n = 1; n <= total; ++n) {
        SCOPED_TRACE("statement " + std::to_string(n) + " of " + std::to_string(total));
        caixa->mensagens.clear();
        {
            FalhaNaConsulta falha(n);
            EXPECT_EQ(imprime(), 0);
        }
        ASSERT_EQ(caixa->mensagens.size(), 1);
        EXPECT_EQ(caixa->mensagens[0].prompt, FalhaNaConsulta::Texto(n));
        EXPECT_EQ(caixa->mensagens[0].titulo, TituloRelease());
        EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Critico);
        janelaUtilizavel();
        EXPECT_EQ(imprime(), 1);
        janelaUtilizavel();
    }
}

TEST_P(JanelaComFalha, PastaDeRelatoriosQueNaoExiste)
{
    ambiente().PastaRelatorios = pastaRelatorios() + QStringLiteral("nao-existe/");
    EXPECT_EQ(imprime(), 0);
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt,
              QStringLiteral("Path not found: ") + ambiente().PastaRelatorios + QStringLiteral("pantoro.html"));
    EXPECT_EQ(caixa->mensagens[0].titulo, TituloRelease());
    janelaUtilizavel();
    ambiente().PastaRelatorios = pastaRelatorios();
    EXPECT_EQ(imprime(), 1);
}

INSTANTIATE_TEST_SUITE_P(Bancos, JanelaComFalha, ::testing::ValuesIn(ParametrosDaJanela()), NomeDoParametro);

}  // namespace
