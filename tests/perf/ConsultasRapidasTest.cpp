#include "report/ConsultasRapidas.h"
#include "report/ConsultasRelatorio.h"
#include "report/ExecucaoRelatorio.h"
#include "platform/Conversions.h"
#include "support/BancoDeTeste.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace {

// The set-based queries leave the comparisons to the server and mark the
// corners the per-row lookups must answer; checked here on each server.
class ConsultasRapidas : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override
    {
        banco = std::make_unique<BancoDeTeste>(GetParam());
        banco->executaScript(QStringLiteral(
            "insert into clie (idclie, idpess) values (1, 1);"
            "insert into pess (idpess, nome_pess) values (1, 'MERCADO');"
            "insert into prod (idprod, codi_prod, desc_prod) values (1, 'BN01', 'NANICA CX');"
            "insert into prod (idprod, codi_prod, desc_prod) values (2, 'bn01', 'nanica kg');"
            "insert into prod (idprod, codi_prod, desc_prod) values (3, 'BÑ01', 'ÑANICA');"
            "insert into prod (idprod, codi_prod, desc_prod) values (4, null, 'SEM CODIGO');"
            "insert into prod (idprod, codi_prod, desc_prod, data_desa) values (5, 'BP01', 'PRATA', '2024-01-01 00:00:00');"
            "insert into prod (idprod, codi_prod, desc_prod) values (6, 'bp01', 'prata nova');"
            "insert into prod (idprod, codi_prod, desc_prod) values (7, 'BT01', 'TERRA');"
            "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie) "
            "values (1, 10, '001', '2024-05-02 00:00:00', 1);"
            "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie) "
            "values (2, 11, '001', '2024-05-03 00:00:00', 1);"
            "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie) "
            "values (3, 12, '002', '2024-05-03 00:00:00', 1);"
            "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (1, 1, 1, 2);"
            "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (2, 1, 1, 3);"
            "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (3, 1, 3, 0.5);"
            "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (4, 1, 3, 4);"
            "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (5, 1, 7, -1);"
            "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (6, 2, 7, 20000);"
            "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (7, 2, 7, 20000);"
            "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (8, 2, 6, null);"
            "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (9, 3, 1, 7)"));
        execucao.filtro.dtDe = QStringLiteral("01/05/2024");
        execucao.filtro.dtAte = QStringLiteral("31/05/2024");
        execucao.filtro.codiEmpresa = QStringLiteral("001");
        execucao.colunaData = QStringLiteral("DATA_PEDI");
    }

    std::unique_ptr<BancoDeTeste> banco;
    ExecucaoRelatorio execucao;
};

TEST_P(ConsultasRapidas, CodigosIguaisComoOServidorCompara)
{
    const QHash<QString, ProdutoDoCodigo> produtos = ProdutosPorCodigo();
    // Active products only; a code found in any case, deactivated products too.
    EXPECT_EQ(produtos.size(), 6);
    EXPECT_FALSE(produtos.contains(QStringLiteral("5")));
    EXPECT_EQ(produtos.value(QStringLiteral("1")).achados, 2);
    EXPECT_EQ(produtos.value(QStringLiteral("2")).achados, 2);
    EXPECT_EQ(produtos.value(QStringLiteral("6")).achados, 2);
    // The accent tells codes apart; a single product is named.
    EXPECT_EQ(produtos.value(QStringLiteral("3")).achados, 1);
    EXPECT_EQ(produtos.value(QStringLiteral("3")).idProduto, 3);
    EXPECT_EQ(produtos.value(QStringLiteral("7")).idProduto, 7);
    // A null code is looked up as empty text, which no product has.
    EXPECT_EQ(produtos.value(QStringLiteral("4")).achados, 0);
}

TEST_P(ConsultasRapidas, DescricoesPorGrupoDeCodigo)
{
    const QHash<QString, DescricaoDoCodigo> descricoes = DescricoesPorCodigo();
    EXPECT_EQ(descricoes.value(QStringLiteral("BÑ01")).descricao, QStringLiteral("ÑANICA"));
    EXPECT_EQ(descricoes.value(QStringLiteral("BÑ01")).achados, 1);
    EXPECT_EQ(descricoes.value(QStringLiteral("BT01")).descricao, QStringLiteral("TERRA"));
    // 'BN01' and 'bn01' form one group of two, whichever spelling names it.
    const long nanica = std::max(descricoes.value(QStringLiteral("BN01")).achados,
                                 descricoes.value(QStringLiteral("bn01")).achados);
    EXPECT_EQ(nanica, 2);
    EXPECT_EQ(descricoes.size(), 4);  // the null code is left out
}

TEST_P(ConsultasRapidas, SomasPorProdutoSoDoQueOPassoASomaNaoMuda)
{
    const QString condicoes = CondicoesListaPedidos(execucao);
    const QHash<int32_t, double> regulares = QuantidadesPorProduto(condicoes);
    // Orders 1 and 2 (order 3 is another company's): whole quantities from
    // 0 to 32767 only.
    EXPECT_EQ(regulares.value(1), 5);
    EXPECT_EQ(regulares.value(3), 4);
    EXPECT_EQ(regulares.value(7), 40000);
    EXPECT_EQ(regulares.value(6), 0);

    QVector<ParIncomum> pares = ParesIncomuns(condicoes);
    std::sort(pares.begin(), pares.end(), [](const ParIncomum& a, const ParIncomum& b) {
        return std::make_pair(a.pedido, a.produto) < std::make_pair(b.pedido, b.produto);
    });
    ASSERT_EQ(pares.size(), 3);
    // A fractional and a negative quantity: the step sum depends on the order.
    EXPECT_EQ(pares[0].pedido, 1);
    EXPECT_EQ(pares[0].produto, 3);
    EXPECT_TRUE(pares[0].incomum);
    EXPECT_EQ(pares[0].regular, 4);
    EXPECT_EQ(pares[1].produto, 7);
    EXPECT_TRUE(pares[1].incomum);
    // Whole quantities past 32767: the overflow of the step sum.
    EXPECT_EQ(pares[2].pedido, 2);
    EXPECT_EQ(pares[2].produto, 7);
    EXPECT_FALSE(pares[2].incomum);
    EXPECT_EQ(pares[2].regular, 40000);
}

TEST_P(ConsultasRapidas, LinhasTomadasPedidoAPedido)
{
    LinhasPorPedido itens = ItensDasSomas(CondicoesListaPedidos(execucao), 0);
    QVector<double> doPrimeiro;
    itens.ParaCada(1, [&](const Recordset& linha) { doPrimeiro << CDbl(linha.Fields(QStringLiteral("QTDE"))); });
    EXPECT_EQ(doPrimeiro, (QVector<double>{2, 3, 0.5, 4, -1}));
    int doSegundo = 0;
    itens.ParaCada(2, [&](const Recordset&) { ++doSegundo; });
    EXPECT_EQ(doSegundo, 3);
    // Past the last listed order nothing is left.
    int depois = 0;
    itens.ParaCada(3, [&](const Recordset&) { ++depois; });
    EXPECT_EQ(depois, 0);
}

INSTANTIATE_TEST_SUITE_P(Bancos, ConsultasRapidas, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
