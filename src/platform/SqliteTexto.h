#pragma once

#include <QStringView>

struct sqlite3;

// Text comparison on an SQLite handle as the program expects of its server:
// case-insensitive and accent-sensitive ("JOÃO" = "João", "JOAO" <> "JOÃO"),
// trailing blanks ignored by "=", dictionary order. It replaces the NOCASE
// collation (the schema declares text columns with it, so other tools still
// open the file) and the LIKE function (% and _, optional ESCAPE; numbers
// are matched by their text, as in "idpess like '%12%'").
void RegistraTextoSqlite(sqlite3* banco);

// LIKE with one character at a time compared case-insensitively. Linear in
// memory, no recursion; never fails on any input.
bool CombinaLike(QStringView texto, QStringView padrao, QChar escape = QChar());
