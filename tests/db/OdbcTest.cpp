// The SQL Server path end to end through unixODBC: a driver registered as
// "SQL Server" in a private odbcinst.ini (the SQLite ODBC driver stands in
// for the server), the connection strings the program builds, rows back.
#include "platform/Ado.h"
#include "platform/VbError.h"
#include "support/BancoDeTeste.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char* const driverSqlite = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

class OdbcTest : public ::testing::Test {
protected:
    // The driver list must be in place before the first ODBC call of the process.
    static void SetUpTestSuite()
    {
        pasta = new QTemporaryDir;
        QFile ini(pasta->filePath("odbcinst.ini"));
        if (ini.open(QIODevice::WriteOnly))
            ini.write(QByteArray("[SQL Server]\nDescription=stand-in server\nDriver=") + driverSqlite + "\n");
        qputenv("ODBCSYSINI", pasta->path().toLocal8Bit());
    }
    static void TearDownTestSuite()
    {
        delete pasta;
        pasta = nullptr;
    }

    void SetUp() override
    {
        if (!QFile::exists(driverSqlite))
            GTEST_SKIP() << "SQLite ODBC driver not installed (libsqliteodbc)";
        banco = std::make_unique<BancoDeTeste>(Backend::Sqlite);
        banco->executa("insert into empr (idempr, codi_empr, nome_conh_empr) values (1, '001', 'Hortifruti Um')");
        banco->executa("insert into empr (idempr, codi_empr, nome_conh_empr) values (2, '002', 'Hortifruti Dois')");
    }

    static QTemporaryDir* pasta;
    std::unique_ptr<BancoDeTeste> banco;
};

QTemporaryDir* OdbcTest::pasta = nullptr;

TEST_F(OdbcTest, StringsDoProgramaAbremEConsultam)
{
    const QString arquivo = banco->stringDeConexao();
    // The four strings as built from server.ini (server, database, login, password).
    const QStringList strings = {
        "driver={SQL Server};server=SRV01;uid=sa;pwd=s3nha;database=" + arquivo,
        "Provider=SQLNCLI;Server=SRV01;Database=" + arquivo + ";Uid=sa; Pwd=s3nha;",
        "Provider=SQLNCLI10;Server=SRV01;Database=" + arquivo + ";Uid=sa; Pwd=s3nha;",
        "Provider=sqloledb;Network Library=DBMSSOCN;Data Source=SRV01;Initial Catalog=" + arquivo +
            ";User ID=sa; Password=s3nha",
    };
    for (const QString& texto : strings) {
        SCOPED_TRACE(texto.toStdString());
        Connection conexao;
        conexao.ConnectionTimeout = 400;
        conexao.Open(Backend::Odbc, texto, "", "", adOptionUnspecified);
        EXPECT_EQ(conexao.State(), adStateOpen);
        Recordset rs;
        rs.Open("select codi_empr, nome_conh_empr from empr where idempr = 2", conexao);
        ASSERT_FALSE(rs.Eof());
        EXPECT_EQ(rs.Fields("CODI_EMPR"), Variant("002"));
        EXPECT_EQ(rs.Fields("nome_conh_empr"), Variant("Hortifruti Dois"));
        EXPECT_EQ(rs.RecordCount(), 1);
        // SQL Server reads the compact date form itself: the text goes unchanged.
        EXPECT_EQ(conexao.Traduz("d>='20240301 00:00'"), "d>='20240301 00:00'");
    }
}

TEST_F(OdbcTest, DriverAusenteEStringRuimSaoFalhaDoProvedor)
{
    const QString senha = QStringLiteral("Segredo#42");
    const QStringList strings = {
        "driver={Driver Que Nao Existe};server=SRV01;uid=sa;pwd=" + senha + ";database=KORVA",
        "Provider=SQLNCLI;Server=SRV01;Database=/nao/existe/pasta/x.db;Uid=sa; Pwd=" + senha + ";",
        "isto nao e uma string de conexao",
        "",
    };
    for (const QString& texto : strings) {
        SCOPED_TRACE(texto.toStdString());
        Connection conexao;
        try {
            conexao.Open(Backend::Odbc, texto, "", "", adOptionUnspecified);
            ADD_FAILURE() << "opened";
        } catch (const VbError& erro) {
            EXPECT_EQ(erro.Number(), vb_error::ProviderFailure);
            EXPECT_FALSE(erro.Description().trimmed().isEmpty());
            EXPECT_FALSE(erro.Description().contains(senha)) << erro.Description().toStdString();
        }
        EXPECT_EQ(conexao.State(), adStateClosed);
    }
}

}  // namespace
