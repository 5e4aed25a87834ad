#include "Auxiliares.h"
#include "platform/Conversions.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

QDateTime Data(int ano, int mes, int dia, int h = 0, int m = 0, int s = 0)
{
    return QDateTime(QDate(ano, mes, dia), QTime(h, m, s));
}

TEST(CStr, NumerosNosDoisLocales)
{
    const struct {
        const char* caso;
        Variant valor;
        const char* ptBR;
        const char* enUS;
    } casos[] = {
        {"meio", Variant::Double(2.5), "2,5", "2.5"},
        {"um terco com 15 digitos significativos", Variant::Double(1.0 / 3), "0,333333333333333", "0.333333333333333"},
        {"dois tercos arredonda o 15o digito", Variant::Double(2.0 / 3), "0,666666666666667", "0.666666666666667"},
        {"negativo sem separador de milhar", Variant::Double(-1234.5), "-1234,5", "-1234.5"},
        {"15 digitos inteiros", Variant::Double(123456789012345), "123456789012345", "123456789012345"},
        {"1E15 em notacao cientifica", Variant::Double(1e15), "1E+15", "1E+15"},
        {"mantissa com separador do locale", Variant::Double(1.5e20), "1,5E+20", "1.5E+20"},
        {"zero", Variant::Double(0), "0", "0"},
        {"inteiro", Variant::Integer(42), "42", "42"},
        {"long", Variant::Long(-70000), "-70000", "-70000"},
        {"booleano", Variant::Boolean(true), "True", "True"},
        {"vazio", Variant(), "", ""},
        {"texto", Variant("abc"), "abc", "abc"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(EmLocale("pt_BR", [&] { return CStr(c.valor); }), QString::fromUtf8(c.ptBR));
        EXPECT_EQ(EmLocale("en_US", [&] { return CStr(c.valor); }), QString::fromUtf8(c.enUS));
    }
}

TEST(CStr, DataSemHoraSoMostraODia)
{
    EXPECT_EQ(CStr(Data(2026, 12, 5)), "05/12/2026");
    EXPECT_EQ(CStr(Data(2026, 12, 5, 14, 30, 15)), "05/12/2026 14:30:15");
}

TEST(Val, LeONumeroDoInicioSoComPontoEmQualquerLocale)
{
    const struct {
        const char* texto;
        double esperado;
    } casos[] = {
        {" 12x", 12},
        {"2 5", 25},
        {"1,5", 1},
        {"abc", 0},
        {"", 0},
        {"1.5", 1.5},
        {".5", 0.5},
        {"1.2.3", 1.2},
        {"-3.5e2", -350},
        {"2D3", 2000},
        {"12e", 12},
        {"12e-", 12},
        {"  -  7", -7},
        {"\t8\n9", 89},
        {"+-5", 0},
        {"5-3", 5},
        {"1e-400", 0},
        {"&H2^1^PRD^", 2},
        {" &h1f", 31},
        {"&HFFFF", -1},
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},
        {"&O17", 15},
        {"&o177777", -1},
        {"&H", 0},
        {"&X1", 0},
    };
    for (const char* locale : {"pt_BR", "en_US"}) {
        for (const auto& c : casos) {
            SCOPED_TRACE(std::string(locale) + " [" + c.texto + "]");
            EXPECT_DOUBLE_EQ(EmLocale(locale, [&] { return Val(QString::fromUtf8(c.texto)); }), c.esperado);
        }
    }
}

TEST(CInt, ArredondaMetadeParaOParEVerificaAFaixa)
{
    const struct {
        double valor;
        long esperado;  // or the error number when `erro`
        bool erro;
    } casos[] = {
        {0.5, 0, false},     {1.5, 2, false},        {2.5, 2, false},         {-2.5, -2, false},
        {-0.5, 0, false},    {3.49, 3, false},       {32767.4, 32767, false}, {-32768.5, -32768, false},
        {32767.6, 6, true},  {32767.5, 6, true},     {-32768.6, 6, true},     {NAN, 6, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        if (c.erro)
            EXPECT_EQ(ErroVb([&] { CInt(Variant::Double(c.valor)); }), c.esperado);
        else
            EXPECT_EQ(CInt(Variant::Double(c.valor)), c.esperado);
    }
}

TEST(CLng, FaixaDe32Bits)
{
    EXPECT_EQ(CLng(Variant::Double(2147483647.4)), 2147483647);
    EXPECT_EQ(CLng(Variant::Double(-2147483648.5)), -2147483647 - 1);
    EXPECT_EQ(CLng(Variant::Double(70000.5)), 70000);
    EXPECT_EQ(ErroVb([] { CLng(Variant::Double(2147483647.5)); }), vb_error::Overflow);
}

TEST(CDbl, TextoNoLocaleENaoNumeroETipoIncompativel)
{
    EXPECT_DOUBLE_EQ(EmLocale("pt_BR", [] { return CDbl("1.234,5"); }), 1234.5);
    EXPECT_DOUBLE_EQ(EmLocale("en_US", [] { return CDbl("1,234.5"); }), 1234.5);
    EXPECT_DOUBLE_EQ(CDbl(" -2,5E2 "), -250);
    EXPECT_EQ(ErroVb([] { CDbl("1e400"); }), vb_error::Overflow);
    EXPECT_DOUBLE_EQ(CDbl("1e-400"), 0);
    EXPECT_EQ(ErroVb([] { CDbl("abc"); }), vb_error::TypeMismatch);
}

TEST(CDbl, DataEODiaSerialComAHoraComoFracao)
{
    EXPECT_DOUBLE_EQ(CDbl(Data(2023, 3, 15, 12)), 45000.5);
    EXPECT_DOUBLE_EQ(CDbl(Data(1899, 12, 30)), 0);
    EXPECT_DOUBLE_EQ(CDbl(Data(1899, 12, 29, 6)), -1.25);
    // Midnight that São Paulo's clocks skipped when summer time began.
    EXPECT_DOUBLE_EQ(CDbl(Data(2018, 11, 4)), 43408);
    EXPECT_DOUBLE_EQ(CDbl(Data(2018, 12, 1, 18)), 43435.75);
}

TEST(CDate, DiaSerialViraData)
{
    EXPECT_EQ(CDate(Variant::Double(45000.5)), Data(2023, 3, 15, 12));
    EXPECT_EQ(CDate(Variant::Long(0)), Data(1899, 12, 30));
    EXPECT_EQ(CDate(Variant::Double(-1.25)), Data(1899, 12, 29, 6));
    EXPECT_EQ(CDate("05/12/2026 14:30"), Data(2026, 12, 5, 14, 30));
    EXPECT_EQ(ErroVb([] { CDate(Variant::Double(3e6)); }), vb_error::Overflow);
    EXPECT_EQ(ErroVb([] { CDate(Variant::Double(1e300)); }), vb_error::Overflow);
    EXPECT_EQ(ErroVb([] { CDate("31/02/2026"); }), vb_error::TypeMismatch);
    EXPECT_EQ(ErroVb([] { CDate(Variant::Null()); }), vb_error::InvalidUseOfNull);
}

TEST(IsDate, DatasDigitadasNasCaixasEOutrosTextos)
{
    const struct {
        const char* texto;
        bool esperado;
    } casos[] = {
        {"31/02/2026", false}, {"00/00/0000", false},         {"__/__/____", false},
        {"05/12/2026", true},  {"29/02/2024", true},          {"29/02/2025", false},
        {"5/1/2026", true},    {"05/12/26", true},            {"2026-12-05", true},
        {"05/12/2026 23:59:59", true}, {"05/12/2026 24:00", false}, {"05/13/2026", true},
        {"13/13/2026", false},
        {"", false},           {"hoje", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(IsDate(c.texto), c.esperado);
    }
    EXPECT_TRUE(IsDate(Data(2026, 12, 5)));
    EXPECT_FALSE(IsDate(Variant::Double(45000)));
    EXPECT_FALSE(IsDate(Variant::Null()));
}

TEST(LerData, NaOrdemDoLocaleOuNaOutraQuandoAPrimeiraNaoEData)
{
    const struct {
        const char* locale;
        const char* texto;
        QDateTime esperado;
    } casos[] = {
        {"pt_BR", "12/13/2020", Data(2020, 12, 13)},
        {"pt_BR", "05/06/2024", Data(2024, 6, 5)},
        {"en_US", "05/06/2024", Data(2024, 5, 6)},
        {"en_US", "13/12/2020", Data(2020, 12, 13)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.texto);
        const auto lida = EmLocale(c.locale, [&] { return LerData(c.texto); });
        ASSERT_TRUE(lida.has_value());
        EXPECT_EQ(lida->date(), c.esperado.date());
    }
}

TEST(LerData, DiaPrimeiroAnoDeDoisDigitosEIso)
{
    const struct {
        const char* texto;
        QDateTime esperado;
    } casos[] = {
        {"05/12/2026", Data(2026, 12, 5)},
        {" 05/12/2026 14:30:15 ", Data(2026, 12, 5, 14, 30, 15)},
        {"05/12/2026 14:30", Data(2026, 12, 5, 14, 30)},
        {"05/12/29", Data(2029, 12, 5)},
        {"05/12/30", Data(1930, 12, 5)},
        {"05-12-2026", Data(2026, 12, 5)},
        {"2026-12-05 23:59:00", Data(2026, 12, 5, 23, 59)},
        {"04/11/2018", Data(2018, 11, 4)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        const auto lida = LerData(c.texto);
        ASSERT_TRUE(lida.has_value());
        EXPECT_EQ(lida->date(), c.esperado.date());
        EXPECT_EQ(lida->time(), c.esperado.time());
    }
}

TEST(Texto, TrimSoTiraEspacosEUCaseMantemOTamanho)
{
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(RTrim("  a  "), "  a");
    EXPECT_EQ(UCase(QStringLiteral("ação ß")), QStringLiteral("AÇÃO ß"));
}

}  // namespace
