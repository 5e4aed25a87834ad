#pragma once

#include <QString>
#include <QStringList>

// A large company for the report benchmark, in a new SQLite file with the
// tables of db/schema-sqlite.sql: one year (2024) of 25,000 sales orders of
// company "001" with 250,000 item lines over 400 products (five banana
// sub-groups and a sixth, ten brands), 60 salespeople and 3,000 customers.
// Fixed seed: the same rows every time. Besides the schema's tables, the
// indexes a production database keeps on the columns the reports search by
// (integer and date columns only, so no index depends on a text collation).
// A failure raises VbError with SQLite's text.
void GeraEmpresaGrande(const QString& arquivo);

// Those indexes, as "create index" statements any of the servers takes.
QStringList IndicesEmpresaGrande();

// How many orders a period of the large company holds, to label the results.
constexpr int PedidosEmpresaGrande = 25000;
