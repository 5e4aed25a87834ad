#include "support/AmbienteDeTeste.h"

#include "startup/Ambiente.h"

#include <optional>

namespace {

const QString release = QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05");
const Mensagem chamadaIlegal{QStringLiteral("Chamada Ilegal para esta rotina!"), IconeMensagem::Nenhum,
                             QStringLiteral("Pantoro")};
const Mensagem semLinhaDeConfig{
    QString::fromUtf8("Conteúdo do Arquivo NÃO Encontrado!\rContate o seu Desenvolvedor para posicionar a falha "
                      "de Conexão!"),
    IconeMensagem::Nenhum, QString::fromUtf8("Falha de Conexão com o Servidor")};

Mensagem idForaDaFaixa(const char* qual, const char* numero)
{
    return {QString::fromUtf8("Chamada inválida: o código %1 (%2) está fora do intervalo de -32768 a 32767.")
                .arg(QString::fromUtf8(qual), QString::fromLatin1(numero)),
            IconeMensagem::Critico, QStringLiteral("Pantoro")};
}

struct CasoChamada {
    const char* nome;
    QString argumento;
    bool marcador;
    std::optional<Mensagem> mensagem;  // the one message that ends start-up
    int16_t idUsuario;
    int16_t idEmpresa;
    QString codiAmbiente;
    QString parametros;  // ParametrosChamada afterwards
    QString titulo;      // when start-up goes through
};

class Chamada : public AmbienteDeTeste, public ::testing::WithParamInterface<CasoChamada> {};

TEST_P(Chamada, LeAChamadaETitulaAJanela)
{
    const CasoChamada& caso = GetParam();
    if (caso.marcador)
        escreve(QStringLiteral("korva/config/ZAKTORP.txt"), "qualquer coisa");

    const int saida = inicia(caso.argumento);

    const Ambiente& a = ambiente();
    if (caso.mensagem) {
        EXPECT_EQ(saida, 1);
        ASSERT_EQ(caixa->mensagens.size(), 1);
        EXPECT_EQ(caixa->mensagens[0].prompt, caso.mensagem->prompt);
        EXPECT_EQ(caixa->mensagens[0].icone, caso.mensagem->icone);
        EXPECT_EQ(caixa->mensagens[0].titulo, caso.mensagem->titulo);
    } else {
        EXPECT_EQ(saida, 0);
        EXPECT_TRUE(caixa->mensagens.isEmpty());
        EXPECT_EQ(TituloJanela(), caso.titulo);
        EXPECT_EQ(a.NomeTela, QStringLiteral("frmPantoro"));
    }
    EXPECT_EQ(a.IdUsuario, caso.idUsuario);
    EXPECT_EQ(a.IdEmpresa, caso.idEmpresa);
    EXPECT_EQ(a.CodiAmbiente, caso.codiAmbiente);
    EXPECT_EQ(a.ParametrosChamada, caso.parametros);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Chamada,
    ::testing::Values(
        CasoChamada{"MarcadorIgnoraALinhaDeComando", "7^2^DEV^", true, std::nullopt, 1, 1, "PRD", "1^1^PRD^",
                    release + " (PRD)(001/MARIA)"},
        CasoChamada{"SemMarcadorValeALinhaDeComando", "7^3^DEV^", false, std::nullopt, 7, 3, "DEV", "7^3^DEV^",
                    release + " (DEV)(003/)"},
        CasoChamada{"ChamadaEmBranco", "   ", false, chamadaIlegal, 0, 0, "", "   ", ""},
        CasoChamada{"SemCaretFinal", "5^2^HIST", false, std::nullopt, 5, 2, "HIST", "5^2^HIST^",
                    release + " (HIST)(002/JOSE)"},
        CasoChamada{"SemAmbiente", "5^2", false, semLinhaDeConfig, 5, 2, ".", "5^2^", ""},
        CasoChamada{"UsuarioNaoNumerico", "abc^2^PRD^", false, std::nullopt, 0, 2, "PRD", "abc^2^PRD^",
                    release + " (PRD)(002/)"},
        CasoChamada{"UsuarioComBrancoEResto", " 12x^1^PRD^", false, std::nullopt, 12, 1, "PRD", " 12x^1^PRD^",
                    release + " (PRD)(001/PEDRO)"},
        CasoChamada{"MeioArredondaParaPar", "2.5^1^PRD^", false, std::nullopt, 2, 1, "PRD", "2.5^1^PRD^",
                    release + " (PRD)(001/)"},
        CasoChamada{"AmbienteVazioUsaALinhaDeProducao", "5^2^^", false, std::nullopt, 5, 2, "", "5^2^^",
                    release + " ()(002/JOSE)"},
        CasoChamada{"AmbienteEmMinusculas", "1^1^prd^", false, semLinhaDeConfig, 1, 1, "prd", "1^1^prd^", ""},
        CasoChamada{"UsuarioForaDaFaixa", "70000^1^PRD^", false, idForaDaFaixa("do usuário", "70000"), 0, 0, "",
                    "70000^1^PRD^", ""},
        CasoChamada{"EmpresaForaDaFaixa", "1^-40000^PRD^", false, idForaDaFaixa("da empresa", "-40000"), 1, 0, "",
                    "1^-40000^PRD^", ""}),
    [](const ::testing::TestParamInfo<CasoChamada>& info) { return std::string(info.param.nome); });

}  // namespace
