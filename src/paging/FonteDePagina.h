#pragma once

#include <QFont>
#include <QRawFont>
#include <QString>
#include <QStringView>
#include <QVector>
#include <array>
#include <cmath>

class QPainter;

// CSS pixels to the dots of a device of `k` dots to the pixel. On a printer
// or a PDF (hundreds of dots per inch) whole dots are invisible, and keep
// the numbers the PDF writes short.
inline double EmPontos(double pixels, double k)
{
    return k >= 4 ? std::round(pixels * k) : pixels * k;
}

// The face, size and weight of a report row, with its measures in CSS
// pixels (1/96 inch), the unit the page layout works in. Measures are those
// of the unhinted outline, so a PDF, a printer and the screen lay out alike.
// The report names Tahoma; the renderer draws it with a face of close
// metrics that keeps the accents on capitals and has a real bold.
class FonteDePagina {
public:
    FonteDePagina(double tamanhoPt, bool negrito, const QString& familia);

    // The font to draw with: in points, so that any device sizes it.
    const QFont& Fonte() const { return fonte_; }
    double TamanhoPt() const { return fonte_.pointSizeF(); }
    double AlturaDaLinha() const { return alturaLinha_; }
    double Ascendente() const { return ascendente_; }

    double Largura(QStringView texto) const;
    // The widest word: what a cell needs at the least.
    double MaiorPalavra(QStringView texto) const;
    // `texto` in lines no wider than `largura`, broken at blanks only, as a
    // browser wraps a cell; a word wider than `largura` has a line of its own.
    QVector<QStringView> Quebra(QStringView texto, double largura) const;

    // Glyphs of this font from several texts, drawn at once: a PDF writes
    // the drawing's state once for all of them.
    struct Glifos {
        QVector<quint32> indices;
        QVector<QPointF> posicoes;
    };
    // Adds `texto` with its baseline's left end at `origem` (CSS pixels) on
    // a device of `k` dots to the CSS pixel, each glyph where Largura() puts
    // it: as wide as measured on any device, and without the painter's
    // shaping. False, adding nothing, when a character has no glyph here.
    bool Junta(Glifos& glifos, QPointF origem, QStringView texto, double k) const;
    void Desenha(QPainter& pintor, const Glifos& glifos, double k) const;
    // One text: its glyphs, else through the painter's font.
    void Desenha(QPainter& pintor, QPointF origem, QStringView texto, double k) const;

private:
    QFont fonte_;
    double alturaLinha_ = 0;
    double ascendente_ = 0;
    std::array<float, 256> larguras_{};
    std::array<quint32, 256> glifos_{};  // 0: drawn through the painter's own shaping
    mutable QRawFont bruta_;             // at the size of the last device drawn on
    mutable double kDaBruta_ = 0;
};
