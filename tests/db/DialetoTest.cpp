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
    const QString rotina = caso[0];
    if (rotina == QLatin1String("TraduzSql")) {
        EXPECT_EQ(TraduzSql(Backend::Odbc, caso[1]), caso[1]);
        EXPECT_EQ(TraduzSql(Backend::Firebird, caso[1]), TraduzSql(Backend::Sqlite, caso[1]));
        return TraduzSql(Backend::Sqlite, caso[1]);
    }
    if (rotina == QLatin1String("CombinaLike")) {
        const QChar escape = caso[3].isEmpty() ? QChar() : caso[3][0];
        return CombinaLike(caso[1], caso[2], escape) ? QStringLiteral("True") : QStringLiteral("False");
    }
    if (rotina == QLatin1String("LerConexaoFirebird")) {
        const ConexaoFirebird lida = LerConexaoFirebird(caso[1]);
        return lida.banco + u'|' + lida.usuario + u'|' + lida.senha;
    }
    if (rotina == QLatin1String("ConexaoOdbc"))
        return ConexaoOdbc(caso[1]);
    if (rotina == QLatin1String("SenhaOdbc"))
        return SenhaOdbc(caso[1]);
    ADD_FAILURE() << "unknown routine " << rotina.toStdString();
    return {};
}

TEST(Dialeto, TextosParaCadaServidor)
{
    for (const Caso& caso : Casos("db/casos/dialeto.tsv")) {
        SCOPED_TRACE(caso.onde());
        EXPECT_EQ(Resultado(caso), caso[4]);
    }
}

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
