#pragma once

#include "platform/Variant.h"

#include <QString>

struct ExecucaoRelatorio;

// SQL texts of the order report, built from the run's filters, and the two
// per-order lookups the row steps share.

// Date column ">='" from "' and " date column "<='" to, then `fecho`.
QString IntervaloDatas(const ExecucaoRelatorio& execucao, const QString& fecho);

// Order list of the standard, detailed and both delivery layouts.
QString ConsultaListaPedidos(const ExecucaoRelatorio& execucao);
// Its "FROM ... WHERE ..." part, every filter included, up to the ORDER BY
// (ends in a blank); the set-based engine selects other columns over it.
QString CondicoesListaPedidos(const ExecucaoRelatorio& execucao);
// The order list over conditions already built (the lookups run once).
QString ConsultaListaPedidos(const QString& condicoes);
// One record per issue day of the products-per-sale layout.
QString ConsultaDiasPA(const ExecucaoRelatorio& execucao);
// Any order in the period (product grouping decides only "is there data").
QString ConsultaPedidosPeriodo(const ExecucaoRelatorio& execucao);

// The customer's name of an order (idClie field).
QString NomeClientePedido(const Variant& idCliente);
// The salesperson cell: "&nbsp" for a null id or an empty short name.
QString VendedorPedido(const Variant& idVendedor);
