#pragma once

#include "report/Relatorio.h"
#include "report/SaidaDoRelatorio.h"

#include <QString>
#include <cstdint>

class FonteDeValores;
class Recordset;

// The state of one report run, shared by the frame, the layout's steps and
// the value source.
struct ExecucaoRelatorio {
    FiltroRelatorio filtro;  // after the end-date fallback and the forced issue date
    int tamanhoFonte = 8;
    int32_t idMarca = 0;
    QString colunaData;        // "DATA_PEDI", "DATA_REAL_ENTG" or "DATA_FECH"
    QString filtroCliente;     // " and pedi_veds.idClie = '<id>' " or empty
    QString condicoesDaLista;  // the order list's WHERE conditions, once built
    SaidaDoRelatorio saida;

    void Escreve(const QString& linha) { saida.Escreve(linha); }
};

// The steps one layout adds to the run: its page start, the order query, a
// row step per order record and the closing text (which ends the page).
// Every value read from the database per order or per day comes from the
// value source, asked in the order the per-row algorithm asks it.
class PassosRelatorio {
public:
    PassosRelatorio(ExecucaoRelatorio& execucao, FonteDeValores& fonte) : execucao_(execucao), fonte_(fonte) {}
    virtual ~PassosRelatorio() = default;
    PassosRelatorio(const PassosRelatorio&) = delete;
    PassosRelatorio& operator=(const PassosRelatorio&) = delete;

    // True when the layout sums by the filter's brand.
    virtual bool UsaMarca() const { return false; }
    virtual QString PaginaInicial() = 0;
    // Runs right after the page start is written.
    virtual void Prepara() {}
    virtual QString ConsultaPedidos() = 0;
    virtual void Linha(const Recordset& registro) = 0;
    virtual QString Fechamento() = 0;

protected:
    ExecucaoRelatorio& execucao_;
    FonteDeValores& fonte_;
};
