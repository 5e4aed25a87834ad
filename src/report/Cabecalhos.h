#pragma once

#include "report/Relatorio.h"

#include <QString>

// The page frame of the order report: each builder returns one line of HTML
// (no line breaks) for the run to write. The company code and name come from
// the filter snapshot; the emission time is read at every call.

QString CabecalhoRelStandard(const FiltroRelatorio& filtro);
QString CabecalhoRelPA(const FiltroRelatorio& filtro);
QString CabecalhoRelDeta(const FiltroRelatorio& filtro);
QString CabecalhoRelAgrupaProd(const FiltroRelatorio& filtro, const QString& de, const QString& ate);
QString CabecalhoRelEntrega(const FiltroRelatorio& filtro, int tamanhoFonte);

// Column header rows; they leave their table open for the rows that follow.
// `comStatus`: the order model carries the status column (ModeloComStatus).
QString ColunasItensDeta(bool comStatus);
QString ColunasAgrupaProd();
QString ColunasItensEntrega(int tamanhoFonte, bool comStatus);
