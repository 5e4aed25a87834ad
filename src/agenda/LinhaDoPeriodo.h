#pragma once

#include "report/Relatorio.h"

#include <QString>

// The period and filters of a run, as every page and sheet of it says them:
//   "Período: 01/11/2026 a 30/11/2026 - Data de Emissão - Vendedor: CARLOS"
// then "Marca do Produto: ", "Tipo / Classificação de Cliente: " and
// "Cliente: " for those set; the date kind and the filters named as the
// filter form names them. Give it the filter as the run used it (the end
// date after its fallback, the issue date a layout forced).
QString LinhaDoPeriodo(const FiltroRelatorio& filtro);
