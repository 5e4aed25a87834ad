#pragma once

#include <QFont>
#include <QString>
#include <QStringView>
#include <array>

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
    double AlturaDaLinha() const { return alturaLinha_; }
    double Ascendente() const { return ascendente_; }

    double Largura(QStringView texto) const;
    // The widest word: what a cell needs at the least.
    double MaiorPalavra(QStringView texto) const;
    // Height of `texto` wrapped into `largura`, in lines (1 when it fits).
    int Linhas(const QString& texto, double largura) const;

private:
    QFont fonte_;
    double alturaLinha_ = 0;
    double ascendente_ = 0;
    std::array<float, 256> larguras_{};
};
