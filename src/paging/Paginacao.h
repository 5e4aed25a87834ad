#pragma once

#include "paging/DocumentoDeRelatorio.h"

#include <QVector>
#include <deque>

// The pages of a report for one page height: which rows each page holds and
// where. Every page starts with the frame and keeps a band at the bottom for
// "Página N de M". A row never splits; a block goes to the next page whole
// when it fits on one; a longer one breaks between rows, and a table that
// goes on repeats its column headings. Laid out as the document grows.
class Paginacao {
public:
    static constexpr double AlturaDoRodape = 22;

    // `alturaUtil`: the page's content height in CSS pixels.
    explicit Paginacao(double alturaUtil);

    struct Item {
        quint32 linha;
        float y;  // from the top of the content area
    };
    using Pagina = QVector<Item>;

    // Lays out the blocks the document has completed since the last call.
    void Continua(const DocumentoDeRelatorio& documento);
    bool Terminada() const { return terminada_; }
    int Total() const { return static_cast<int>(paginas_.size()); }
    // Pages that will not change any more.
    int Prontas() const { return terminada_ ? Total() : Total() - 1; }
    const Pagina& PaginaNo(int i) const { return paginas_[static_cast<size_t>(i)]; }
    double AlturaUtil() const { return alturaUtil_; }

private:
    void novaPagina();
    void poe(const DocumentoDeRelatorio& documento, quint32 linha);
    void poeQuebrando(const DocumentoDeRelatorio& documento, quint32 inicio, quint32 fim);

    double alturaUtil_;
    double topo_ = 0;
    double fimDoCorpo_ = 0;
    double y_ = 0;
    int proximoBloco_ = 0;
    bool iniciada_ = false;
    bool terminada_ = false;
    std::deque<Pagina> paginas_;
};
