#pragma once

#include "platform/Variant.h"

#include <QString>

struct ExecucaoRelatorio;

// SQL texts of the order report, built from the run's filters, and the
// per-row lookups that both value sources send (the set-based one for the
// values its sets cannot give).

// Date column ">='" from "' and " date column "<='" to, then `fecho`.
QString IntervaloDatas(const ExecucaoRelatorio& execucao, const QString& fecho);

// Order list of the standard, detailed and both delivery layouts. Its
// conditions over pedi_veds, clie and pess, every filter included (the
// salesperson's and the customer type's lookups sent once), are kept in the
// run's condicoesDaLista for the set-based queries.
QString ConsultaListaPedidos(ExecucaoRelatorio& execucao);
// One record per issue day of the products-per-sale layout.
QString ConsultaDiasPA(const ExecucaoRelatorio& execucao);
// Any order in the period (product grouping decides only "is there data").
QString ConsultaPedidosPeriodo(const ExecucaoRelatorio& execucao);

// The customer's name of an order (idClie field).
QString NomeClientePedido(const Variant& idCliente);
// The salesperson's short name of an order (idvend field); empty for a
// null id, without a statement.
QString NomeVendedorPedido(const Variant& idVendedor);
// The header discount of an order number (DescontoPedido); a null one counts as none.
double DescontoCabecalho(const Variant& numeroPedido);
// True when the company parameter MODELO_PEDI_VEDS is exactly "3": the item
// lines then carry the product status column.
bool ModeloComStatus();
