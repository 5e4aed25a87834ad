#pragma once

#include <QAbstractScrollArea>
#include <QCache>
#include <QImage>
#include <QPageLayout>
#include <QTimer>
#include <memory>

class RelatorioEmPaginas;

// The page view of the viewer: the pages that print, one under the other,
// painted as they come into view. The file is read in pieces between
// events, so the first page shows while the rest is still being read.
// A file that cannot be shown says why in the view itself.
class VisualizacaoDePaginas : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit VisualizacaoDePaginas(QWidget* parent = nullptr);
    ~VisualizacaoDePaginas() override;

    // `linhaDoPeriodo`: the period and filters of the run that wrote the
    // file, for the pages' footer; empty when the file has no run.
    void Abre(const QString& arquivo, const QPageLayout& pagina, const QString& linhaDoPeriodo = {});
    // Lays the pages out again for the paper the prints now use.
    void UsaPagina(const QPageLayout& pagina);
    // Reads what is left at once (printing needs every page).
    void CarregaTudo();
    // The pages, or null when the file could not be read (Erro() says why).
    RelatorioEmPaginas* Relatorio() const { return relatorio_.get(); }
    const QString& Erro() const { return erro_; }

    // 1.0 shows the paper at its size on a 96 dpi screen.
    void DefineZoom(double zoom);
    double Zoom() const { return zoom_; }
    int PaginaVisivel() const;

signals:
    // After every piece read: pages ready and whether the count is final.
    void PaginasMudaram();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void continua();
    void atualizaBarras();
    QSize tamanhoDaPagina() const;
    const QImage& imagem(int pagina);

    std::unique_ptr<RelatorioEmPaginas> relatorio_;
    QString erro_;
    QTimer leitura_;
    double zoom_ = 1.0;
    QCache<int, QImage> imagens_;
};
