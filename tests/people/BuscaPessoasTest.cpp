#include "fixtures/PessoasDeTeste.h"
#include "support/Casos.h"

#include "people/BuscaPessoas.h"
#include "platform/FlexGrid.h"
#include "shared/Funcoes.h"

#include <map>

namespace {

const std::map<QString, FormaBusca> Formas = {{"Nenhuma", FormaBusca::Nenhuma},
                                              {"CPFCNPJ", FormaBusca::CPFCNPJ},
                                              {"Nome", FormaBusca::Nome},
                                              {"Fantasia", FormaBusca::Fantasia},
                                              {"Cidade", FormaBusca::Cidade},
                                              {"UF", FormaBusca::UF},
                                              {"RamoAtividade", FormaBusca::RamoAtividade},
                                              {"Telefone", FormaBusca::Telefone},
                                              {"CodInterno", FormaBusca::CodInterno},
                                              {"CodExterno", FormaBusca::CodExterno}};
const std::map<QString, ConteudoBusca> Conteudos = {{"Nenhum", ConteudoBusca::Nenhum},
                                                    {"QualquerParte", ConteudoBusca::QualquerParte},
                                                    {"CampoInteiro", ConteudoBusca::CampoInteiro},
                                                    {"InicialCom", ConteudoBusca::InicialCom}};
const std::map<QString, CategoriaPessoa> Categorias = {{"", CategoriaPessoa::Todos},
                                                       {"Nenhuma", CategoriaPessoa::Nenhuma},
                                                       {"Prospect", CategoriaPessoa::Prospect},
                                                       {"Cliente", CategoriaPessoa::Cliente},
                                                       {"Fornecedor", CategoriaPessoa::Fornecedor},
                                                       {"Transportadora", CategoriaPessoa::Transportadora},
                                                       {"Vendedor", CategoriaPessoa::Vendedor},
                                                       {"Motorista", CategoriaPessoa::Motorista}};

// The search of a case's fields 0 to 4.
ParametrosBusca Busca(const Caso& caso)
{
    return ParametrosBusca{caso[0], Formas.at(caso[1]), Conteudos.at(caso[2]), caso[3] == QLatin1String("S"),
                           Categorias.at(caso[4])};
}

TEST(ComandoPesquisa, TextoAoPeDaLetra)
{
    for (const Caso& caso : Casos("people/casos/comandos.tsv")) {
        SCOPED_TRACE(caso.onde());
        EXPECT_EQ(ComandoPesquisa(Busca(caso)), caso[5]);
    }
}

using BuscaNoBanco = PessoasDeTeste;

TEST_P(BuscaNoBanco, PessoasEncontradas)
{
    FlexGrid grid;
    for (const Caso& caso : Casos("people/casos/buscas.tsv")) {
        SCOPED_TRACE(caso.onde());
        const ParametrosBusca busca = Busca(caso);
        const bool achou = PesquisaPessoas(grid, busca);
        EXPECT_EQ(Ids(grid), caso[5].split(u' ', Qt::SkipEmptyParts));
        if (busca.categoria == CategoriaPessoa::Todos)
            EXPECT_EQ(achou, grid.Rows() > 1);
        EXPECT_EQ(funcoes().MostraDesativados, busca.desativados ? "S" : "N");
        if (caso.campos.size() > 6 && grid.Rows() > 1) {
            QStringList celulas;
            for (int c = 0; c < grid.Cols(); ++c)
                celulas << grid.TextMatrix(1, c);
            EXPECT_EQ(celulas.join(u'|'), caso[6]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, BuscaNoBanco, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
