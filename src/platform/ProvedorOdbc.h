#pragma once

#include "Provedor.h"

// SQL Server through QODBC and the driver manager: the configured string
// in ODBC form (DialetoConexao.h: OLE DB keys mapped, blanks around values
// dropped), whatever text its values hold; the connection time-out is the
// login and the connection time-out (none when 0). Values come back typed
// by the driver.
std::unique_ptr<Provedor> CriaProvedorOdbc();
