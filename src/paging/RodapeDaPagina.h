#pragma once

#include <QString>
#include <QStringList>

class QPainter;

// The band at the foot of every page. Pages of a file opened on its own
// show "Página N de M" centred. Pages that come from a run (the window, the
// command line, a schedule) also carry the run's period and filters, on the
// left with the page number on the right, so a printout says what it
// covers; a line too long to fit beside the number wraps at blanks and the
// band grows to hold it, never cutting it. Lengths in CSS pixels, the font
// 8 pt.
class RodapeDaPagina {
public:
    // `largura`: the width of the page's content; `linhaDoPeriodo` empty:
    // the footer of a file without a run.
    explicit RodapeDaPagina(double largura, const QString& linhaDoPeriodo = {});

    // The height the page layout keeps free for the band.
    double Altura() const;
    // The period line as painted, one entry per line; empty without a run.
    const QStringList& Linhas() const { return linhas_; }

    // Paints the band at the foot of a content area `alturaUtil` high, whose
    // left edge is the painter's origin, on a device of `k` dots per pixel.
    void Pinta(QPainter& pintor, const QString& numeroDaPagina, double alturaUtil, double k) const;

private:
    double largura_;
    QStringList linhas_;
};
