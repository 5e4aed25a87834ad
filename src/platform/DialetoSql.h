#pragma once

#include "Ado.h"

#include <QString>

// The program writes its SQL for SQL Server. Where another server would read
// a text differently, the text is adapted here, and nowhere else:
// - a literal 'yyyymmdd', 'yyyymmdd hh:mm' or 'yyyymmdd hh:mm:ss' right after
//   a comparison operator (=, <, >, <=, >=, <>) becomes the ISO instant
//   'yyyy-mm-dd hh:mm:ss', which SQLite's stored dates and Firebird's
//   timestamps compare with (Firebird rejects the compact form);
// - an empty literal compared with nume_pedi, the order number (an integer
//   column), becomes '0': SQL Server reads '' as 0 there, where SQLite would
//   find nothing and Firebird refuse the conversion. The program sends it
//   for an order without a number (the header discount's lookup).
// Everything else (case-insensitive text, LIKE on numbers, quoted numbers
// against integer columns) is the collation's and the server's business.
// SQL Server gets the text unchanged. Any text is accepted: an unterminated
// quote just ends the scan.
QString TraduzSql(Backend backend, const QString& sql);
