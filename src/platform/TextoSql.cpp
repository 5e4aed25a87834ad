#include "TextoSql.h"

QString DobraAspas(const QString& valor)
{
    QString texto = valor;
    return texto.replace(QLatin1Char('\''), QLatin1String("''"));
}
