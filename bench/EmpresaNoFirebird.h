#pragma once

#include "fixtures/BancoDeTeste.h"

#include <QString>
#include <memory>

// The large company (GeraEmpresaGrande's SQLite file) copied row for row
// into a fresh database of the Firebird server the tests use (scripts/
// firebird.sh exports where it is), with the same indexes. The database
// goes away with the returned object, which also holds the shared
// connection to it. Takes a minute or so; a failure raises VbError or
// std::runtime_error with the server's text.
std::unique_ptr<BancoDeTeste> CopiaNoFirebird(const QString& arquivoSqlite);
