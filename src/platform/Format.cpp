#include "Format.h"

#include "Conversions.h"
#include "UserLocale.h"
#include "VbError.h"

#include <cmath>

namespace {

// The value rounded half away from zero at `decimals` places, taken from its
// 15 significant digits as VB does (so 2.675 gives 2.68), without sign.
QString decimalArredondado(double value, int decimals)
{
    const QString e = QString::number(std::fabs(value), 'e', 14);  // d.dddddddddddddde±x
    const int posE = e.indexOf(QLatin1Char('e'));
    QString digitos = e.left(posE).remove(QLatin1Char('.'));
    const int expoente = e.mid(posE + 1).toInt();
    int pontoEm = expoente + 1;  // digits before the decimal point
    if (pontoEm <= 0) {
        digitos = QString(-pontoEm + 1, QLatin1Char('0')) + digitos;
        pontoEm = 1;
    }
    int manter = pontoEm + decimals;
    if (manter < digitos.size()) {
        const bool sobe = digitos[manter] >= u'5';
        digitos.truncate(manter);
        if (sobe) {
            int i = manter - 1;
            for (; i >= 0; --i) {
                if (digitos[i] == u'9') {
                    digitos[i] = u'0';
                } else {
                    digitos[i] = QChar(digitos[i].unicode() + 1);
                    break;
                }
            }
            if (i < 0) {
                digitos.prepend(QLatin1Char('1'));
                ++pontoEm;
            }
        }
    }
    while (digitos.size() < pontoEm + decimals)
        digitos += QLatin1Char('0');
    QString inteiro = digitos.left(pontoEm);
    while (inteiro.size() > 1 && inteiro[0] == u'0')
        inteiro.remove(0, 1);
    if (decimals == 0)
        return inteiro;
    return inteiro + SeparadorDecimal() + digitos.mid(pontoEm, decimals);
}

QString numero(const Variant& value, const QString& mask)
{
    double n = 0;
    if (value.IsString()) {
        try {
            n = CDbl(value);
        } catch (const VbError&) {
            return value.text();
        }
    } else {
        n = CDbl(value);
    }
    const QString sinal = n < 0 ? QStringLiteral("-") : QString();
    if (mask == QLatin1String("###0.00"))
        return sinal + decimalArredondado(n, 2);
    // "000000"
    QString inteiro = decimalArredondado(n, 0);
    if (inteiro == QLatin1String("0") && sinal.isEmpty())
        inteiro.clear();
    return sinal + inteiro.rightJustified(6, QLatin1Char('0'));
}

QString data(const Variant& value, const QString& mask)
{
    QDateTime d;
    if (value.IsDate()) {
        d = value.date();
    } else if (value.IsString()) {
        auto lida = LerData(value.text());
        if (!lida)
            return value.text();
        d = *lida;
    } else {
        d = CDate(value);
    }
    const QString ds = SeparadorData();
    const QString ts = SeparadorHora();
    const QDate date = d.date();
    auto dois = [](int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); };
    const QString ano = QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
    if (mask == QLatin1String("dd/mm/yyyy"))
        return dois(date.day()) + ds + dois(date.month()) + ds + ano;
    if (mask == QLatin1String("yyyymmdd 00:00"))
        return ano + dois(date.month()) + dois(date.day()) + QStringLiteral(" 00") + ts + QStringLiteral("00");
    if (mask == QLatin1String("yyyymmdd 23:59"))
        return ano + dois(date.month()) + dois(date.day()) + QStringLiteral(" 23") + ts + QStringLiteral("59");
    // "dd/mm/yyyy hh:mm:ss"
    const QTime t = d.time();
    return dois(date.day()) + ds + dois(date.month()) + ds + ano + QLatin1Char(' ') + dois(t.hour()) + ts +
           dois(t.minute()) + ts + dois(t.second());
}

}  // namespace

QString Format(const Variant& value, const QString& mask)
{
    if (value.IsNull() || value.IsEmpty())
        return QString();
    if (mask == QLatin1String("###0.00") || mask == QLatin1String("000000"))
        return numero(value, mask);
    if (mask == QLatin1String("dd/mm/yyyy") || mask == QLatin1String("yyyymmdd 00:00") ||
        mask == QLatin1String("yyyymmdd 23:59") || mask == QLatin1String("dd/mm/yyyy hh:mm:ss"))
        return data(value, mask);
    throw VbError(5, QStringLiteral("Invalid procedure call or argument: Format mask %1").arg(mask));
}
