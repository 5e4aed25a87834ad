#include "BaseFuncoes.h"

#include "shared/Funcoes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QWidget>

namespace {

struct CasoCor {
    const char* numero;
    QColor esperada;
};

TEST(CorVB, NumerosDeCorEDoSistema)
{
    const QPalette paleta = QGuiApplication::palette();
    const CasoCor casos[] = {
        {"255", QColor(255, 0, 0)},
        {"65280", QColor(0, 255, 0)},
        {"16711680", QColor(0, 0, 255)},
        {" 8421504 ", QColor(128, 128, 128)},
        {"0", QColor(0, 0, 0)},
        {"-2147483633", paleta.color(QPalette::Active, QPalette::Button)},
        {"2147483663", paleta.color(QPalette::Active, QPalette::Button)},
        {"-2147483630", paleta.color(QPalette::Active, QPalette::ButtonText)},
        {"-2147483635", paleta.color(QPalette::Active, QPalette::Highlight)},
        {"-2147483643", paleta.color(QPalette::Active, QPalette::Base)},
        {"-2147483624", paleta.color(QPalette::Active, QPalette::ToolTipBase)},
        // Not a colour: the caller leaves that colour as it is.
        {"-2147483548", QColor()},
        {"AZUL", QColor()},
        {"", QColor()},
        {"12.5", QColor()},
        {"4294967296", QColor()},
    };
    for (const CasoCor& caso : casos)
        EXPECT_EQ(CorVB(QString::fromLatin1(caso.numero)), caso.esperada) << caso.numero;
}

class Cores : public BaseFuncoes {};

TEST_P(Cores, CarregaCoresDoEsquemaOuOsPadroes)
{
    CarregaCores(QStringLiteral(" azul "));
    EXPECT_EQ(funcoes().CorFundo1, QStringLiteral("16711680"));
    EXPECT_EQ(funcoes().CorFrente1, QStringLiteral("65535"));
    EXPECT_EQ(funcoes().CorFundo2, QStringLiteral("255"));
    EXPECT_EQ(funcoes().CorFrente2, QStringLiteral("0"));

    CarregaCores(QStringLiteral("NAO EXISTE"));
    EXPECT_EQ(funcoes().CorFundo1, QStringLiteral("-2147483633"));
    EXPECT_EQ(funcoes().CorFrente1, QStringLiteral("-2147483630"));
    EXPECT_EQ(funcoes().CorFundo2, QStringLiteral("-2147483633"));
    EXPECT_EQ(funcoes().CorFrente2, QStringLiteral("-2147483630"));
}

INSTANTIATE_TEST_SUITE_P(Bancos, Cores, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

class AplicaCoresTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        funcoes() = VariaveisFuncoes{};
        quadro = new QGroupBox(QStringLiteral("Filtros"), &janela);
        rotuloNoQuadro = new QLabel(QStringLiteral("Vendedor"), quadro);
        comboNoQuadro = new QComboBox(quadro);
        rotulo = new QLabel(QStringLiteral("Cliente"), &janela);
        botao = new QPushButton(QStringLiteral("Imprimir"), &janela);
        texto = new QLineEdit(&janela);
        data = new QLineEdit(&janela);
        data->setInputMask(QStringLiteral("99/99/9999"));
        opcao = new QRadioButton(&janela);
        marca = new QCheckBox(&janela);
        combo = new QComboBox(&janela);
        grade = new QTableView(&janela);
        intocados = {comboNoQuadro, data, combo, grade};
        for (QWidget* controle : intocados)
            paletasAntes.push_back(controle->palette());
    }

    void confereIntocados()
    {
        for (size_t i = 0; i < intocados.size(); ++i)
            EXPECT_EQ(intocados[i]->palette(), paletasAntes[i]) << intocados[i]->metaObject()->className();
    }

    QWidget janela;
    QGroupBox* quadro;
    QLabel* rotuloNoQuadro;
    QComboBox* comboNoQuadro;
    QLabel* rotulo;
    QPushButton* botao;
    QLineEdit* texto;
    QLineEdit* data;
    QRadioButton* opcao;
    QCheckBox* marca;
    QComboBox* combo;
    QTableView* grade;
    std::vector<QWidget*> intocados;
    std::vector<QPalette> paletasAntes;
};

TEST_F(AplicaCoresTest, PintaCadaTipoDeControleComoDeveEDeixaOsOutros)
{
    funcoes().CorFundo1 = QStringLiteral("255");
    funcoes().CorFrente1 = QStringLiteral("16711680");
    const QColor fundo(255, 0, 0);
    const QColor frente(0, 0, 255);
    const QColor textoDoBotao = botao->palette().color(QPalette::ButtonText);

    AplicaCores(&janela);

    EXPECT_EQ(janela.palette().color(QPalette::Window), fundo);
    EXPECT_TRUE(janela.autoFillBackground());
    for (QWidget* comFrente : {static_cast<QWidget*>(quadro), static_cast<QWidget*>(rotulo),
                               static_cast<QWidget*>(rotuloNoQuadro)}) {
        SCOPED_TRACE(comFrente->metaObject()->className());
        EXPECT_EQ(comFrente->palette().color(QPalette::Window), fundo);
        EXPECT_EQ(comFrente->palette().color(QPalette::WindowText), frente);
    }
    EXPECT_EQ(botao->palette().color(QPalette::Button), fundo);
    EXPECT_EQ(botao->palette().color(QPalette::ButtonText), textoDoBotao);
    EXPECT_EQ(texto->palette().color(QPalette::Base), fundo);
    EXPECT_EQ(opcao->palette().color(QPalette::Window), fundo);
    EXPECT_EQ(marca->palette().color(QPalette::Window), fundo);
    EXPECT_NE(opcao->palette().color(QPalette::WindowText), frente);
    confereIntocados();
}

TEST_F(AplicaCoresTest, CoresDoSistemaPorPadraoENumeroInvalidoNaoPinta)
{
    AplicaCores(&janela);
    EXPECT_EQ(janela.palette().color(QPalette::Window), QGuiApplication::palette().color(QPalette::Button));
    EXPECT_EQ(rotulo->palette().color(QPalette::WindowText), QGuiApplication::palette().color(QPalette::ButtonText));

    const QColor fundoAntes = rotulo->palette().color(QPalette::Window);
    funcoes().CorFundo1 = QStringLiteral("AZUL");
    funcoes().CorFrente1 = QStringLiteral("255");
    AplicaCores(&janela);
    EXPECT_EQ(rotulo->palette().color(QPalette::Window), fundoAntes);
    EXPECT_EQ(rotulo->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    confereIntocados();
}

}  // namespace
