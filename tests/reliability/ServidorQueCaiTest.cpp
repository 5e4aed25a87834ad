#include "support/Retransmissor.h"

#include "platform/Ado.h"
#include "platform/VbError.h"
#include "support/BaseRelatorio.h"
#include "report/Relatorio.h"
#include "startup/Ambiente.h"

#include <iostream>
#include <memory>

// The Firebird server goes away in the middle of a report: the program's
// connection runs through a relay that is cut right before statement N.
// The statement fails with the client library's own text (no password),
// and once the server is back a new connection runs the whole report.
namespace {

std::vector<ParametroRelatorio> ParametrosFirebird()
{
    std::vector<ParametroRelatorio> parametros;
    for (const ParametroRelatorio& parametro : ParametrosRelatorio())
        if (parametro.banco == Backend::Firebird)
            parametros.push_back(parametro);
    return parametros;
}

class ServidorQueCai : public BaseRelatorio {
protected:
    void SetUp() override
    {
        BaseRelatorio::SetUp();
        fixture_ = std::move(ambiente().conexao);
    }

    void TearDown() override
    {
        ambiente().conexao = std::move(fixture_);
        BaseRelatorio::TearDown();
    }

    // The program's connection, through `relay`.
    void conectaPor(const Retransmissor& relay) const
    {
        QString conexao = banco->stringDeConexao();
        conexao.replace(QStringLiteral("127.0.0.1:"), QStringLiteral("127.0.0.1/%1:").arg(relay.porta()));
        ambiente().conexao = std::make_unique<Connection>();
        ambiente().conexao->Open(Backend::Firebird, conexao);
    }

    QString senha() const
    {
        return qEnvironmentVariable("PANTORO_FIREBIRD_PASSWORD");
    }

private:
    std::unique_ptr<Connection> fixture_;
};

TEST_P(ServidorQueCai, EmCadaConsultaDoRelatorio)
{
    const FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::Detalhado);
    long total = 0;
    {
        Retransmissor relay;
        conectaPor(relay);
        ExecutaRelatorio(filtro, GetParam().motor);
        total = Conexao().contador.consultas;
    }
    const QByteArray esperado = arquivoGerado();
    ASSERT_FALSE(esperado.isEmpty());
    ASSERT_GT(total, 0);

    for (long n = 1; n <= total; ++n) {
        SCOPED_TRACE("statement " + std::to_string(n) + " of " + std::to_string(total));
        relatorio() = VariaveisRelatorio{};
        {
            Retransmissor relay;
            conectaPor(relay);
            Conexao().contador.antesDeConsultar = [&relay, n](long numero, const QString&) {
                if (numero == n)
                    relay.corta();
            };
            try {
                ExecutaRelatorio(filtro, GetParam().motor);
                ADD_FAILURE() << "the run went through a stopped server";
            } catch (const VbError& erro) {
                EXPECT_EQ(erro.Number(), adErroNaConsulta);
                EXPECT_FALSE(erro.Description().trimmed().isEmpty());
                EXPECT_FALSE(erro.Description().contains(senha())) << erro.Description().toStdString();
                if (n == 1)
                    std::cout << "the server's text: " << erro.Description().toStdString() << '\n';
            }
            EXPECT_TRUE(relatorio().ArquivoHTML.isEmpty());
            ambiente().conexao.reset();
        }
        // The server is back: the next start-up connects anew and runs it all.
        Retransmissor relay;
        conectaPor(relay);
        EXPECT_FALSE(ExecutaRelatorio(filtro, GetParam().motor).arquivo.isEmpty());
        EXPECT_EQ(arquivoGerado(), esperado);
        ambiente().conexao.reset();
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, ServidorQueCai, ::testing::ValuesIn(ParametrosFirebird()), NomeDoParametro);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ServidorQueCai);

}  // namespace
