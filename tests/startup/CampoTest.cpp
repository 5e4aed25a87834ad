#include "support/AmbienteDeTeste.h"
#include "startup/Ambiente.h"

#include <gtest/gtest.h>

namespace {

struct CasoCampo {
    const char* nome;
    QString texto;
    int16_t n;
    Variant esperado;
    QString textoDepois;  // the caller's text after the call
};

class CampoExtrai : public ::testing::TestWithParam<CasoCampo> {};

TEST_P(CampoExtrai, CampoETextoDoChamador)
{
    const CasoCampo& caso = GetParam();
    QString texto = caso.texto;
    const Variant campo = Campo(caso.n, texto);
    EXPECT_EQ(campo.type(), caso.esperado.type());
    EXPECT_EQ(campo.text(), caso.esperado.text());
    EXPECT_EQ(texto, caso.textoDepois);
}

INSTANTIATE_TEST_SUITE_P(
    Regras, CampoExtrai,
    ::testing::Values(
        CasoCampo{"PrimeiroCampo", "1^1^PRD^", 1, Variant("1"), "1^1^PRD^"},
        CasoCampo{"TerceiroCampo", "1^1^PRD^", 3, Variant("PRD"), "1^1^PRD^"},
        CasoCampo{"CampoVazioEntreCarets", "5^2^^", 3, Variant(""), "5^2^^"},
        CasoCampo{"AusenteDaPonto", "5^2^", 3, Variant("."), "5^2^"},
        CasoCampo{"SemCaretFinalGanhaUm", "5^2^HIST", 3, Variant("HIST"), "5^2^HIST^"},
        CasoCampo{"BrancosForaSaoAparadosAoAcrescentar", "  5^2 ", 2, Variant("2"), "5^2^"},
        CasoCampo{"TerminadoEmCaretNaoEAparado", " 12x^2^", 1, Variant(" 12x"), " 12x^2^"},
        CasoCampo{"TerminadoEmCaretEBrancosFicaComoEsta", "a^b^  ", 2, Variant("b"), "a^b^  "},
        CasoCampo{"CamposNaoSaoAparados", "a^ b ^", 2, Variant(" b "), "a^ b ^"},
        CasoCampo{"TextoVazioDaEmpty", "", 1, Variant(), ""},
        CasoCampo{"SoBrancosViramUmCaret", "   ", 1, Variant(""), "^"},
        CasoCampo{"NumeroZeroDaTextoVazio", "a^b", 0, Variant(""), "a^b^"},
        CasoCampo{"NumeroNegativoDaTextoVazio", "a^b^", -3, Variant(""), "a^b^"},
        CasoCampo{"DepoisDoUltimoDaPonto", "a^b^", 7, Variant("."), "a^b^"},
        CasoCampo{"CaretUnicodeParecidoNaoSepara", QString::fromUtf8("a\xcb\x86" "b^"), 1,
                  Variant(QString::fromUtf8("a\xcb\x86" "b")), QString::fromUtf8("a\xcb\x86" "b^")}),
    [](const ::testing::TestParamInfo<CasoCampo>& info) { return std::string(info.param.nome); });

}  // namespace
