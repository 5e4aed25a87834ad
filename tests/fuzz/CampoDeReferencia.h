#pragma once

#include <QString>
#include <QStringTokenizer>

// Field n of a caret record as a plain split at "^" gives it: "" for n < 1,
// "." when the record has fewer than n carets, else the n-th piece.
inline QString CampoDeReferencia(const QString& registro, int n)
{
    if (n < 1)
        return QString();
    if (registro.count(u'^') < n)
        return QStringLiteral(".");
    int i = 0;
    for (const QStringView parte : QStringView(registro).tokenize(u'^'))
        if (++i == n)
            return parte.toString();
    return QString();  // not reached: there are at least n carets
}
