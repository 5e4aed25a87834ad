#include "platform/DialetoConexao.h"
#include "platform/DialetoSql.h"
#include "platform/SqliteTexto.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

TEST(TraduzSql, InstantesCompactosViramIsoSoDepoisDeComparacao)
{
    const struct {
        const char* programa;
        const char* servidor;
    } casos[] = {
        {"where data_pedi>='20240301 00:00' and data_pedi<='20240302 23:59'",
         "where data_pedi>='2024-03-01 00:00:00' and data_pedi<='2024-03-02 23:59:00'"},
        {"WHERE PEDI_VEDS.DATA_PEDI= '20241231 7:05'", "WHERE PEDI_VEDS.DATA_PEDI= '2024-12-31 07:05:00'"},
        {"data_fech <> '20240229'", "data_fech <> '2024-02-29 00:00:00'"},
        {"data_fech > '20240229 10.30.15'", "data_fech > '2024-02-29 10:30:15'"},
        // not instants, or not compared: unchanged
        {"data_fech >= '20230229 00:00'", "data_fech >= '20230229 00:00'"},
        {"data_fech >= '20240301 24:00'", "data_fech >= '20240301 24:00'"},
        {"data_fech >= '  /  /    '", "data_fech >= '  /  /    '"},
        {"nome like '20240301 00:00'", "nome like '20240301 00:00'"},
        {"x in ('20240301 00:00')", "x in ('20240301 00:00')"},
        {"nome = '2024030100:00'", "nome = '2024030100:00'"},
        {"nome = '20240301 00:00 '", "nome = '20240301 00:00 '"},
        // quotes
        {"nome = 'D''AVILA' and d = '20240301 00:00'", "nome = 'D''AVILA' and d = '2024-03-01 00:00:00'"},
        {"desc_ativ like 'A%'order by desc_ativ", "desc_ativ like 'A%'order by desc_ativ"},
        {"nome = 'aberto sem fim = '20240301 00:00", "nome = 'aberto sem fim = '20240301 00:00"},
        {"d = '20240301 00:00", "d = '20240301 00:00"},
        {"'", "'"},
        {"", ""},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(TraduzSql(Backend::Sqlite, caso.programa), QString::fromUtf8(caso.servidor)) << caso.programa;
        EXPECT_EQ(TraduzSql(Backend::Firebird, caso.programa), QString::fromUtf8(caso.servidor)) << caso.programa;
        EXPECT_EQ(TraduzSql(Backend::Odbc, caso.programa), QString::fromUtf8(caso.programa));
    }
}

TEST(CombinaLike, CuringasMaiusculasEAcentos)
{
    const struct {
        const char* texto;
        const char* padrao;
        bool combina;
    } casos[] = {
        {"João", "JOÃO", true},       {"João", "JOAO", false},      {"JOÃO D'ÁVILA", "%d'á%", true},
        {"112", "%12%", true},        {"120", "%12%", true},        {"21", "%12%", false},
        {"abc", "a_c", true},         {"ac", "a_c", false},         {"abc", "%", true},
        {"", "%", true},              {"", "", true},               {"a", "", false},
        {"aXbXc", "a%b%c", true},     {"abcb", "a%b", true},        {"abcbd", "a%b", false},
        {"ÇÉ", "çé", true},           {"ce", "çé", false},          {"abc ", "abc", false},
        {"50%", "50\\%", true},       {"500", "50\\%", false},      {"a\\", "a\\", true},
    };
    for (const auto& caso : casos) {
        const QChar escape = QString::fromUtf8(caso.padrao).contains(u'\\') ? QChar(u'\\') : QChar();
        EXPECT_EQ(CombinaLike(QString::fromUtf8(caso.texto), QString::fromUtf8(caso.padrao), escape), caso.combina)
            << caso.texto << " LIKE " << caso.padrao;
    }
}

TEST(CombinaLike, EscapePercentualTambemNoFimDoPadrao)
{
    // ESCAPE '%': "%%" is one literal '%', at the end of the pattern too; a
    // lone '%' at the end is still a wildcard.
    const struct {
        const char* texto;
        const char* padrao;
        bool combina;
    } casos[] = {
        {"n", "n%%", false}, {"n%", "n%%", true}, {"nx", "n%%", false}, {"n", "n%", true},
        {"nx", "n%", true},  {"%", "%%", true},   {"", "%%", false},    {"a%b", "a%%b", true},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(CombinaLike(QString::fromUtf8(caso.texto), QString::fromUtf8(caso.padrao), QChar(u'%')), caso.combina)
            << caso.texto << " LIKE " << caso.padrao << " ESCAPE '%'";
}

TEST(DialetoConexao, FirebirdLeParesEmQualquerGrafia)
{
    const struct {
        const char* texto;
        const char* banco;
        const char* usuario;
        const char* senha;
    } casos[] = {
        {"Data Source=srv:/dados/empresa.fdb;User ID=SYSDBA;Password=abc", "srv:/dados/empresa.fdb", "SYSDBA", "abc"},
        {"Provider=LCPI.IBProvider;dbname = 10.0.0.1/3051:C:\\KORVA\\EMP.FDB; uid=korva; pwd=x;ctype=win1252",
         "10.0.0.1/3051:C:\\KORVA\\EMP.FDB", "korva", "x"},
        {"DATABASE=/srv/a.fdb;USER=u;PASSWORD={p;w}}d}", "/srv/a.fdb", "u", "p;w}d"},
        {"semigual;Database=x;=sem chave;Password=", "x", "", ""},
        {"", "", "", ""},
    };
    for (const auto& caso : casos) {
        const ConexaoFirebird lida = LerConexaoFirebird(QString::fromUtf8(caso.texto));
        EXPECT_EQ(lida.banco, QString::fromUtf8(caso.banco)) << caso.texto;
        EXPECT_EQ(lida.usuario, QString::fromUtf8(caso.usuario)) << caso.texto;
        EXPECT_EQ(lida.senha, QString::fromUtf8(caso.senha)) << caso.texto;
    }
}

TEST(DialetoConexao, OleDbViraOdbcEOdbcPassaComoEsta)
{
    const struct {
        const char* configurada;
        const char* odbc;
    } casos[] = {
        {"driver={SQL Server};server=SRV;uid=sa;pwd=s3;database=KORVA",
         "driver={SQL Server};server=SRV;uid=sa;pwd=s3;database=KORVA"},
        {"Provider=SQLNCLI;Server=SRV\\SQLEXPRESS;Database=KORVA;Uid=sa; Pwd=s3;",
         "driver={SQL Server};server=SRV\\SQLEXPRESS;database=KORVA;uid=sa;pwd=s3"},
        {"Provider=SQLNCLI10;Server=SRV;Database=KORVA;Uid=sa; Pwd=a;b;",
         "driver={SQL Server};server=SRV;database=KORVA;uid=sa;pwd=a"},
        {"Provider=sqloledb;Network Library=DBMSSOCN;Data Source=10.1.1.1,1433;Initial Catalog=KORVA;"
         "User ID=sa; Password=p{w}",
         "driver={SQL Server};server=10.1.1.1,1433;database=KORVA;uid=sa;pwd={p{w}}}"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(ConexaoOdbc(QString::fromUtf8(caso.configurada)), QString::fromUtf8(caso.odbc)) << caso.configurada;
    EXPECT_EQ(SenhaOdbc("driver={SQL Server};server=S;PWD={x;y}"), "x;y");
}

// A 1 MB configuration line of pieces without "=" before the first pair:
// each piece used to search the rest of the line for "=" again (minutes).
TEST(DialetoConexao, MuitasPecasSemIgualLidasDeUmaVez)
{
    const QString texto = QString(1 << 20, u';') + QStringLiteral("User ID=x");
    QElapsedTimer relogio;
    relogio.start();
    const ParesDeConexao pares = LerPares(texto);
    EXPECT_LT(relogio.elapsed(), 2000);
    ASSERT_EQ(pares.size(), 1u);
    EXPECT_EQ(pares[0].first, "User ID");
    EXPECT_EQ(pares[0].second, "x");
}

}  // namespace
