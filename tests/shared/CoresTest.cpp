#include "BaseFuncoes.h"

#include "shared/Funcoes.h"

#include <QGuiApplication>
#include <QPalette>

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

}  // namespace
