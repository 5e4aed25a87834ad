#include "Conversions.h"

#include "UserLocale.h"
#include "VbError.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

[[noreturn]] void erroTipo()
{
    throw VbError(vb_error::TypeMismatch, QStringLiteral("Type mismatch"));
}

[[noreturn]] void erroNull()
{
    throw VbError(vb_error::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
}

[[noreturn]] void erroEstouro()
{
    throw VbError(vb_error::Overflow, QStringLiteral("Overflow"));
}

// A text as VB coerces it to a number: the locale's separators, a sign,
// an exponent, blanks around.
std::optional<double> numeroDeTexto(const QString& text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    const QLocale& locale = LocaleUsuario();
    t.remove(locale.groupSeparator());
    t.replace(locale.decimalPoint(), QStringLiteral("."));
    static const QRegularExpression numero(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?$)"));
    if (!numero.match(t).hasMatch())
        return std::nullopt;
    t.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    // The text is a number: what toDouble refuses is out of range, past the
    // largest Double (error 6) or below the smallest (0).
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (std::isinf(value))
        erroEstouro();
    return ok ? value : 0.0;
}

const QDate kOrigemDasDatas(1899, 12, 30);
constexpr double kMsPorDia = 86400000.0;

// VB's date serial: days since 30/12/1899, the time of day as the fraction
// (away from zero, so -1.25 is 29/12/1899 06:00). Wall-clock arithmetic: a
// local-time instant would shift with the time zone's history and is invalid
// on days whose midnight summer time skipped.
double serialDeData(const QDateTime& date)
{
    const double dias = static_cast<double>(kOrigemDasDatas.daysTo(date.date()));
    const double fracao = date.time().msecsSinceStartOfDay() / kMsPorDia;
    return dias < 0 ? dias - fracao : dias + fracao;
}

QDateTime dataDeSerial(double serial)
{
    // 01/01/100 to 31/12/9999, VB's range.
    if (!(serial >= -657434.0 && serial < 2958466.0))
        erroEstouro();
    const double dias = std::trunc(serial);
    qint64 ms = std::llround(std::fabs(serial - dias) * kMsPorDia);
    const QDate dia = kOrigemDasDatas.addDays(static_cast<qint64>(dias));
    if (ms >= static_cast<qint64>(kMsPorDia))
        ms = static_cast<qint64>(kMsPorDia) - 1;
    return QDateTime(dia, QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

double numeroDe(const Variant& value)
{
    switch (value.type()) {
    case Variant::Type::Empty:
        return 0;
    case Variant::Type::Null:
        erroNull();
    case Variant::Type::String: {
        if (auto n = numeroDeTexto(value.text()))
            return *n;
        erroTipo();
    }
    case Variant::Type::Date:
        return serialDeData(value.date());
    default:
        return value.number();
    }
}

QString dataGeral(const QDateTime& date)
{
    const QString sep = SeparadorData();
    QString text = date.date().toString(QStringLiteral("dd'%1'MM'%1'yyyy").arg(sep));
    if (date.time() != QTime(0, 0))
        text += QLatin1Char(' ') + date.time().toString(QStringLiteral("HH'%1'mm'%1'ss").arg(SeparadorHora()));
    return text;
}

}  // namespace

QString NumeroGeral(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15).toUpper();
    const int e = text.indexOf(QLatin1Char('E'));
    if (e >= 0) {
        // C writes 1E+16 / 1E-05 as VB does; only the mantissa's point changes.
        text = text.left(e).replace(QLatin1Char('.'), SeparadorDecimal()) + text.mid(e);
        return text;
    }
    return text.replace(QLatin1Char('.'), SeparadorDecimal());
}

QString CStr(const Variant& value)
{
    switch (value.type()) {
    case Variant::Type::Empty:
        return QString();
    case Variant::Type::Null:
        erroNull();
    case Variant::Type::String:
        return value.text();
    case Variant::Type::Date:
        return dataGeral(value.date());
    case Variant::Type::Boolean:
        return value.number() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return NumeroGeral(value.number());
    }
}

QString ParaTexto(const Variant& value)
{
    return value.IsNull() ? QString() : CStr(value);
}

namespace {

bool ehBranco(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// "&H1F" and "&O17": the digits after the prefix, blanks skipped, up to the
// first that is not of the base. As in VB, up to 16 bits read as an Integer
// and up to 32 as a Long, both signed ("&HFFFF" is -1); a longer number
// keeps its unsigned value, for the caller's range check to refuse.
std::optional<double> valComPrefixo(const QString& text)
{
    int i = 0;
    while (i < text.size() && ehBranco(text[i]))
        ++i;
    if (i + 1 >= text.size() || text[i] != u'&')
        return std::nullopt;
    const QChar prefixo = text[i + 1].toUpper();
    const int base = prefixo == u'H' ? 16 : prefixo == u'O' ? 8 : 0;
    if (base == 0)
        return std::nullopt;
    double valor = 0;
    for (i += 2; i < text.size(); ++i) {
        if (ehBranco(text[i]))
            continue;
        bool ok = false;
        const int digito = QString(text[i]).toInt(&ok, base);
        if (!ok)
            break;
        valor = valor * base + digito;
    }
    if (valor <= 0xFFFF)
        return valor >= 0x8000 ? valor - 0x10000 : valor;
    if (valor <= 0xFFFFFFFFu)
        return valor >= 0x80000000u ? valor - 4294967296.0 : valor;
    return valor;
}

}  // namespace

double Val(const QString& text)
{
    if (const auto comPrefixo = valComPrefixo(text))
        return *comPrefixo;
    // Blanks, tabs and line feeds anywhere are skipped; reading stops at the
    // first character that cannot continue the number. Only "." separates.
    QString digits;
    bool ponto = false;
    bool expoente = false;
    bool sinalPermitido = true;
    bool algumDigito = false;
    for (QChar c : text) {
        if (ehBranco(c))
            continue;
        if ((c == u'+' || c == u'-') && sinalPermitido) {
            digits += c;
            sinalPermitido = false;
            continue;
        }
        if (c.isDigit() && c.unicode() < 128) {
            digits += c;
            algumDigito = true;
            sinalPermitido = false;
            continue;
        }
        if (c == u'.' && !ponto && !expoente) {
            digits += c;
            ponto = true;
            sinalPermitido = false;
            continue;
        }
        if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && algumDigito && !expoente) {
            digits += QLatin1Char('e');
            expoente = true;
            sinalPermitido = true;
            continue;
        }
        break;
    }
    // Drop an unfinished exponent or sign at the end ("12e", "12e-").
    while (!digits.isEmpty() && !digits.back().isDigit() && digits.back() != u'.')
        digits.chop(1);
    if (!algumDigito)
        return 0;
    // Past the Double range the number reads as infinite (callers that
    // need a bounded value check it), below it as 0.
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok || std::isinf(value) ? value : 0;
}

int16_t ArredondaInteiro16(double value)
{
    const double r = std::nearbyint(value);
    if (!(r >= std::numeric_limits<int16_t>::min() && r <= std::numeric_limits<int16_t>::max()))
        erroEstouro();
    return static_cast<int16_t>(r);
}

int16_t CInt(const Variant& value)
{
    return ArredondaInteiro16(numeroDe(value));
}

int32_t CLng(const Variant& value)
{
    const double r = std::nearbyint(numeroDe(value));
    if (!(r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max()))
        erroEstouro();
    return static_cast<int32_t>(r);
}

double CDbl(const Variant& value)
{
    return numeroDe(value);
}

bool CBool(const Variant& value)
{
    if (value.IsString()) {
        const QString t = value.text().trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        if (auto n = numeroDeTexto(t))
            return *n != 0;
        erroTipo();
    }
    return numeroDe(value) != 0;
}

namespace {

bool diaAntesDoMes()
{
    const QString padrao = LocaleUsuario().dateFormat(QLocale::ShortFormat);
    const int dia = padrao.indexOf(QLatin1Char('d'));
    const int mes = padrao.indexOf(QLatin1Char('M'));
    return dia < 0 || mes < 0 || dia < mes;
}

}  // namespace

std::optional<QDateTime> LerData(const QString& text)
{
    static const QRegularExpression diaPrimeiro(
        QStringLiteral(R"(^\s*(\d{1,2})[/.-](\d{1,2})[/.-](\d{2}|\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    static const QRegularExpression iso(
        QStringLiteral(R"(^\s*(\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    int dia = 0, mes = 0, ano = 0;
    QRegularExpressionMatch m = diaPrimeiro.match(text);
    if (m.hasMatch()) {
        // The user's locale says which comes first; when that reading is no
        // date, the other order is tried, as VB does ("12/13/2020" in pt_BR).
        dia = m.captured(1).toInt();
        mes = m.captured(2).toInt();
        if (!diaAntesDoMes())
            std::swap(dia, mes);
        ano = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            ano += ano < 30 ? 2000 : 1900;
        if (!QDate::isValid(ano, mes, dia))
            std::swap(dia, mes);
    } else {
        m = iso.match(text);
        if (!m.hasMatch())
            return std::nullopt;
        ano = m.captured(1).toInt();
        mes = m.captured(2).toInt();
        dia = m.captured(3).toInt();
    }
    const QDate date(ano, mes, dia);
    if (!date.isValid() || ano < 100)
        return std::nullopt;
    QTime time(0, 0);
    if (m.capturedLength(4) > 0) {
        time = QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (!time.isValid())
            return std::nullopt;
    }
    return QDateTime(date, time);
}

QDateTime CDate(const Variant& value)
{
    if (value.IsDate())
        return value.date();
    if (value.IsNull())
        erroNull();
    if (value.IsString()) {
        if (auto date = LerData(value.text()))
            return *date;
        erroTipo();
    }
    return dataDeSerial(numeroDe(value));
}

bool IsDate(const Variant& value)
{
    if (value.IsDate())
        return true;
    return value.IsString() && LerData(value.text()).has_value();
}

QString Trim(const QString& text)
{
    int inicio = 0;
    int fim = text.size();
    while (inicio < fim && text[inicio] == u' ')
        ++inicio;
    while (fim > inicio && text[fim - 1] == u' ')
        --fim;
    return text.mid(inicio, fim - inicio);
}

QString RTrim(const QString& text)
{
    int fim = text.size();
    while (fim > 0 && text[fim - 1] == u' ')
        --fim;
    return text.left(fim);
}

QString UCase(const QString& text)
{
    // Character by character, so the length never changes (VB keeps "ß").
    QString upper = text;
    for (QChar& c : upper)
        c = c.toUpper();
    return upper;
}
