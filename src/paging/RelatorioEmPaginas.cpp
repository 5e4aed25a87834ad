#include "RelatorioEmPaginas.h"

#include "PintorDePaginas.h"
#include "platform/ArquivoDeSaida.h"
#include "platform/VbError.h"

#include <QFile>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

// The width every report is laid out in: A4 less 10 mm on either side.
constexpr double LarguraDoLayout = (210.0 - 20.0) / 25.4 * 96;
constexpr double PixelsPorPonto = 96.0 / 72.0;
constexpr long ErroDeImpressora = 482;  // VB's "Printer error"

}  // namespace

RelatorioEmPaginas::RelatorioEmPaginas(const QString& arquivo, const QPageLayout& pagina)
    : arquivo_(arquivo),
      pagina_(pagina),
      documento_(LarguraDoLayout),
      leitor_(std::make_unique<LeitorDeRelatorio>(arquivo, documento_)),
      paginacao_(std::make_unique<Paginacao>(geometriaDe(pagina).altura))
{}

RelatorioEmPaginas::~RelatorioEmPaginas() = default;

QPageLayout RelatorioEmPaginas::PaginaPadrao()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

RelatorioEmPaginas::Geometria RelatorioEmPaginas::geometriaDe(const QPageLayout& pagina)
{
    const QSizeF area = pagina.paintRect(QPageLayout::Point).size() * PixelsPorPonto;
    const double escala = std::min(1.0, area.width() / LarguraDoLayout);
    return Geometria{escala, std::max(0.0, (area.width() - LarguraDoLayout) / 2), area.height() / escala};
}

bool RelatorioEmPaginas::Continua()
{
    if (leitor_) {
        if (!leitor_->LePedaco()) {
            leitor_.reset();
            documento_.Termina();
        }
    }
    paginacao_->Continua(documento_);
    return !paginacao_->Terminada();
}

void RelatorioEmPaginas::CarregaTudo()
{
    while (Continua()) {}
}

double RelatorioEmPaginas::Progresso() const
{
    if (!leitor_)
        return 1;
    return leitor_->Tamanho() > 0 ? double(leitor_->Lidos()) / leitor_->Tamanho() : 0;
}

void RelatorioEmPaginas::UsaPagina(const QPageLayout& pagina)
{
    pagina_ = pagina;
    paginacao_ = std::make_unique<Paginacao>(geometriaDe(pagina).altura);
    paginacao_->Continua(documento_);
}

void RelatorioEmPaginas::pinta(QPainter& pintor, const Paginacao& paginacao, const Geometria& geometria,
                               int pagina) const
{
    pintor.save();
    const double k = pintor.device()->logicalDpiY() / 96.0;
    pintor.translate(geometria.deslocamento * k, 0);
    pintor.scale(geometria.escala, geometria.escala);
    PintaPagina(pintor, documento_, paginacao, pagina);
    pintor.restore();
}

void RelatorioEmPaginas::Pinta(QPainter& pintor, int pagina) const
{
    pinta(pintor, *paginacao_, geometriaDe(pagina_), pagina);
}

QImage RelatorioEmPaginas::Imagem(int pagina, double pontosPorPolegada) const
{
    const QSizeF folha = pagina_.fullRect(QPageLayout::Inch).size() * pontosPorPolegada;
    QImage imagem(folha.toSize(), QImage::Format_RGB32);
    const int pontosPorMetro = qRound(pontosPorPolegada / 0.0254);
    imagem.setDotsPerMeterX(pontosPorMetro);
    imagem.setDotsPerMeterY(pontosPorMetro);
    imagem.fill(Qt::white);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    const QPointF margem = pagina_.paintRect(QPageLayout::Inch).topLeft() * pontosPorPolegada;
    pintor.translate(margem);
    Pinta(pintor, pagina);
    return imagem;
}

QString RelatorioEmPaginas::NomeDoDocumento() const
{
    return QFileInfo(arquivo_).fileName();
}

void RelatorioEmPaginas::ImprimeEm(QPagedPaintDevice& folhas, int copias, const QString& dispositivo) const
{
    if (copias <= 0)
        return;
    // The printer's paper may not be the one the pages were laid out for.
    const QPageLayout pagina = folhas.pageLayout();
    const Geometria geometria = geometriaDe(pagina);
    std::unique_ptr<Paginacao> outra;
    const Paginacao* paginacao = paginacao_.get();
    if (!pagina.isEquivalentTo(pagina_)) {
        outra = std::make_unique<Paginacao>(geometria.altura);
        outra->Continua(documento_);
        paginacao = outra.get();
    }
    const QString naoConcluida = QStringLiteral("A impressão não foi concluída na impressora %1.").arg(dispositivo);
    QPainter pintor;
    if (!pintor.begin(&folhas))
        throw VbError(ErroDeImpressora, QStringLiteral("A impressora %1 não pôde ser aberta.").arg(dispositivo));
    for (int copia = 0; copia < copias; ++copia)
        for (int i = 0; i < paginacao->Total(); ++i) {
            if ((copia > 0 || i > 0) && !folhas.newPage())
                throw VbError(ErroDeImpressora, naoConcluida);
            pinta(pintor, *paginacao, geometria, i);
        }
    if (!pintor.end())
        throw VbError(ErroDeImpressora, naoConcluida);
}

void RelatorioEmPaginas::GravaPdf(const QString& arquivo) const
{
    GravaArquivoDeSaida(arquivo, [&](const QString& temporario) {
        QFile saida(temporario);
        if (!saida.open(QIODevice::WriteOnly))
            throw VbError(vb_error::PathFileAccess, QStringLiteral("O PDF não pôde ser gravado: %1").arg(arquivo));
        {
            QPdfWriter escritor(&saida);
            escritor.setPageLayout(pagina_);
            escritor.setResolution(1200);
            escritor.setCreator(QStringLiteral("Pantoro"));
            escritor.setTitle(QFileInfo(arquivo_).fileName());
            QPainter pintor(&escritor);
            for (int i = 0; i < paginacao_->Total(); ++i) {
                if (i > 0)
                    escritor.newPage();
                Pinta(pintor, i);
            }
            pintor.end();
        }
        // Once the file is open, a write fails for want of room.
        if (saida.error() != QFileDevice::NoError || !saida.flush())
            throw VbError(vb_error::DiskFull,
                          QStringLiteral("Disco cheio: o PDF não pôde ser gravado: %1").arg(arquivo));
    });
}
