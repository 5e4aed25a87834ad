#pragma once

#include <QString>
#include <QStringList>

class FlexGrid;

// List fillers of module "funcoes": each runs its query on the shared
// connection and returns the entries, in order, for a window to put in its
// combo box in place of what it held. A failed query raises VbError and
// returns nothing, so the box keeps its entries.
QStringList CarregaTipoCliente();                      // cboTipoCli
QStringList CarregaVendedores(QString filtro);         // cboVendedor
QStringList CarregaAtividades(const QString& filtro);  // cboCod
// The active brands whose description starts with the trimmed prefix
// (cboMarca, as its list drops down).
QStringList CarregaMarcas(const QString& prefixo);
// Trims the caller's text; one 94-character entry per active customer
// (cboCliente).
QStringList CarregaClientes(QString& texto);
// Appends one row per active product to the report's scratch grid FlexTemp:
// id, code, "0", description.
void CarregaFlexTemp(FlexGrid& grade);
