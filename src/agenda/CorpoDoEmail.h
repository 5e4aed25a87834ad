#pragma once

#include "report/Relatorio.h"

#include <QString>
#include <QStringList>

// The mail a schedule sends, in plain text: the period, the filters and the
// report's closing totals, so that the reader need not open an attachment.

// The closing totals of a report file, one line each, in file order:
// "Total Geral: Total Bruto 1284,50 - Desconto 35,50 - ...". A total is a
// row whose first cell with text starts with "Total" and whose label
// appears once in the file (a "Total Pedido" under every order is not a
// closing total); each value is named by its column's heading. Read
// through the sheet reader; raises its VbError for a file that is not a
// report.
QStringList TotaisDoRelatorio(const QString& arquivoHtml);

// The text of the mail; lines end with CRLF. `semDados`: the report had
// no data, and the text says so instead of totals and attachments.
QString TextoDoEmail(const QString& nome, const FiltroRelatorio& filtro, const QStringList& totais,
                     const QStringList& anexos, bool semDados);

// `assunto` when given, else "NAME - dd/mm/yyyy a dd/mm/yyyy".
QString AssuntoDoAgendamento(const QString& nome, const QString& assunto, const FiltroRelatorio& filtro);
