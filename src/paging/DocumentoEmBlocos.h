#pragma once

#include <QtGlobal>
#include <deque>

// A document as the page layout sees it: a frame of rows that opens every
// page, then body rows in blocks, each row with its height and its table's
// column-headings row. Lengths in CSS pixels. The report file measured
// (DocumentoDeRelatorio) is one; the layout's tests build small ones.
class DocumentoEmBlocos {
public:
    // Rows [primeiraLinha, the next block's) are kept on one page when they fit.
    struct Bloco {
        quint32 primeiraLinha;
        float espacoAntes;  // the gap above it, left out at the top of a page
    };

    virtual ~DocumentoEmBlocos() = default;

    // Rows [0, LinhasDaMoldura()) are the frame; AlturaDaMoldura() includes
    // the gap below it.
    virtual int LinhasDaMoldura() const = 0;
    virtual double AlturaDaMoldura() const = 0;
    virtual int QuantasLinhas() const = 0;
    virtual double AlturaDaLinha(int linha) const = 0;
    // The column-headings row of the row's table; -1 when it has none.
    virtual int CabecalhoDaTabelaDe(int linha) const = 0;
    virtual const std::deque<Bloco>& Blocos() const = 0;
    // Blocks whose rows are all known (all of them once Terminado()).
    virtual int BlocosCompletos() const = 0;
    virtual bool Terminado() const = 0;
};
