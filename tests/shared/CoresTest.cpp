#include "BaseFuncoes.h"

#include <QGuiApplication>
#include <QMetaEnum>
#include <QPalette>

namespace {

TEST(CorVB, NumerosDeCorEDoSistema)
{
    const QMetaEnum papeis = QMetaEnum::fromType<QPalette::ColorRole>();
    for (const Caso& caso : Casos("shared/casos/cores.tsv")) {
        SCOPED_TRACE(caso.onde());
        const int papel = papeis.keyToValue(caso.bytes(1).constData());
        const QColor esperada =
            papel >= 0 ? QGuiApplication::palette().color(QPalette::Active, static_cast<QPalette::ColorRole>(papel))
                       : QColor(caso[1]);
        EXPECT_EQ(CorVB(caso[0]), esperada);
    }
}

QStringList CoresCarregadas()
{
    const VariaveisFuncoes& f = funcoes();
    return {f.CorFundo1, f.CorFrente1, f.CorFundo2, f.CorFrente2};
}

using Cores = BaseFuncoes;

TEST_P(Cores, CarregaCoresDoEsquemaOuOsPadroes)
{
    CarregaCores(QStringLiteral(" azul "));
    EXPECT_EQ(CoresCarregadas(), QStringList({"16711680", "65535", "255", "0"}));
    CarregaCores(QStringLiteral("NAO EXISTE"));
    EXPECT_EQ(CoresCarregadas(), QStringList({"-2147483633", "-2147483630", "-2147483633", "-2147483630"}));
}

INSTANTIATE_TEST_SUITE_P(Bancos, Cores, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
