#pragma once

#include "export/Planilha.h"

#include <QString>

// The sheets as an XLSX workbook: the title lines, the heading row bold,
// frozen and filtered, numbers and dates as such with the report's decimals,
// column widths that fit, A4 pages as wide as the table. Written whole or
// not at all, as platform/ArquivoDeSaida.h says; raises its VbError when it
// cannot be.
void GravaXlsx(const Planilha& planilha, const QString& arquivo);
