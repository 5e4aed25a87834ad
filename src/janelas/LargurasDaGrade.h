#pragma once

#include "platform/FlexGrid.h"

#include <QHash>
#include <QString>

class QFontMetrics;
class QTableView;

// Twips to pixels in the font a grid is drawn with: the widths were chosen
// at fifteen twips to the pixel for a system font whose characters averaged
// five pixels; a larger font widens the columns in proportion.
int PixelsDeTwips(int twips, const QFontMetrics& metricas);

// Shows the grid's column widths on its view: a column of 0 twips hidden,
// the others in the view's font, widened where the header or the widest
// value the window expects (`maioresValores`, by column) would not fit on
// one line. Cells never wrap.
void AplicaLarguras(QTableView& vista, const FlexGrid& grade, const QHash<int, QString>& maioresValores = {});
