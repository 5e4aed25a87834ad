#include "LargurasDaGrade.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <cmath>

namespace {

constexpr double TwipsPorPixel = 15;
constexpr double LarguraMediaOriginal = 5;  // pixels per character of the grids' system font

}  // namespace

int PixelsDeTwips(int twips, const QFontMetrics& metricas)
{
    const double escala = qMax(1.0, metricas.averageCharWidth() / LarguraMediaOriginal);
    return int(std::lround(twips / TwipsPorPixel * escala));
}

void AplicaLarguras(QTableView& vista, const FlexGrid& grade, const QHash<int, QString>& maioresValores)
{
    vista.setWordWrap(false);
    const QFontMetrics metricas = vista.fontMetrics();
    // The item delegate's text margin on each side, the grid line, and a
    // character's room so the last one is never elided.
    const int margem = 2 * (vista.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &vista) + 1) + 1 +
                       metricas.averageCharWidth();
    for (int c = 0; c < grade.Cols(); ++c) {
        const int twips = grade.ColWidth(c);
        vista.setColumnHidden(c, twips == 0);
        if (twips <= 0)
            continue;
        int largura = qMax(PixelsDeTwips(twips, metricas), vista.horizontalHeader()->sectionSizeHint(c));
        if (maioresValores.contains(c))
            largura = qMax(largura, metricas.horizontalAdvance(maioresValores.value(c)) + margem);
        vista.setColumnWidth(c, largura);
    }
}
