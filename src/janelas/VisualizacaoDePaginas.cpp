#include "VisualizacaoDePaginas.h"

#include "paging/RelatorioEmPaginas.h"
#include "platform/VbError.h"

#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int Espaco = 12;       // around and between pages, screen pixels
constexpr int TempoPorVez = 40;  // ms of reading between events
constexpr int PaginasGuardadas = 8;

}  // namespace

VisualizacaoDePaginas::VisualizacaoDePaginas(QWidget* parent) : QAbstractScrollArea(parent), imagens_(PaginasGuardadas)
{
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    leitura_.setInterval(0);
    connect(&leitura_, &QTimer::timeout, this, &VisualizacaoDePaginas::continua);
    verticalScrollBar()->setSingleStep(40);
}

VisualizacaoDePaginas::~VisualizacaoDePaginas() = default;

void VisualizacaoDePaginas::Abre(const QString& arquivo, const QPageLayout& pagina, const QString& linhaDoPeriodo)
{
    leitura_.stop();
    relatorio_.reset();
    erro_.clear();
    imagens_.clear();
    try {
        relatorio_ = std::make_unique<RelatorioEmPaginas>(arquivo, pagina, linhaDoPeriodo);
        leitura_.start();
    } catch (const VbError& erro) {
        erro_ = erro.Description();
    }
    atualizaBarras();
    viewport()->update();
    emit PaginasMudaram();
}

void VisualizacaoDePaginas::UsaPagina(const QPageLayout& pagina)
{
    if (!relatorio_ || pagina.isEquivalentTo(relatorio_->Pagina()))
        return;
    relatorio_->UsaPagina(pagina);
    imagens_.clear();
    atualizaBarras();
    viewport()->update();
    emit PaginasMudaram();
}

void VisualizacaoDePaginas::continua()
{
    if (!relatorio_)
        return;
    const int antes = relatorio_->Prontas();
    QElapsedTimer relogio;
    relogio.start();
    try {
        bool falta = true;
        while (falta && relogio.elapsed() < TempoPorVez)
            falta = relatorio_->Continua();
        if (!falta) {
            leitura_.stop();
            imagens_.clear();  // the footers now carry the page count
        }
    } catch (const VbError& erro) {
        leitura_.stop();
        relatorio_.reset();
        erro_ = erro.Description();
    }
    if (!relatorio_ || relatorio_->Prontas() != antes || !leitura_.isActive()) {
        atualizaBarras();
        viewport()->update();
    }
    emit PaginasMudaram();
}

void VisualizacaoDePaginas::CarregaTudo()
{
    while (relatorio_ && leitura_.isActive())
        continua();
}

void VisualizacaoDePaginas::DefineZoom(double zoom)
{
    if (zoom <= 0 || qFuzzyCompare(zoom, zoom_))
        return;
    const double posicao =
        verticalScrollBar()->maximum() > 0 ? double(verticalScrollBar()->value()) / verticalScrollBar()->maximum() : 0;
    zoom_ = zoom;
    imagens_.clear();
    atualizaBarras();
    verticalScrollBar()->setValue(qRound(posicao * verticalScrollBar()->maximum()));
    viewport()->update();
}

QSize VisualizacaoDePaginas::tamanhoDaPagina() const
{
    const QPageLayout pagina = relatorio_ ? relatorio_->Pagina() : RelatorioEmPaginas::PaginaPadrao();
    return (pagina.fullRect(QPageLayout::Inch).size() * 96 * zoom_).toSize();
}

int VisualizacaoDePaginas::PaginaVisivel() const
{
    const int passo = tamanhoDaPagina().height() + Espaco;
    return passo > 0 ? (verticalScrollBar()->value() + viewport()->height() / 3) / passo : 0;
}

void VisualizacaoDePaginas::atualizaBarras()
{
    const QSize pagina = tamanhoDaPagina();
    const int paginas = relatorio_ ? relatorio_->Prontas() : 0;
    const int altura = paginas * (pagina.height() + Espaco) + Espaco;
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, altura - viewport()->height()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, pagina.width() + 2 * Espaco - viewport()->width()));
}

void VisualizacaoDePaginas::resizeEvent(QResizeEvent* evento)
{
    QAbstractScrollArea::resizeEvent(evento);
    atualizaBarras();
}

const QImage& VisualizacaoDePaginas::imagem(int pagina)
{
    if (QImage* guardada = imagens_.object(pagina))
        return *guardada;
    const double pontos = 96 * zoom_ * devicePixelRatioF();
    auto* nova = new QImage(relatorio_->Imagem(pagina, pontos));
    nova->setDevicePixelRatio(devicePixelRatioF());
    imagens_.insert(pagina, nova);
    return *nova;
}

void VisualizacaoDePaginas::paintEvent(QPaintEvent*)
{
    QPainter pintor(viewport());
    if (!relatorio_) {
        pintor.setPen(palette().color(QPalette::BrightText));
        pintor.drawText(viewport()->rect().adjusted(Espaco, Espaco, -Espaco, -Espaco),
                        Qt::AlignCenter | Qt::TextWordWrap, erro_);
        return;
    }
    const QSize pagina = tamanhoDaPagina();
    const int passo = pagina.height() + Espaco;
    const int topo = verticalScrollBar()->value();
    const int x = std::max(Espaco, (viewport()->width() - pagina.width()) / 2) - horizontalScrollBar()->value();
    const int prontas = relatorio_->Prontas();
    for (int i = std::max(0, (topo - Espaco) / passo); i < prontas; ++i) {
        const int y = Espaco + i * passo - topo;
        if (y > viewport()->height())
            break;
        pintor.drawImage(QPoint(x, y), imagem(i));
    }
    if (!relatorio_->Carregado()) {
        pintor.setPen(palette().color(QPalette::BrightText));
        pintor.drawText(viewport()->rect().adjusted(0, 0, -Espaco, -2), Qt::AlignRight | Qt::AlignBottom,
                        QStringLiteral("Lendo o relatório: %1%").arg(qRound(relatorio_->Progresso() * 100)));
    }
}
