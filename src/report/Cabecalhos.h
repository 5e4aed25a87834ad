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
// The two item headers read MODELO_PEDI_VEDS at every call.
QString ColunasItensDeta();
QString ColunasAgrupaProd();
QString ColunasItensEntrega(int tamanhoFonte);
// The same headers for an order model already read (ModeloComStatus).
QString ColunasItensDeta(bool comStatus);
QString ColunasItensEntrega(int tamanhoFonte, bool comStatus);

// True when the company parameter MODELO_PEDI_VEDS is exactly "3": the item
// lines then carry the product status column. One query per call.
bool ModeloComStatus();
