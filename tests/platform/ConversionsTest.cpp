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
    const QString rotina = caso[0];
    const Variant valor = caso.variant(2);
    try {
        if (rotina == QLatin1String("Format"))
            return Format(valor, caso[3]);
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

TEST(Conversoes, RotinasNosDoisLocales)
{
    for (const Caso& caso : Casos("platform/casos/conversoes.tsv")) {
        SCOPED_TRACE(caso.onde());
        for (const QString& locale : caso[1].split(u' '))
            EXPECT_EQ(EmLocale(locale, [&] { return Resultado(caso); }), caso[4]) << locale.toStdString();
    }
}

}  // namespace
