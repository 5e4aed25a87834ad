#pragma once

#include "report/ExecucaoRelatorio.h"

#include <memory>

// The set-based report run (MotorRelatorio::Rapido): for every layout the
// same bytes as the per-row steps, from a number of queries that does not
// grow with the orders, items or products listed (ConsultasRapidas). The
// rows are built by the layouts' own text functions and written in batches
// of lines.
//
// The per-row lookups are still asked, for those rows only, where a set
// cannot give the value exactly:
// - a 16-bit quantity sum (vertical delivery) over a fractional, negative or
//   larger-than-16-bit quantity: QtdeItensSubGrupo / QtdeProdutoPedido of
//   that order;
// - a day of the products-per-sale layout with a fractional quantity:
//   PAVendedorDia of that day;
// - an order number carried by several orders, or null: DescontoPedido;
// - a product code carried by several products: IdProduto / DescProduto.
std::unique_ptr<PassosRelatorio> PassosRapidos(const ExecucaoRelatorio& execucao);
