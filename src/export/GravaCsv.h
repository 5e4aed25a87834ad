#pragma once

#include "export/Planilha.h"

#include <QLocale>
#include <QString>

// The sheets' heading and rows as CSV the way a spreadsheet in `local` opens
// it by double-click: UTF-8 with BOM, CRLF, ";" between fields where the
// decimal separator is ",", else ","; numbers with the locale's decimal
// separator and the report's decimals, dates dd/mm/yyyy. A further sheet
// follows after an empty line. Written whole or not at all, as
// platform/ArquivoDeSaida.h says; raises its VbError when it cannot be.
void GravaCsv(const Planilha& planilha, const QString& arquivo, const QLocale& local);

// One field as written between separators.
QString CampoCsv(const QString& texto, QChar separador);
