#include "BaseFuncoes.h"

#include <map>

namespace {

// The role lookups take their argument by value and give text.
template <QString (*Papel)(const QString&)> Variant ComoConsulta(QString& idPessoa)
{
    return Variant(Papel(idPessoa));
}

const std::map<QString, Variant (*)(QString&)> ConsultaChamada = {
    {"NomeCliente", NomeCliente},
    {"IdMarca", IdMarca},
    {"IdMarcaProduto", IdMarcaProduto},
    {"IdProduto", IdProduto},
    {"DescontoPedido", DescontoPedido},
    {"IdTipoCliente", IdTipoCliente},
    {"IdVendedor", IdVendedor},
    {"IdCliente", IdCliente},
    {"DescProduto", DescProduto},
    {"NomeVendedor", NomeVendedor},
    {"ParametroEmpresa", ParametroEmpresa},
    {"IdClientePessoa", ComoConsulta<IdClientePessoa>},
    {"IdMotoristaPessoa", ComoConsulta<IdMotoristaPessoa>},
    {"IdTransportadoraPessoa", ComoConsulta<IdTransportadoraPessoa>},
    {"IdVendedorPessoa", ComoConsulta<IdVendedorPessoa>},
    {"IdFornecedorPessoa", ComoConsulta<IdFornecedorPessoa>},
    {"IdDecoradorPessoa", ComoConsulta<IdDecoradorPessoa>},
    {"IdArquitetoPessoa", ComoConsulta<IdArquitetoPessoa>},
};

using Consultas = BaseFuncoes;

TEST_P(Consultas, CadaConsultaDevolveOValorOuONaoEncontrado)
{
    for (const Caso& caso : Casos("shared/casos/consultas.tsv")) {
        SCOPED_TRACE(caso.onde());
        funcoes().MostraDesativados = caso[4];
        QString argumento = caso[1];
        EXPECT_EQ(ConsultaChamada.at(caso[0])(argumento), caso.variant(2));
        EXPECT_EQ(argumento, caso[3]);
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, Consultas, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
