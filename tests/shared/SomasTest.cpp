#include "BaseFuncoes.h"

#include "platform/VbError.h"

#include <functional>
#include <map>

namespace {

// Each sum by name over a case's fields 1 to 3, its result as the Variant of its type.
const std::map<QString, std::function<Variant(const Caso&)>> Soma = {
    {"QtdeItensSubGrupo",
     [](const Caso& c) { return Variant::Integer(QtdeItensSubGrupo(c.inteiro(1), c.inteiro(2), c[3])); }},
    {"QtdeProdutoPedido", [](const Caso& c) { return Variant::Integer(QtdeProdutoPedido(c.inteiro(1), c[2])); }},
    {"TotalQtdePedido", [](const Caso& c) { return Variant::Double(TotalQtdePedido(c.inteiro(1), c.inteiro(2))); }},
    {"TotalValorPedido", [](const Caso& c) { return Variant::Double(TotalValorPedido(c.inteiro(1), c.inteiro(2))); }},
    {"TotalDescontoPedido",
     [](const Caso& c) { return Variant::Double(TotalDescontoPedido(c.inteiro(1), c.inteiro(2))); }},
    {"QtdePedidosVendedorDia", [](const Caso& c) { return Variant::Long(QtdePedidosVendedorDia(c[1], c[2])); }},
    {"PAVendedorDia", [](const Caso& c) { return Variant(PAVendedorDia(c[1], c[2])); }},
};

using Somas = BaseFuncoes;

TEST_P(Somas, CadaSomaDoPedidoOuDoDia)
{
    for (const Caso& caso : Casos("shared/casos/somas.tsv")) {
        SCOPED_TRACE(caso.onde());
        try {
            EXPECT_EQ(Soma.at(caso[0])(caso), caso.variant(4));
        } catch (const VbError& erro) {
            EXPECT_EQ(QStringLiteral("erro %1: %2").arg(erro.Number()).arg(erro.Description()), caso[4]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, Somas, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
