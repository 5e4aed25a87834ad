#pragma once

#include "platform/Variant.h"

#include <QString>
#include <QStringList>
#include <QVector>

class BancoDeTeste;

// The rows the db tests query: persons with accents and an apostrophe,
// orders on both sides of the day and minute limits, item lines, brands.
void InsereDadosDeTeste(BancoDeTeste& banco);

// A value with its kind ("L:5", "D:2.5", "S:João", "T:2024-03-01 10:00:00",
// "N" for null, "E" for empty), so that two backends compare type and value.
QString TextoDoValor(const Variant& valor);
// The rows of a statement run on Conexao(), one "a|b|c" text per row.
QStringList LinhasDe(const QString& sql);
