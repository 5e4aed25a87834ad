#pragma once

#include "export/Planilha.h"

#include <QString>

enum class FormatoPlanilha { Xlsx, Csv };

// A report file read through the report reader (the one the page renderer
// uses), as sheets in the user's locale; `linhaDoPeriodo`, the period and
// filters of the run that wrote it (empty when unknown), heads every sheet.
// Raises the reader's VbError for a file that is not a report.
Planilha LePlanilha(const QString& arquivoHtml, const QString& linhaDoPeriodo);

// The report file as an XLSX or CSV file at `destino`.
void ExportaRelatorio(const QString& arquivoHtml, const QString& destino, FormatoPlanilha formato,
                      const QString& linhaDoPeriodo);
