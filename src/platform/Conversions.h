#pragma once

#include "Variant.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

// VB's conversion functions, with the user's locale where VB uses it.

QString CStr(const Variant& value);
// The text a value contributes to a concatenation: Null gives "".
QString ParaTexto(const Variant& value);

// The leading number of the text; infinite when it does not fit a Double.
double Val(const QString& text);
int16_t CInt(const Variant& value);
int32_t CLng(const Variant& value);
double CDbl(const Variant& value);
bool CBool(const Variant& value);
// A date text (LerData), or a number as the date serial (days since 30/12/1899).
QDateTime CDate(const Variant& value);
bool IsDate(const Variant& value);

QString Trim(const QString& text);
QString RTrim(const QString& text);
QString UCase(const QString& text);

// General number form: up to 15 significant digits, locale decimal separator.
QString NumeroGeral(double value);

// Date texts as users and masked boxes write them (day first), or ISO.
std::optional<QDateTime> LerData(const QString& text);

// Round half to even and check the 16-bit range (error 6 past it).
int16_t ArredondaInteiro16(double value);
