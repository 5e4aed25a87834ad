#include "BaseFuncoes.h"

#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

namespace {

class Consultas : public BaseFuncoes {};

// A lookup by text argument: what it is given, what it returns, what the
// caller's variable holds afterwards.
struct CasoConsulta {
    const char* nome;
    Variant (*consulta)(QString&);
    QString argumento;
    Variant esperado;
    QString variavelDepois;
};

const CasoConsulta CasosConsulta[] = {
    {"NomeClienteAchado", NomeCliente, "10", Variant("ANA PAULA SOUZA"), "10"},
    {"NomeClienteVazioViraZero", NomeCliente, "", Variant(""), "0"},
    {"NomeClienteAusente", NomeCliente, "999", Variant(""), "999"},
    {"IdMarcaEmMinusculas", IdMarca, "hortifruti", Variant::Long(1), "hortifruti"},
    {"IdMarcaAusente", IdMarca, "NENHUMA", Variant::Long(0), "NENHUMA"},
    {"IdMarcaProdutoAparado", IdMarcaProduto, " 101 ", Variant::Long(2), " 101 "},
    {"IdMarcaProdutoSemMarca", IdMarcaProduto, "102", Variant::Long(0), "102"},
    {"IdMarcaProdutoAusente", IdMarcaProduto, "999", Variant::Long(0), "999"},
    {"IdProdutoEmMinusculas", IdProduto, "ban01", Variant::Long(101), "ban01"},
    {"IdProdutoAusente", IdProduto, "XYZ", Variant::Long(0), "XYZ"},
    {"DescontoPedidoAparado", DescontoPedido, " 1001 ", Variant::Double(2.5), " 1001 "},
    {"DescontoPedidoNulo", DescontoPedido, "1002", Variant::Null(), "1002"},
    {"DescontoPedidoAusente", DescontoPedido, "9999", Variant::Long(0), "9999"},
    {"IdTipoClienteEmMinusculas", IdTipoCliente, "atacado", Variant::Long(2), "atacado"},
    {"IdTipoClienteDesativadoAchado", IdTipoCliente, "ANTIGO", Variant::Long(3), "ANTIGO"},
    {"IdTipoClienteAusente", IdTipoCliente, "NADA", Variant::Long(0), "NADA"},
    {"IdVendedorAchado", IdVendedor, "beto", Variant::Long(20), "beto"},
    {"IdVendedorAusente", IdVendedor, "NINGUEM", Variant::Long(0), "NINGUEM"},
    {"IdClienteComApostrofo", IdCliente, "D'ÁVILA COMERCIO", Variant::Long(11), "D'ÁVILA COMERCIO"},
    {"IdClienteComApostrofoEmMinusculas", IdCliente, "d'ávila comercio", Variant::Long(11), "d'ávila comercio"},
    {"IdClienteAusente", IdCliente, "O'NEIL", Variant::Long(0), "O'NEIL"},
    {"DescProdutoAparado", DescProduto, " tom01 ", Variant("TOMATE"), " tom01 "},
    {"DescProdutoAusente", DescProduto, "X'Y", Variant(""), "X'Y"},
    {"NomeVendedorAchado", NomeVendedor, "20", Variant("BETO"), "20"},
    {"NomeVendedorAusente", NomeVendedor, "99", Variant(""), "99"},
    {"ParametroEmpresaComBrancoAoFim", ParametroEmpresa, "MODELO_PEDI_VEDS ", Variant("MODELO2"),
     "MODELO_PEDI_VEDS "},
    {"ParametroEmpresaNulo", ParametroEmpresa, "VAZIO", Variant(""), "VAZIO"},
    {"ParametroEmpresaAusente", ParametroEmpresa, "NAO_HA", Variant(""), "NAO_HA"},
};

TEST_P(Consultas, CadaConsultaDevolveOValorOuONaoEncontrado)
{
    for (const CasoConsulta& caso : CasosConsulta) {
        SCOPED_TRACE(caso.nome);
        QString argumento = caso.argumento;
        EXPECT_EQ(caso.consulta(argumento), caso.esperado);
        EXPECT_EQ(argumento, caso.variavelDepois);
    }
}

struct CasoPapel {
    const char* nome;
    QString (*consulta)(const QString&);
    QString idPessoa;
    QString mostraDesativados;
    QString esperado;
};

const CasoPapel CasosPapel[] = {
    {"Cliente", IdClientePessoa, "3", "N", "12"},
    {"Motorista", IdMotoristaPessoa, "3", "N", "30"},
    {"Transportadora", IdTransportadoraPessoa, "3", "N", "40"},
    {"Vendedor", IdVendedorPessoa, "3", "N", "20"},
    {"Fornecedor", IdFornecedorPessoa, "3", "N", "50"},
    {"Decorador", IdDecoradorPessoa, "3", "N", "60"},
    {"Arquiteto", IdArquitetoPessoa, "3", "N", "70"},
    {"SemOPapel", IdMotoristaPessoa, "1", "N", "0"},
    {"ClienteDesativadoOcultoComN", IdClientePessoa, "5", "N", "0"},
    {"ClienteDesativadoOcultoSemValor", IdClientePessoa, "5", "", "0"},
    {"ClienteDesativadoAchadoComS", IdClientePessoa, "5", "S", "14"},
    {"VendedorDesativadoAchadoComS", IdVendedorPessoa, "5", "S", "22"},
};

TEST_P(Consultas, PapeisDaPessoaRespeitamMostraDesativados)
{
    for (const CasoPapel& caso : CasosPapel) {
        SCOPED_TRACE(caso.nome);
        funcoes().MostraDesativados = caso.mostraDesativados;
        EXPECT_EQ(caso.consulta(caso.idPessoa), caso.esperado);
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, Consultas, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
