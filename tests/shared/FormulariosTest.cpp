#include "BaseFuncoes.h"

#include "platform/VbError.h"
#include "shared/Funcoes.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace {

struct CasoAjuste {
    const char* nome;
    QString texto;
    int16_t tamanho;
    bool alinhaEsquerda;
    QString resultado;
    QString variavelDepois;
};

class AjustaTamanhoTest : public ::testing::TestWithParam<CasoAjuste> {};

TEST_P(AjustaTamanhoTest, AjustaEAlteraAVariavel)
{
    const CasoAjuste& caso = GetParam();
    QString texto = caso.texto;
    EXPECT_EQ(AjustaTamanho(texto, caso.tamanho, caso.alinhaEsquerda), caso.resultado);
    EXPECT_EQ(texto, caso.variavelDepois);
}

const QString Sessenta = QString(50, QLatin1Char('A')) + QString(10, QLatin1Char('B'));

INSTANTIATE_TEST_SUITE_P(
    Casos, AjustaTamanhoTest,
    ::testing::Values(
        CasoAjuste{"AparaEAlinhaAEsquerda", "  JOSE ", 6, true, "JOSE  ", "JOSE"},
        CasoAjuste{"AparaEAlinhaADireita", "  JOSE ", 6, false, "  JOSE", "JOSE"},
        CasoAjuste{"VazioViraBrancos", "", 10, true, QString(10, QLatin1Char(' ')), QString(10, QLatin1Char(' '))},
        CasoAjuste{"SoBrancosViraBrancos", "   ", 4, false, "    ", "    "},
        CasoAjuste{"LongoECortado", Sessenta, 50, true, Sessenta.left(50), Sessenta.left(50)},
        CasoAjuste{"TamanhoExato", "ABC", 3, false, "ABC", "ABC"},
        CasoAjuste{"TamanhoZero", "ABC", 0, true, "", ""}),
    [](const ::testing::TestParamInfo<CasoAjuste>& info) { return std::string(info.param.nome); });

TEST(AjustaTamanho, TamanhoNegativoEErroDeChamada)
{
    QString texto = QStringLiteral("JOSE");
    EXPECT_EQ(NumeroDoErro([&] { AjustaTamanho(texto, -1, true); }), 5);
}

TEST(CentralizaForm, CentralizaNaTela)
{
    QWidget janela;
    janela.resize(300, 200);
    CentralizaForm(&janela);
    const QRect tela = janela.screen()->geometry();
    EXPECT_EQ(janela.pos(), QPoint(tela.left() + (tela.width() - 300) / 2, tela.top() + (tela.height() - 200) / 2));
}

TEST(CentralizaForm, JanelaMaiorQueATelaFicaComTopoEEsquerdaNegativos)
{
    QWidget janela;
    const QRect tela = janela.screen()->geometry();
    janela.resize(tela.width() + 400, tela.height() + 300);
    CentralizaForm(&janela);
    EXPECT_EQ(janela.pos(), QPoint(tela.left() - 200, tela.top() - 150));
}

class SelecionaTextoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&janela);
        texto = new QLineEdit(QStringLiteral("ABACAXI"), &janela);
        data = new QLineEdit(&janela);
        data->setInputMask(QStringLiteral("99/99/9999"));
        data->setText(QStringLiteral("05032024"));
        combo = new QComboBox(&janela);
        combo->setEditable(true);
        combo->setEditText(QStringLiteral("VAREJO"));
        for (QWidget* w : {static_cast<QWidget*>(texto), static_cast<QWidget*>(data), static_cast<QWidget*>(combo)})
            layout->addWidget(w);
        janela.show();
        QApplication::setActiveWindow(&janela);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    }

    void foca(QWidget* controle)
    {
        controle->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), controle->focusProxy() ? controle->focusProxy() : controle);
    }

    QWidget janela;
    QLineEdit* texto = nullptr;
    QLineEdit* data = nullptr;
    QComboBox* combo = nullptr;
};

TEST_F(SelecionaTextoTest, SelecionaTodoOTextoDaCaixaFocada)
{
    for (QLineEdit* caixa : {texto, data}) {
        foca(caixa);
        caixa->setCursorPosition(2);
        SelecionaTexto();
        EXPECT_EQ(caixa->selectionStart(), 0);
        EXPECT_EQ(caixa->selectedText(), caixa->text());
    }
}

TEST_F(SelecionaTextoTest, ComboFocadoNaoMuda)
{
    combo->setFocus();
    combo->lineEdit()->setCursorPosition(3);
    SelecionaTexto();
    EXPECT_FALSE(combo->lineEdit()->hasSelectedText());
    EXPECT_EQ(combo->lineEdit()->cursorPosition(), 3);
}

TEST(SelecionaTextoSemFoco, NadaAcontece)
{
    QWidget* focado = QApplication::focusWidget();
    if (focado)
        focado->clearFocus();
    EXPECT_NO_THROW(SelecionaTexto());
}

}  // namespace
