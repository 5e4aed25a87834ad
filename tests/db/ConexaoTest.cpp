#include "fixtures/BancoDeTeste.h"
#include "platform/Ado.h"
#include "platform/VbError.h"
#include "support/Casos.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString senha = QStringLiteral("Segredo#42");

Backend backendDe(const QString& nome)
{
    for (Backend backend : {Backend::Sqlite, Backend::Firebird, Backend::Odbc})
        if (nome.toStdString() == BancoDeTeste::nome(backend))
            return backend;
    throw std::runtime_error("unknown backend " + nome.toStdString());
}

// The rows' placeholders for the Firebird test server, from a database made there.
void trocaPeloServidor(QString& conexao, std::unique_ptr<BancoDeTeste>& servidor)
{
    if (!conexao.contains(QLatin1String("{usuario}")))
        return;
    if (qEnvironmentVariable("PANTORO_FIREBIRD_HOST").isEmpty())
        GTEST_SKIP() << "no Firebird test server (scripts/firebird.sh start)";
    servidor = std::make_unique<BancoDeTeste>(Backend::Firebird);
    conexao.replace("{banco}", servidor->stringDeConexao().section(u';', 0, 0).section(u'=', 1))
        .replace("{pastaDoServidor}",
                 qEnvironmentVariable("PANTORO_FIREBIRD_HOST") + u':' + qEnvironmentVariable("PANTORO_FIREBIRD_DIR"))
        .replace("{usuario}", qEnvironmentVariable("PANTORO_FIREBIRD_USER"))
        .replace("{senhaDoServidor}", qEnvironmentVariable("PANTORO_FIREBIRD_PASSWORD"));
}

class FalhaAoAbrir : public ::testing::TestWithParam<Caso> {};

TEST_P(FalhaAoAbrir, TextoLegivelSemASenha)
{
    const Caso& caso = GetParam();
    QTemporaryDir pasta;
    QFile lixo(pasta.filePath("lixo.db"));
    ASSERT_TRUE(lixo.open(QIODevice::WriteOnly));
    lixo.write(QByteArray(4096, 'x'));
    lixo.close();
    QString conexao = caso("conexao").replace("{pasta}", pasta.path()).replace("{senha}", senha);
    std::unique_ptr<BancoDeTeste> servidor;
    trocaPeloServidor(conexao, servidor);
    if (IsSkipped())
        return;
    Connection aberta;
    try {
        aberta.Open(backendDe(caso("backend")), conexao, "", senha, adOptionUnspecified);
        ADD_FAILURE() << "opened: " << conexao.toStdString();
    } catch (const VbError& erro) {
        const std::string texto = erro.Description().toStdString();
        EXPECT_EQ(erro.Number(), vb_error::ProviderFailure);
        EXPECT_TRUE(erro.Description().contains(caso("trecho"), Qt::CaseInsensitive)) << texto;
        EXPECT_FALSE(erro.Description().contains(senha)) << texto;
    }
    EXPECT_EQ(aberta.State(), adStateClosed);
}

INSTANTIATE_TEST_SUITE_P(Tabela, FalhaAoAbrir, ::testing::ValuesIn(Casos("db/casos/falhas.tsv")), NomeDoCaso);

TEST(ServidorFirebird, AbreComParesEmOutraGrafiaELeAcentos)
{
    if (qEnvironmentVariable("PANTORO_FIREBIRD_HOST").isEmpty())
        GTEST_SKIP() << "no Firebird test server (scripts/firebird.sh start)";
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
