#pragma once

#include "paging/DocumentoDeRelatorio.h"
#include "paging/LeitorRelatorio.h"
#include "paging/Paginacao.h"
#include "platform/Printing.h"

#include <QImage>
#include <QPageLayout>
#include <memory>

class QPainter;

// A report file on pages: read, measured and laid out for one paper, then
// painted on a PDF, a printer or an image for the page view. Reading goes a
// piece at a time (Continua), so a window can show the first pages while
// the rest is read; printing and the PDF read the whole file first.
class RelatorioEmPaginas : public Imprimivel {
public:
    // Opens and checks the file; raises VbError with the user's message.
    explicit RelatorioEmPaginas(const QString& arquivo, const QPageLayout& pagina = PaginaPadrao());
    ~RelatorioEmPaginas() override;

    // A4 portrait, 10 mm margins.
    static QPageLayout PaginaPadrao();

    // Reads the next piece and lays out what it completed; false once the
    // whole file is on pages.
    bool Continua();
    void CarregaTudo();
    bool Carregado() const { return paginacao_->Terminada(); }
    double Progresso() const;

    // Pages laid out so far that will not change, and all of them (the
    // count is final once Carregado()).
    int Prontas() const { return paginacao_->Prontas(); }
    int Total() const { return paginacao_->Total(); }

    const QPageLayout& Pagina() const { return pagina_; }
    // Lays the pages out again for another paper.
    void UsaPagina(const QPageLayout& pagina);

    // The page's content, the painter's origin at the paper's top-left corner
    // moved by the page's margins (as QPdfWriter and QPrinter set it).
    void Pinta(QPainter& pintor, int pagina) const;
    // The whole sheet, white, at `pontosPorPolegada`.
    QImage Imagem(int pagina, double pontosPorPolegada) const;

    void ImprimeEm(QPagedPaintDevice& folhas, int copias, const QString& dispositivo) const override;
    QString NomeDoDocumento() const override;
    // Writes the PDF as platform/ArquivoDeSaida.h says: whole or not at all.
    void GravaPdf(const QString& arquivo) const;

private:
    struct Geometria {
        double escala;        // below 1 when the paper is narrower than the layout
        double deslocamento;  // CSS pixels to centre the layout on a wider paper
        double altura;        // content height, in layout pixels
    };
    static Geometria geometriaDe(const QPageLayout& pagina);
    void pinta(QPainter& pintor, const Paginacao& paginacao, const Geometria& geometria, int pagina) const;

    QString arquivo_;
    QPageLayout pagina_;
    DocumentoDeRelatorio documento_;
    std::unique_ptr<LeitorDeRelatorio> leitor_;
    std::unique_ptr<Paginacao> paginacao_;
};
