#include "PdfDoRelatorio.h"

#include "paging/RelatorioEmPaginas.h"

void GravaPdf(const QString& arquivoHtml, const QString& arquivoPdf)
{
    RelatorioEmPaginas relatorio(arquivoHtml);
    relatorio.CarregaTudo();
    relatorio.GravaPdf(arquivoPdf);
}
