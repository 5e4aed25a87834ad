#pragma once

#include <QString>

// The demo installation: under `pasta`, the folder c/ standing for drive C:
// with the suite's configuration (c:\korva\config\server_aplic.ini,
// server.ini naming the demo database for PRD, HIST and DEV, paths.ini), the
// report folder c:\korva\relatorios\ and the demo company database
// c:\korva\dados\demo.db (GeraEmpresaDemo, for Hoje()). Only what is missing
// is created: files already there, perhaps edited by the user, stay as they
// are. The database appears whole or not at all (written under a temporary
// name, then renamed). Finally PANTORO_DRIVE_C is set to the absolute path
// of pasta/c, so the program runs on that installation.
//
// A folder or file that cannot be created raises VbError PathFileAccess.
void PreparaInstalacaoDemo(const QString& pasta);
