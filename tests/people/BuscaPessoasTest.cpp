#include "fixtures/BancoDeTeste.h"
#include "support/Casos.h"

#include "people/BuscaPessoas.h"
#include "platform/FlexGrid.h"
#include "shared/Funcoes.h"

namespace {

// A value of the enum by its name, listed in the enum's order.
template <typename Valor> Valor Nomeado(const QString& nome, const QStringList& nomes)
{
    EXPECT_TRUE(nomes.contains(nome)) << nome.toStdString();
    return static_cast<Valor>(nomes.indexOf(nome));
}

ParametrosBusca Busca(const Caso& caso)
{
    return ParametrosBusca{
        caso("texto"),
        Nomeado<FormaBusca>(caso("forma"), {"Nenhuma", "CPFCNPJ", "Nome", "Fantasia", "Cidade", "UF", "RamoAtividade",
                                            "Telefone", "CodInterno", "CodExterno"}),
        Nomeado<ConteudoBusca>(caso("conteudo"), {"Nenhum", "QualquerParte", "CampoInteiro", "InicialCom"}),
        caso("desativados") == QLatin1String("S"),
        Nomeado<CategoriaPessoa>(caso("categoria"), {"Nenhuma", "Todos", "Prospect", "Cliente", "Fornecedor",
                                                     "Transportadora", "Vendedor", "Motorista"})};
}

class ComandoPesquisaAoPeDaLetra : public ::testing::TestWithParam<Caso> {};

TEST_P(ComandoPesquisaAoPeDaLetra, Texto)
{
    EXPECT_EQ(ComandoPesquisa(Busca(GetParam())), GetParam()("comando"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, ComandoPesquisaAoPeDaLetra, ::testing::ValuesIn(Casos("people/casos/comandos.tsv")),
                         NomeDoCaso);

// Every row of a backend on one database of fixtures/pessoas.sql: the
// searches only read it.
class BuscaNoBanco : public ::testing::TestWithParam<std::tuple<Backend, Caso>> {
protected:
    static void TearDownTestSuite() { banco.reset(); }
    void SetUp() override
    {
        if (!banco || banco->backend() != std::get<0>(GetParam())) {
            banco.reset();
            banco = std::make_unique<BancoDeTeste>(std::get<0>(GetParam()));
            banco->executaScript(DadosDeTeste("fixtures/pessoas.sql"));
        }
        funcoes() = VariaveisFuncoes{};
    }
    static inline std::unique_ptr<BancoDeTeste> banco;
};

TEST_P(BuscaNoBanco, PessoasEncontradas)
{
    const Caso& caso = std::get<1>(GetParam());
    const ParametrosBusca busca = Busca(caso);
    FlexGrid grid;
    const bool achou = PesquisaPessoas(grid, busca);
    QStringList ids, celulas;
    for (int r = 1; r < grid.Rows(); ++r)
        ids << grid.TextMatrix(r, 0);
    EXPECT_EQ(ids, caso("ids").split(u' ', Qt::SkipEmptyParts));
    // A category may list none of the persons found.
    EXPECT_TRUE(achou == (grid.Rows() > 1) || busca.categoria != CategoriaPessoa::Todos);
    EXPECT_EQ(funcoes().MostraDesativados, busca.desativados ? "S" : "N");
    for (int c = 0; c < grid.Cols() && grid.Rows() > 1; ++c)
        celulas << grid.TextMatrix(1, c);
    if (!caso("primeira_linha").isEmpty()) {
        EXPECT_EQ(celulas.join(u'|'), caso("primeira_linha"));
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, BuscaNoBanco,
                         ::testing::Combine(::testing::ValuesIn(BancoDeTeste::disponiveis()),
                                            ::testing::ValuesIn(Casos("people/casos/buscas.tsv"))),
                         [](const ::testing::TestParamInfo<std::tuple<Backend, Caso>>& info) {
                             return BancoDeTeste::nome(std::get<0>(info.param)) + '_' + std::get<1>(info.param).nome();
                         });

}  // namespace
