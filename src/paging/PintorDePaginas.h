#pragma once

#include "paging/DocumentoDeRelatorio.h"
#include "paging/Paginacao.h"

class QPainter;

// Paints one page: the frame, the page's rows with their grid, the footer.
// The painter's origin is the top-left corner of the page's content area;
// lengths are CSS pixels scaled to the device's resolution, fonts are in
// points, so a PDF, a printer and an image of any resolution get the same
// page. The grid is a few long lines per table piece, not a box per cell.
void PintaPagina(QPainter& pintor, const DocumentoDeRelatorio& documento, const Paginacao& paginacao, int pagina);
