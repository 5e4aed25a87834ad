// Every way of failing to open gives the provider failure with a readable
// text that never shows the password, even where the driver's text holds it.
#include "fixtures/BancoDeTeste.h"
#include "platform/Ado.h"
#include "platform/VbError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString senha = QStringLiteral("Segredo#42");

struct Falha {
    const char* nome;
    Backend backend;
    QString conexao;
    const char* trechoEsperado;  // part of the driver's or our text
};

void esperaFalhasDoProvedor(std::initializer_list<Falha> falhas)
{
    for (const Falha& falha : falhas) {
        SCOPED_TRACE(falha.nome);
        Connection conexao;
        try {
            conexao.Open(falha.backend, falha.conexao, "", senha, adOptionUnspecified);
            ADD_FAILURE() << "opened: " << falha.conexao.toStdString();
        } catch (const VbError& erro) {
            const std::string texto = erro.Description().toStdString();
            EXPECT_EQ(erro.Number(), vb_error::ProviderFailure);
            EXPECT_TRUE(erro.Description().contains(QString::fromUtf8(falha.trechoEsperado), Qt::CaseInsensitive))
                << texto;
            EXPECT_FALSE(erro.Description().contains(senha)) << texto;
        }
        EXPECT_EQ(conexao.State(), adStateClosed);
    }
}

// No server needs to run for these: nothing listens on port 3099.
TEST(Conexao, ArquivosETextosRuinsEServidorInalcancavel)
{
    QTemporaryDir pasta;
    const QString lixo = pasta.filePath("lixo.db");
    QFile arquivo(lixo);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(QByteArray(4096, 'x'));
    arquivo.close();
    esperaFalhasDoProvedor({
        {"AusenteComASenhaNoNome", Backend::Sqlite, pasta.filePath(senha + ".db"), "***.db"},
        {"NaoEBanco", Backend::Sqlite, lixo, "not a database"},
        {"Pasta", Backend::Sqlite, pasta.path(), "não encontrado"},
        {"Vazio", Backend::Sqlite, "  ", "não foi informado"},
        {"ServidorParado", Backend::Firebird,
         "Data Source=127.0.0.1/3099:/tmp/empresa.fdb;User ID=SYSDBA;Password=" + senha, "127.0.0.1"},
        {"SemBanco", Backend::Firebird, "User ID=SYSDBA;Password=" + senha, "Data Source"},
        {"TextoSemPares", Backend::Firebird, "isto nao e uma string de conexao", "Data Source"},
        {"FirebirdVazio", Backend::Firebird, "", "Data Source"},
    });
}

class ServidorFirebird : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariable("PANTORO_FIREBIRD_HOST").isEmpty())
            GTEST_SKIP() << "no Firebird test server (scripts/firebird.sh start)";
    }
};

TEST_F(ServidorFirebird, SenhaErradaEArquivoAusenteNoServidor)
{
    BancoDeTeste banco(Backend::Firebird);
    const QString usuario = qEnvironmentVariable("PANTORO_FIREBIRD_USER");
    const QString arquivo = banco.stringDeConexao().section(u';', 0, 0).section(u'=', 1);
    esperaFalhasDoProvedor({
        {"SenhaErrada", Backend::Firebird,
         QStringLiteral("Data Source=%1;User ID=%2;Password=%3").arg(arquivo, usuario, senha), "password"},
        {"ArquivoAusente", Backend::Firebird,
         QStringLiteral("Data Source=%1:%2/nao-existe.fdb;User ID=%3;Password=%4")
             .arg(qEnvironmentVariable("PANTORO_FIREBIRD_HOST"), qEnvironmentVariable("PANTORO_FIREBIRD_DIR"), usuario,
                  qEnvironmentVariable("PANTORO_FIREBIRD_PASSWORD")),
         "nao-existe.fdb"},
    });
}

TEST_F(ServidorFirebird, AbreComParesEmOutraGrafiaELeAcentos)
{
    BancoDeTeste banco(Backend::Firebird);
    banco.executa("insert into marc (idmarc, desc_marc) values (1, 'Ação Çedilha')");
    const QString original = banco.stringDeConexao();
    const auto valor = [&](int n) { return original.section(u';', n, n).section(u'=', 1); };
    Connection conexao;
    conexao.Open(
        Backend::Firebird,
        QStringLiteral("Provider=ignorado; DBNAME = %1 ;UID=%2;PWD=%3;Dialect=3").arg(valor(0), valor(1), valor(2)), "",
        "", adOptionUnspecified);
    const auto resultado = conexao.Executa("select desc_marc from marc where desc_marc = 'AÇÃO ÇEDILHA'");
    ASSERT_EQ(resultado.linhas.size(), 1);
    EXPECT_EQ(resultado.linhas[0][0], Variant("Ação Çedilha"));
}

}  // namespace
