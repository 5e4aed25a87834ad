#include "PdfDoRelatorio.h"

#include "paging/RelatorioEmPaginas.h"

void GravaPdf(const QString& arquivoHtml, const QString& arquivoPdf, const QString& linhaDoPeriodo)
{
    RelatorioEmPaginas relatorio(arquivoHtml, RelatorioEmPaginas::PaginaPadrao(), linhaDoPeriodo);
    relatorio.CarregaTudo();
    relatorio.GravaPdf(arquivoPdf);
}
