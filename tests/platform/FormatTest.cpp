#include "Auxiliares.h"
#include "platform/Format.h"

#include <gtest/gtest.h>

namespace {

TEST(Format, MascarasNumericasNosDoisLocales)
{
    const struct {
        const char* caso;
        Variant valor;
        const char* mascara;
        const char* ptBR;
        const char* enUS;
    } casos[] = {
        {"valor", Variant::Double(1234.5), "###0.00", "1234,50", "1234.50"},
        {"pedido", Variant::Integer(42), "000000", "000042", "000042"},
        // VB rounds the digits but keeps the sign of the value it was given.
        {"negativo que arredonda a zero mantem o sinal", Variant::Double(-0.004), "###0.00", "-0,00", "-0.00"},
        {"zero", Variant::Double(0), "###0.00", "0,00", "0.00"},
        {"metade se afasta do zero", Variant::Double(0.005), "###0.00", "0,01", "0.01"},
        {"15 digitos significativos antes de arredondar", Variant::Double(2.675), "###0.00", "2,68", "2.68"},
        {"vai um ate a casa nova", Variant::Double(999.995), "###0.00", "1000,00", "1000.00"},
        {"sem separador de milhar", Variant::Double(1234567.891), "###0.00", "1234567,89", "1234567.89"},
        {"negativo", Variant::Double(-12.345), "###0.00", "-12,35", "-12.35"},
        {"grande sem notacao cientifica", Variant::Double(1e20), "###0.00", "100000000000000000000,00",
         "100000000000000000000.00"},
        {"booleano verdadeiro vale -1", Variant::Boolean(true), "###0.00", "-1,00", "-1.00"},
        {"pedido com mais de seis digitos", Variant::Long(1234567), "000000", "1234567", "1234567"},
        {"pedido arredondado", Variant::Double(41.5), "000000", "000042", "000042"},
        {"pedido negativo", Variant::Double(-2.5), "000000", "-000003", "-000003"},
        {"pedido zero", Variant::Integer(0), "000000", "000000", "000000"},
        {"texto que nao e numero volta igual", Variant("abc"), "###0.00", "abc", "abc"},
        {"vazio", Variant(), "###0.00", "", ""},
        {"nulo", Variant::Null(), "000000", "", ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const QString mascara = QString::fromLatin1(c.mascara);
        EXPECT_EQ(EmLocale("pt_BR", [&] { return Format(c.valor, mascara); }), c.ptBR);
        EXPECT_EQ(EmLocale("en_US", [&] { return Format(c.valor, mascara); }), c.enUS);
    }
}

TEST(Format, TextoNumericoNoLocale)
{
    EXPECT_EQ(EmLocale("pt_BR", [] { return Format("1234,5", "###0.00"); }), "1234,50");
    EXPECT_EQ(EmLocale("en_US", [] { return Format("1234.5", "###0.00"); }), "1234.50");
}

TEST(Format, MascarasDeData)
{
    const Variant tarde(QDateTime(QDate(2026, 12, 5), QTime(14, 30, 15)));
    const struct {
        const char* caso;
        Variant valor;
        const char* mascara;
        const char* esperado;
        const char* esperadoEnUS = nullptr;  // a text read month first there
    } casos[] = {
        {"dia", tarde, "dd/mm/yyyy", "05/12/2026"},
        {"inicio do dia para o SQL", tarde, "yyyymmdd 00:00", "20261205 00:00"},
        {"fim do dia para o SQL", tarde, "yyyymmdd 23:59", "20261205 23:59"},
        {"dia e hora", tarde, "dd/mm/yyyy hh:mm:ss", "05/12/2026 14:30:15"},
        {"texto da caixa de data", Variant("05/12/2026"), "yyyymmdd 00:00", "20261205 00:00", "20260512 00:00"},
        {"ano com quatro digitos", Variant("01/02/0999"), "dd/mm/yyyy", "01/02/0999", "02/01/0999"},
        {"dia serial", Variant::Double(45000.5), "dd/mm/yyyy hh:mm:ss", "15/03/2023 12:00:00"},
        {"caixa vazia volta igual", Variant("__/__/____"), "dd/mm/yyyy", "__/__/____"},
        {"data impossivel volta igual", Variant("31/02/2026"), "yyyymmdd 23:59", "31/02/2026"},
        {"vazio", Variant(), "dd/mm/yyyy", ""},
    };
    for (const char* locale : {"pt_BR", "en_US"}) {
        for (const auto& c : casos) {
            SCOPED_TRACE(std::string(locale) + " " + c.caso);
            const bool enUS = std::string(locale) == "en_US" && c.esperadoEnUS;
            EXPECT_EQ(EmLocale(locale, [&] { return Format(c.valor, QString::fromLatin1(c.mascara)); }),
                      enUS ? c.esperadoEnUS : c.esperado);
        }
    }
}

TEST(Format, MascaraDesconhecidaEChamadaInvalida)
{
    EXPECT_EQ(ErroVb([] { Format(Variant::Double(1), "#,##0.00"); }), 5);
}

}  // namespace
