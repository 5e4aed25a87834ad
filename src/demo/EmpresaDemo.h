#pragma once

#include <QDate>
#include <QString>

// The demo company: a banana distributor with two companies ("001" and "002"),
// their customers, salespeople, suppliers, carriers and drivers, thirty
// products over the five banana varieties, and about three months of sales
// orders ending at `hoje`. The names, products, cities and the rest are the
// tables of dados/ (compiled in); the rows depend only on them and on `hoje`
// (fixed seed), so two databases written for the same day hold the same rows.
//
// Writes a new SQLite database at `arquivo` (a local path that does not exist
// yet or is an empty file), with the tables of db/schema-sqlite.sql, through
// the program's own connection in one transaction. A failure raises VbError
// PathFileAccess with SQLite's text; the file may then be left half written,
// so callers write to a temporary name and rename it.
void GeraEmpresaDemo(const QString& arquivo, const QDate& hoje);
