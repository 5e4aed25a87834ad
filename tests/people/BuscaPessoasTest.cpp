#include "support/PessoasDeTeste.h"

#include "people/BuscaPessoas.h"
#include "platform/FlexGrid.h"
#include "shared/Funcoes.h"

namespace {

struct CasoComando {
    const char* nome;
    ParametrosBusca parametros;
    const char* esperado;
};

ParametrosBusca Busca(const char* texto, FormaBusca forma, ConteudoBusca conteudo = ConteudoBusca::QualquerParte,
                      bool desativados = false)
{
    return ParametrosBusca{QString::fromUtf8(texto), forma, conteudo, desativados, CategoriaPessoa::Todos};
}

const QString Atividade = QStringLiteral(
    "SELECT pess.IDPESS, pess.NOME_PESS, pess.NOME_CONH, pess.PSFI_PSJU, pess.CPF0_CNPJ, pess.RG00_IE00, "
    "pess.ENDE_COML_PESS, pess.BAIR_COML_PESS, pess.CIDA_COML_PESS, pess.CEP0_COML_PESS, pess.UF00_COML_PESS, "
    "pess.ENDE_ENTG_PESS, pess.BAIR_ENTG_PESS, pess.CIDA_ENTG_PESS, pess.CEP0_ENTG_PESS, pess.UF00_ENTG_PESS, "
    "pess.TELE_0001_PESS, pess.TELE_0002_PESS, pess.EMAI_PESS, pess.HTTP_PESS, pess.ENDE_COBR_PESS, "
    "pess.BAIR_COBR_PESS, pess.CIDA_COBR_PESS, pess.CEP0_COBR_PESS, pess.UF00_COBR_PESS, pess.FAX0_0001_PESS, "
    "pess.FAX0_0002_PESS, pess.DATA_ANIV, pess.SEXO, pess.DATA_INCL, pess.USER_INCL, pess.DATA_DESA, "
    "pess.USER_DESA, ATIV.DESC_ATIV, pess.idCLIE, pess.idTRPT, pess.idVEND, pess.idMOTO, pess.idDECO, "
    "pess.idFORN, pess.idARQT, pess.PESS_CODI_EXTE FROM ATIV, pess, PESS_ATIV "
    "WHERE PESS_ATIV.IDPESS = pess.IDPESS AND PESS_ATIV.IDATIV = ATIV.IDATIV AND (pess.DATA_DESA Is Null) ");

const CasoComando CasosComando[] = {
    {"CpfSempreNoInicio", Busca("123", FormaBusca::CPFCNPJ, ConteudoBusca::QualquerParte),
     "SELECT * FROM pess WHERE data_desa is null and cpf0_cnpj like '123%' order by nome_pess"},
    {"NomeQualquerParte", Busca("ana", FormaBusca::Nome, ConteudoBusca::QualquerParte),
     "SELECT * FROM pess WHERE data_desa is null and nome_pess like '%ana%' order by nome_pess"},
    {"NomeExato", Busca("ana", FormaBusca::Nome, ConteudoBusca::CampoInteiro),
     "SELECT * FROM pess WHERE data_desa is null and nome_pess = 'ana' order by nome_pess"},
    {"NomeIniciaCom", Busca("ana", FormaBusca::Nome, ConteudoBusca::InicialCom),
     "SELECT * FROM pess WHERE data_desa is null and nome_pess like 'ana%' order by nome_pess"},
    {"NomeSemConteudo", Busca("ana", FormaBusca::Nome, ConteudoBusca::Nenhum),
     "SELECT * FROM pess WHERE data_desa is null order by nome_pess"},
    {"FantasiaQualquerParte", Busca("ana", FormaBusca::Fantasia, ConteudoBusca::QualquerParte),
     "SELECT * FROM pess WHERE data_desa is null and nome_conh like '%ana%' order by nome_conh"},
    {"FantasiaExata", Busca("ana", FormaBusca::Fantasia, ConteudoBusca::CampoInteiro),
     "SELECT * FROM pess WHERE data_desa is null and nome_conh = 'ana' order by nome_conh"},
    {"FantasiaIniciaCom", Busca("ana", FormaBusca::Fantasia, ConteudoBusca::InicialCom),
     "SELECT * FROM pess WHERE data_desa is null and nome_conh like 'ana%' order by nome_conh"},
    {"CidadeQualquerParteMesmoExata", Busca("paulo", FormaBusca::Cidade, ConteudoBusca::CampoInteiro),
     "SELECT * FROM pess WHERE data_desa is null and cida_coml_pess like '%paulo%' order by nome_conh"},
    {"EstadoIgualdadeMesmoIniciaCom", Busca("sp", FormaBusca::UF, ConteudoBusca::InicialCom),
     "SELECT * FROM pess WHERE data_desa is null and uf00_coml_pess = 'sp' order by nome_conh"},
    {"Telefone", Busca("5555", FormaBusca::Telefone),
     "SELECT * FROM pess WHERE data_desa is null and (tele_0001_pess like '%5555%' or tele_0002_pess like "
     "'%5555%' or fax0_0001_pess like '%5555%' or fax0_0002_pess like '%5555%') order by nome_pess"},
    {"CodigoInterno", Busca("12", FormaBusca::CodInterno),
     "SELECT * FROM pess WHERE data_desa is null and (idpess like '%12%') order by idpess"},
    {"CodigoExterno", Busca("ext", FormaBusca::CodExterno),
     "SELECT * FROM pess WHERE data_desa is null and (pess_codi_exte like '%ext%') order by pess_codi_exte"},
    {"DesativadosSemTexto", Busca("  ", FormaBusca::Telefone, ConteudoBusca::QualquerParte, true),
     "SELECT * FROM pess WHERE (Not DATA_DESA Is Null)  order by nome_pess"},
    {"NenhumaFormaSemOrdem", Busca("ana", FormaBusca::Nenhuma),
     "SELECT * FROM pess WHERE data_desa is null "},
    {"TextoAparadoEAspasDobradas", Busca("  d'avila ", FormaBusca::Nome, ConteudoBusca::CampoInteiro),
     "SELECT * FROM pess WHERE data_desa is null and nome_pess = 'd''avila' order by nome_pess"},
    {"CuringasMantidos", Busca("a%_b", FormaBusca::Nome),
     "SELECT * FROM pess WHERE data_desa is null and nome_pess like '%a%_b%' order by nome_pess"},
    {"AtividadeSemTextoNaoRefazComando", Busca("", FormaBusca::RamoAtividade, ConteudoBusca::QualquerParte, true),
     "SELECT * FROM pess WHERE (Not DATA_DESA Is Null) order by nome_conh"},
};

class ComandoPesquisaTest : public ::testing::TestWithParam<CasoComando> {};

TEST_P(ComandoPesquisaTest, TextoAoPeDaLetra)
{
    EXPECT_EQ(ComandoPesquisa(GetParam().parametros).toStdString(), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Formas, ComandoPesquisaTest, ::testing::ValuesIn(CasosComando),
                         [](const auto& info) { return std::string(info.param.nome); });

// Searches on the fixture company: which persons come back, in which order.
struct CasoBusca {
    const char* nome;
    ParametrosBusca parametros;
    QStringList ids;
};

ParametrosBusca Em(CategoriaPessoa categoria, ParametrosBusca p)
{
    p.categoria = categoria;
    return p;
}

const CasoBusca CasosBusca[] = {
    {"CpfSoNoInicio", Busca("123", FormaBusca::CPFCNPJ), {"12"}},
    {"CpfNoMeioNaoAcha", Busca("456", FormaBusca::CPFCNPJ), {}},
    {"NomeQualquerParteMinusculo", Busca("silva", FormaBusca::Nome), {"12"}},
    {"NomeExato", Busca("ana da silva", FormaBusca::Nome, ConteudoBusca::CampoInteiro), {"12"}},
    {"NomeExatoParcialNaoAcha", Busca("ana", FormaBusca::Nome, ConteudoBusca::CampoInteiro), {}},
    {"NomeIniciaCom", Busca("ana", FormaBusca::Nome, ConteudoBusca::InicialCom), {"12"}},
    {"NomeIniciaComNoMeioNaoAcha", Busca("silva", FormaBusca::Nome, ConteudoBusca::InicialCom), {}},
    {"NomeComApostrofo", Busca("d'avila", FormaBusca::Nome), {"112"}},
    {"NomePorcentoCuringa", Busca("a%silva", FormaBusca::Nome), {"12"}},
    {"NomeSublinhadoCuringa", Busca("an_ da", FormaBusca::Nome), {"12"}},
    {"FantasiaQualquerParte", Busca("frut", FormaBusca::Fantasia), {"12", "112"}},
    {"FantasiaExata", Busca("d'avila hortifruti", FormaBusca::Fantasia, ConteudoBusca::CampoInteiro), {"112"}},
    {"FantasiaIniciaCom", Busca("d'av", FormaBusca::Fantasia, ConteudoBusca::InicialCom), {"112"}},
    {"CidadeSempreQualquerParte", Busca("paulo", FormaBusca::Cidade, ConteudoBusca::InicialCom), {"12"}},
    {"EstadoOrdenadoPorFantasia", Busca("sp", FormaBusca::UF), {"12", "112"}},
    {"EstadoSoIgualdade", Busca("s", FormaBusca::UF), {}},
    {"TelefoneSegundoNumero", Busca("5555", FormaBusca::Telefone), {"112"}},
    {"TelefoneFax", Busca("7777", FormaBusca::Telefone), {"7"}},
    {"CodigoInternoComoTexto", Busca("12", FormaBusca::CodInterno), {"12", "112", "120"}},
    {"CodigoExternoOrdenado", Busca("ext-1", FormaBusca::CodExterno), {"12", "120"}},
    {"AtividadeListaDuasVezesSemDesativado", Busca("frut", FormaBusca::RamoAtividade), {"12", "12", "120"}},
    {"AtividadeIgnoraCaixaDesativados", Busca("frut", FormaBusca::RamoAtividade, ConteudoBusca::QualquerParte, true),
     {"12", "12", "120"}},
    {"DesativadosSemTexto", Busca("", FormaBusca::Nome, ConteudoBusca::QualquerParte, true), {"99"}},
    {"TodosAtivosPorNome", Busca("", FormaBusca::Nome), {"50", "12", "112", "120", "7", "30"}},
    {"Prospect", Em(CategoriaPessoa::Prospect, Busca("", FormaBusca::Nome)), {"7"}},
    {"Clientes", Em(CategoriaPessoa::Cliente, Busca("", FormaBusca::Nome)), {"50", "12"}},
    {"ClientesDesativados", Em(CategoriaPessoa::Cliente, Busca("", FormaBusca::Nome, ConteudoBusca::Nenhum, true)),
     {"99"}},
    {"Fornecedores", Em(CategoriaPessoa::Fornecedor, Busca("", FormaBusca::Nome)), {"112"}},
    {"Transportadoras", Em(CategoriaPessoa::Transportadora, Busca("", FormaBusca::Nome)), {"120"}},
    {"Vendedores", Em(CategoriaPessoa::Vendedor, Busca("", FormaBusca::Nome)), {"30"}},
    {"SemMotoristas", Em(CategoriaPessoa::Motorista, Busca("", FormaBusca::Nome)), {}},
    {"SemCategoriaNinguem", Em(CategoriaPessoa::Nenhuma, Busca("", FormaBusca::Nome)), {}},
};

using BuscaNoBanco = PessoasDeTeste;

TEST_P(BuscaNoBanco, PessoasEncontradas)
{
    FlexGrid grid;
    for (const CasoBusca& caso : CasosBusca) {
        SCOPED_TRACE(caso.nome);
        const bool achou = PesquisaPessoas(grid, caso.parametros);
        EXPECT_EQ(Ids(grid), caso.ids);
        if (caso.parametros.categoria == CategoriaPessoa::Todos)
            EXPECT_EQ(achou, !caso.ids.isEmpty());
        EXPECT_EQ(funcoes().MostraDesativados, caso.parametros.desativados ? "S" : "N");
    }
}

TEST_P(BuscaNoBanco, TextoDasLinhasPorCategoria)
{
    FlexGrid grid;
    const auto linha = [&grid](int r) {
        QStringList celulas;
        for (int c = 0; c < grid.Cols(); ++c)
            celulas << grid.TextMatrix(r, c);
        return celulas.join(u'|');
    };

    PesquisaPessoas(grid, Busca("ana", FormaBusca::Nome));
    EXPECT_EQ(linha(1), "12|12345678901|ANA DA SILVA|ANA FRUTAS|1133334444|||EXT-12||");

    PesquisaPessoas(grid, Em(CategoriaPessoa::Prospect, Busca("", FormaBusca::Nome)));
    EXPECT_EQ(linha(1), "7|98765432100|DORA PROSPECTO|DORA MODAS|2133330000||0|EXT-7|0|");

    PesquisaPessoas(grid, Em(CategoriaPessoa::Fornecedor, Busca("", FormaBusca::Nome)));
    EXPECT_EQ(linha(1), "112||BENTO D'AVILA|D'AVILA HORTIFRUTI|||701||701|");

    PesquisaPessoas(grid, Em(CategoriaPessoa::Cliente, Busca("ana", FormaBusca::Nome)));
    EXPECT_EQ(linha(1), "12|12345678901|ANA DA SILVA|ANA FRUTAS|1133334444||501|EXT-12|501|");

    PesquisaPessoas(grid, Em(CategoriaPessoa::Transportadora, Busca("", FormaBusca::Nome)));
    EXPECT_EQ(linha(1), "120||CARLOS PEREIRA|CARLOS TRANSPORTES|||901|EXT-120||");

    PesquisaPessoas(grid, Em(CategoriaPessoa::Cliente, Busca("", FormaBusca::Nome, ConteudoBusca::Nenhum, true)));
    EXPECT_EQ(linha(1), "99||HELENA ANTIGA|HELENA||15/03/2024|504||504|");
}

INSTANTIATE_TEST_SUITE_P(Bancos, BuscaNoBanco, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
