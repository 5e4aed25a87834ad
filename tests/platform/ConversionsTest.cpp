#include "platform/Conversions.h"
#include "platform/Format.h"
#include "support/Auxiliares.h"
#include "support/Casos.h"

#include <gtest/gtest.h>

namespace {

// Date and time apart: a midnight that summer time skipped is no valid local
// instant, yet VB keeps it.
QString Iso(const QDateTime& data)
{
    return data.date().toString(QStringLiteral("yyyy-MM-dd ")) + data.time().toString(QStringLiteral("HH:mm:ss"));
}

// What the routine named in the case gives for its value (and mask), as the
// case table writes it.
QString Resultado(const Caso& caso)
{
    const QString rotina = caso("rotina");
    const Variant valor = caso.variant("valor");
    try {
        if (rotina == QLatin1String("Format"))
            return Format(valor, caso("mascara"));
        if (rotina == QLatin1String("CStr"))
            return CStr(valor);
        if (rotina == QLatin1String("Val"))
            return QString::number(Val(valor.text()), 'g', 15);
        if (rotina == QLatin1String("CInt"))
            return QString::number(CInt(valor));
        if (rotina == QLatin1String("CLng"))
            return QString::number(CLng(valor));
        if (rotina == QLatin1String("CDbl"))
            return QString::number(CDbl(valor), 'g', 15);
        if (rotina == QLatin1String("CDate"))
            return Iso(CDate(valor));
        if (rotina == QLatin1String("IsDate"))
            return IsDate(valor) ? QStringLiteral("True") : QStringLiteral("False");
        if (rotina == QLatin1String("LerData")) {
            const auto lida = LerData(valor.text());
            return lida ? Iso(*lida) : QStringLiteral("-");
        }
        if (rotina == QLatin1String("Trim"))
            return Trim(valor.text());
        if (rotina == QLatin1String("RTrim"))
            return RTrim(valor.text());
        if (rotina == QLatin1String("UCase"))
            return UCase(valor.text());
    } catch (const VbError& erro) {
        return u'#' + QString::number(erro.Number());
    }
    ADD_FAILURE() << "unknown routine " << rotina.toStdString();
    return {};
}

class Conversoes : public ::testing::TestWithParam<Caso> {};

TEST_P(Conversoes, NosLocalesDoCaso)
{
    const Caso& caso = GetParam();
    for (const QString& locale : caso("locales").split(u' '))
        EXPECT_EQ(EmLocale(locale, [&] { return Resultado(caso); }), caso("esperado")) << locale.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tabela, Conversoes, ::testing::ValuesIn(Casos("platform/casos/conversoes.tsv")), NomeDoCaso);

}  // namespace
