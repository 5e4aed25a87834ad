#pragma once

#include "paging/DocumentoEmBlocos.h"

#include <QString>
#include <QVector>
#include <deque>

// The pages of a document for one page height: which rows each page holds
// and where. Every page opens with the frame's rows and keeps a band at its
// foot for the footer, "Página N de M". A row never splits: one taller than
// the page's body gets a page of its own. A block goes to the next page
// whole when it fits on one; a longer one breaks between rows, a table that
// goes on repeats its column headings at the top of the next page, and
// headings never stay alone at the foot of a page. Laid out as the document
// grows, so the first pages can be shown while the rest is read.
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
    void Continua(const DocumentoEmBlocos& documento);
    bool Terminada() const { return terminada_; }
    int Total() const { return static_cast<int>(paginas_.size()); }
    // Pages that will not change any more.
    int Prontas() const { return terminada_ ? Total() : Total() - 1; }
    // Page `i` (from 0): the frame's rows, then its own.
    Pagina ItensDaPagina(int i) const;
    // "Página N de M"; "Página N" while the count is not known.
    QString Rodape(int i) const;
    double AlturaUtil() const { return alturaUtil_; }

private:
    void novaPagina();
    void poe(const DocumentoEmBlocos& documento, quint32 linha);
    void poeQuebrando(const DocumentoEmBlocos& documento, quint32 inicio, quint32 fim);

    double alturaUtil_;
    double topo_ = 0;
    double fimDoCorpo_ = 0;
    double y_ = 0;
    int proximoBloco_ = 0;
    bool iniciada_ = false;
    bool terminada_ = false;
    Pagina moldura_;
    std::deque<Pagina> paginas_;
};
