#include "BaseFuncoes.h"

#include "platform/VbError.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

namespace {

class Somas : public BaseFuncoes {};

struct CasoSubGrupo {
    int32_t pedido;
    int32_t subGrupo;
    const char* status;
    int16_t esperado;
};

TEST_P(Somas, QtdeItensSubGrupoArredondaACadaPassoEIgnoraLinhasDesativadas)
{
    const CasoSubGrupo casos[] = {
        {1, 7, "", 6},           // 0.5 + 0.5 + 2.5 + 4 with a round at each step; line 4 deactivated
        {1, 7, "   ", 6},        // blanks only: no status condition
        {1, 7, "Verde", 2},      // sent upper-cased; 0.5 and 0.5 each round to 0
        {1, 7, "Madura", 4},
        {1, 8, "", 0},           // the only line has a null quantity
        {1, 9, "MADURA", 3},
        {1, 55, "", 0},
        {8, 7, "", 32767},
    };
    for (const CasoSubGrupo& caso : casos)
        EXPECT_EQ(QtdeItensSubGrupo(caso.pedido, caso.subGrupo, QString::fromLatin1(caso.status)), caso.esperado)
            << caso.pedido << "/" << caso.subGrupo << "/" << caso.status;
}

TEST_P(Somas, QtdeProdutoPedidoContaLinhasDesativadas)
{
    EXPECT_EQ(QtdeProdutoPedido(1, QStringLiteral("tom01")), 8);
    EXPECT_EQ(QtdeProdutoPedido(1, QStringLiteral("BAN01")), 3);
    EXPECT_EQ(QtdeProdutoPedido(1, QStringLiteral("ALF01")), 0);
    EXPECT_EQ(QtdeProdutoPedido(1, QStringLiteral("NAO HA")), 0);
    EXPECT_EQ(QtdeProdutoPedido(8, QStringLiteral("TOM01")), 32767);
}

TEST_P(Somas, TotalDe16BitsPassadoOLimiteEErroClaro)
{
    for (const auto& soma : {std::function<void()>([] { QtdeItensSubGrupo(9, 7, QString()); }),
                             std::function<void()>([] { QtdeProdutoPedido(9, QStringLiteral("TOM01")); })}) {
        try {
            soma();
            ADD_FAILURE() << "no overflow";
        } catch (const VbError& erro) {
            EXPECT_EQ(erro.Number(), vb_error::Overflow);
            EXPECT_TRUE(erro.Description().contains(QLatin1String("32767"))) << erro.Description().toStdString();
        }
    }
}

struct CasoTotal {
    const char* nome;
    double (*total)(int32_t, int32_t);
    int32_t pedido;
    int32_t marca;
    double esperado;
};

TEST_P(Somas, TotaisDoPedidoPorMarca)
{
    const CasoTotal casos[] = {
        // Every line, deactivated ones too; null tested column (and null quantity
        // in the discount) skipped.
        {"QtdeTodas", TotalQtdePedido, 1, 0, 12.5},
        {"ValorTodas", TotalValorPedido, 1, 0, 130},
        {"DescontoTodas", TotalDescontoPedido, 1, 0, 5},
        {"DescontoMarcaNegativa", TotalDescontoPedido, 1, -3, 5},
        {"QtdeMarca1", TotalQtdePedido, 1, 1, 9.5},
        {"ValorMarca1", TotalValorPedido, 1, 1, 100},
        {"DescontoMarca1", TotalDescontoPedido, 1, 1, 3.5},
        {"QtdeMarca2", TotalQtdePedido, 1, 2, 3},
        {"DescontoMarca2", TotalDescontoPedido, 1, 2, 1.5},
        {"DescontoMarcaAusente", TotalDescontoPedido, 1, 99, 0},
        {"ValorPedidoSemLinhas", TotalValorPedido, 77, 0, 0},
    };
    for (const CasoTotal& caso : casos)
        EXPECT_DOUBLE_EQ(caso.total(caso.pedido, caso.marca), caso.esperado) << caso.nome;
}

struct CasoDia {
    const char* dia;
    const char* vendedor;
    int32_t pedidos;
    const char* pa;
};

TEST_P(Somas, PedidosEPADoVendedorNoDia)
{
    const CasoDia casos[] = {
        {"05/03/2024", "20", 2, "2^16^8^"},
        {"05/03/2024", " 20 ", 2, "2^16^8^"},
        {"05/03/2024", "21", 1, "1^1,5^1,5^"},
        {"05/03/2024", "", 3, "3^17,5^5,83333333333333^"},
        {"06/03/2024", "21", 1, "1^2^2^"},  // another company's order counts too
        {"07/03/2024", "", 0, "0^0^0^"},
    };
    for (const CasoDia& caso : casos) {
        SCOPED_TRACE(std::string(caso.dia) + " / " + caso.vendedor);
        const QString dia = QString::fromLatin1(caso.dia);
        const QString vendedor = QString::fromLatin1(caso.vendedor);
        EXPECT_EQ(QtdePedidosVendedorDia(dia, vendedor), caso.pedidos);
        EXPECT_EQ(PAVendedorDia(dia, vendedor), QString::fromLatin1(caso.pa));
    }
}

TEST_P(Somas, DiaSemPedidosNaoContaOsPedidos)
{
    QStringList enviadas;
    Conexao().contador.antesDeConsultar = [&](long, const QString& sql) { enviadas << sql; };
    EXPECT_EQ(PAVendedorDia(QStringLiteral("07/03/2024"), QStringLiteral("20")), QStringLiteral("0^0^0^"));
    ASSERT_EQ(enviadas.size(), 1);
    EXPECT_TRUE(enviadas[0].contains(QLatin1String("pedi_veds_deta.QTDE")));
}

INSTANTIATE_TEST_SUITE_P(Bancos, Somas, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
