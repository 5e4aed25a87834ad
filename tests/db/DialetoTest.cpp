#include "platform/DialetoConexao.h"
#include "platform/DialetoSql.h"
#include "platform/SqliteTexto.h"
#include "support/Casos.h"
#include "support/ImprimeTexto.h"

#include <gtest/gtest.h>

namespace {

// What the routine named in the case gives, as the case table writes it.
QString Resultado(const Caso& caso)
{
    const QString rotina = caso("rotina");
    const QString entrada = caso("entrada");
    if (rotina == QLatin1String("TraduzSql")) {
        EXPECT_EQ(TraduzSql(Backend::Odbc, entrada), entrada);
        EXPECT_EQ(TraduzSql(Backend::Firebird, entrada), TraduzSql(Backend::Sqlite, entrada));
        return TraduzSql(Backend::Sqlite, entrada);
    }
    if (rotina == QLatin1String("CombinaLike")) {
        const QString escape = caso("escape");
        return CombinaLike(entrada, caso("padrao"), escape.isEmpty() ? QChar() : escape[0]) ? QStringLiteral("True")
                                                                                            : QStringLiteral("False");
    }
    if (rotina == QLatin1String("LerConexaoFirebird")) {
        const ConexaoFirebird lida = LerConexaoFirebird(entrada);
        return lida.banco + u'|' + lida.usuario + u'|' + lida.senha;
    }
    if (rotina == QLatin1String("ConexaoOdbc"))
        return ConexaoOdbc(entrada);
    if (rotina == QLatin1String("SenhaOdbc"))
        return SenhaOdbc(entrada);
    ADD_FAILURE() << "unknown routine " << rotina.toStdString();
    return {};
}

class Dialeto : public ::testing::TestWithParam<Caso> {};

TEST_P(Dialeto, TextoParaCadaServidor)
{
    EXPECT_EQ(Resultado(GetParam()), GetParam()("esperado"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, Dialeto, ::testing::ValuesIn(Casos("db/casos/dialeto.tsv")), NomeDoCaso);

// A 4 MB configuration line of pieces without "=" before the first pair:
// each piece used to search the rest of the line for "=" again, minutes for
// 1 MB, which at 4 MB outlasts CTest's limit by far.
TEST(DialetoConexao, MuitasPecasSemIgualLidasDeUmaVez)
{
    const ParesDeConexao pares = LerPares(QString(1 << 22, u';') + QStringLiteral("User ID=x"));
    ASSERT_EQ(pares.size(), 1u);
    EXPECT_EQ(pares[0].first, "User ID");
    EXPECT_EQ(pares[0].second, "x");
}

}  // namespace
