#pragma once

#include "report/Relatorio.h"

#include <QString>
#include <cstdint>

class Recordset;

// The state of one report run, shared by the frame and the layout steps.
struct ExecucaoRelatorio {
    FiltroRelatorio filtro;  // after the end-date fallback and the forced issue date
    int tamanhoFonte = 8;
    int32_t idMarca = 0;
    QString colunaData;     // "DATA_PEDI", "DATA_REAL_ENTG" or "DATA_FECH"
    QString filtroCliente;  // " and pedi_veds.idClie = '<id>' " or empty
    QString arquivo;        // ArqRelatorio

    // Writes the buffer: one line appended to the report file.
    void Escreve(const QString& buffer) const;
};

// The steps one layout adds to the run: its page start, the order query,
// a row step per order record and the closing text (which ends the page).
class PassosRelatorio {
public:
    explicit PassosRelatorio(const ExecucaoRelatorio& execucao) : execucao_(execucao) {}
    virtual ~PassosRelatorio() = default;
    PassosRelatorio(const PassosRelatorio&) = delete;
    PassosRelatorio& operator=(const PassosRelatorio&) = delete;

    virtual QString PaginaInicial() = 0;
    // Runs right after the page start is written.
    virtual void Prepara() {}
    virtual QString ConsultaPedidos() = 0;
    virtual void Linha(const Recordset& pedido) = 0;
    virtual QString Fechamento() = 0;
    // When a step ends in an error: writes the lines a batched run still
    // holds, so the file ends where a line-by-line run would have ended it.
    virtual void EscrevePendentes() {}

protected:
    const ExecucaoRelatorio& execucao_;
};
