#pragma once

#include "Provedor.h"

// Firebird through QIBASE: the "key=value;" pairs of the configured string
// (DialetoConexao.h) give the database ("host:path", "host/port:path" or a
// path), login and password; texts travel as UTF-8. The server's client
// library keeps its own time-outs. A string without a database is refused
// before any attempt. Timestamps come back typed by the driver.
std::unique_ptr<Provedor> CriaProvedorFirebird();
