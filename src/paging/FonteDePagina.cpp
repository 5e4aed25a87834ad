#include "FonteDePagina.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace {

// Measures are taken at 96 dots per inch: one device pixel is one CSS pixel.
QPaintDevice* referencia()
{
    static QImage imagem = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int pontosPorMetro = qRound(96 / 0.0254);
        i.setDotsPerMeterX(pontosPorMetro);
        i.setDotsPerMeterY(pontosPorMetro);
        return i;
    }();
    return &imagem;
}

QString faceDe(const QString& familia)
{
    if (familia.isEmpty() || familia.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("DejaVu Sans Condensed");
    return familia;
}

}  // namespace

FonteDePagina::FonteDePagina(double tamanhoPt, bool negrito, const QString& familia)
{
    fonte_.setFamily(faceDe(familia));
    fonte_.setPointSizeF(tamanhoPt);
    fonte_.setBold(negrito);
    fonte_.setKerning(false);
    fonte_.setHintingPreference(QFont::PreferNoHinting);
    fonte_.setStyleHint(QFont::SansSerif);
    const QFontMetricsF medidas(fonte_, referencia());
    alturaLinha_ = medidas.height();
    ascendente_ = medidas.ascent();
    QString letras;
    for (int c = 0; c < 256; ++c) {
        larguras_[c] = static_cast<float>(medidas.horizontalAdvance(QChar(c)));
        letras += QChar(c);
    }
    // The outline's own advances at the exact size: the font above is
    // sized in whole pixels, a few percent off at 8 pt on 96 dpi.
    bruta_ = QRawFont::fromFont(fonte_);
    if (!bruta_.isValid())
        return;
    bruta_.setPixelSize(tamanhoPt * 96 / 72);
    kDaBruta_ = 1;
    const QVector<quint32> glifos = bruta_.glyphIndexesForString(letras);
    const QVector<QPointF> avancos = bruta_.advancesForGlyphIndexes(glifos, QRawFont::UseDesignMetrics);
    for (int c = 0; c < 256 && c < glifos.size() && c < avancos.size(); ++c) {
        glifos_[c] = glifos[c];
        if (glifos[c] != 0)
            larguras_[c] = static_cast<float>(avancos[c].x());
    }
}

double FonteDePagina::Largura(QStringView texto) const
{
    double total = 0;
    for (const QChar c : texto) {
        if (c.unicode() < 256)
            total += larguras_[c.unicode()];
        else
            total += QFontMetricsF(fonte_, referencia()).horizontalAdvance(c);
    }
    return total;
}

double FonteDePagina::MaiorPalavra(QStringView texto) const
{
    double maior = 0;
    for (const QStringView palavra : texto.split(QLatin1Char(' ')))
        maior = std::max(maior, Largura(palavra));
    return maior;
}

QVector<QStringView> FonteDePagina::Quebra(QStringView texto, double largura) const
{
    // Sums of float advances: a line that fits exactly must not wrap.
    constexpr double Folga = 0.01;
    const double branco = larguras_[' '];
    QVector<QStringView> linhas;
    qsizetype inicioDaLinha = 0;
    qsizetype fimDaLinha = 0;
    double ocupada = -1;  // no word on the line yet
    for (qsizetype i = 0; i <= texto.size();) {
        qsizetype fim = texto.indexOf(QLatin1Char(' '), i);
        if (fim < 0)
            fim = texto.size();
        const double palavra = Largura(texto.sliced(i, fim - i));
        if (ocupada >= 0 && ocupada + branco + palavra > largura + Folga) {
            linhas << texto.sliced(inicioDaLinha, fimDaLinha - inicioDaLinha);
            inicioDaLinha = i;
            ocupada = palavra;
        } else {
            ocupada = ocupada < 0 ? palavra : ocupada + branco + palavra;
        }
        fimDaLinha = fim;
        i = fim + 1;
    }
    linhas << texto.sliced(inicioDaLinha, fimDaLinha - inicioDaLinha);
    return linhas;
}

bool FonteDePagina::Junta(Glifos& glifos, QPointF origem, QStringView texto, double k) const
{
    for (const QChar c : texto)
        if (c.unicode() >= 256 || glifos_[c.unicode()] == 0)
            return false;
    const double y = EmPontos(origem.y(), k);
    double x = origem.x();
    for (const QChar c : texto) {
        glifos.indices << glifos_[c.unicode()];
        glifos.posicoes << QPointF(EmPontos(x, k), y);
        x += larguras_[c.unicode()];
    }
    return true;
}

void FonteDePagina::Desenha(QPainter& pintor, const Glifos& glifos, double k) const
{
    if (glifos.indices.isEmpty())
        return;
    if (kDaBruta_ != k) {
        bruta_.setPixelSize(TamanhoPt() * 96 / 72 * k);
        kDaBruta_ = k;
    }
    QGlyphRun corrida;
    corrida.setRawFont(bruta_);
    corrida.setGlyphIndexes(glifos.indices);
    corrida.setPositions(glifos.posicoes);
    pintor.drawGlyphRun(QPointF(0, 0), corrida);
}

void FonteDePagina::Desenha(QPainter& pintor, QPointF origem, QStringView texto, double k) const
{
    Glifos glifos;
    if (Junta(glifos, origem, texto, k))
        Desenha(pintor, glifos, k);
    else
        pintor.drawText(origem * k, texto.toString());
}
