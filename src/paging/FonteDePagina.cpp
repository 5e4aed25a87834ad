#include "FonteDePagina.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTextLayout>
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
    for (int c = 0; c < 256; ++c)
        larguras_[c] = static_cast<float>(medidas.horizontalAdvance(QChar(c)));
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

int FonteDePagina::Linhas(const QString& texto, double largura) const
{
    if (Largura(texto) <= largura)
        return 1;
    QTextLayout disposicao(texto, fonte_, referencia());
    QTextOption opcao;
    opcao.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    disposicao.setTextOption(opcao);
    disposicao.beginLayout();
    int linhas = 0;
    while (true) {
        QTextLine linha = disposicao.createLine();
        if (!linha.isValid())
            break;
        linha.setLineWidth(largura);
        ++linhas;
    }
    disposicao.endLayout();
    return std::max(1, linhas);
}
