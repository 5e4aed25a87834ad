#pragma once

#include "Provedor.h"

// The embedded database through QSQLITE. The string is the file's path; a
// missing file is refused (SQLite would create it), and so is a file that is
// no database. Read-only unless the program asks to write; the time-out is
// the wait on a file another process holds. Every handle gets the program's
// text comparison (SqliteTexto.h).
//
// Dates are stored as ISO text 'YYYY-MM-DD HH:MM:SS' in columns whose
// declared type names a date or a time (db/schema-sqlite.sql); a result
// column is a date column when SQLite gives it such a declared type (also
// through views and subqueries), or when it is the MIN or MAX of one.
std::unique_ptr<Provedor> CriaProvedorSqlite();
