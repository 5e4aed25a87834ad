#include "ImpressoraQt.h"

#include "janelas/frmEscolheImpressora.h"
#include "paging/RelatorioEmPaginas.h"
#include "platform/VbError.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr long ErroDeImpressora = 482;  // VB's "Printer error"

QPrinterInfo ImpressoraPadrao()
{
    const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
    if (padrao.isNull())
        throw VbError(ErroDeImpressora, QStringLiteral("Nenhuma impressora padrão está instalada neste computador.\r"
                                                       "Instale ou escolha uma impressora padrão e tente novamente."));
    return padrao;
}

}  // namespace

bool ImpressoraQt::EscolhaNaJanela(QPrinter& impressora, QWidget* parent)
{
    frmEscolheImpressora janela(impressora, parent);
    return janela.exec() == QDialog::Accepted;
}

ImpressoraQt::ImpressoraQt(Escolha escolha) : escolha_(std::move(escolha)) {}

// The chosen printer while it is still installed, else the default one.
void ImpressoraQt::prepara(QPrinter& impressora) const
{
    const QPrinterInfo escolhida = QPrinterInfo::printerInfo(nome_);
    impressora.setPrinterName(nome_.isEmpty() || escolhida.isNull() ? ImpressoraPadrao().printerName() : nome_);
    // Until a choice is made: A4 portrait with the margins of the PDF.
    impressora.setPageLayout(pagina_ ? *pagina_ : RelatorioEmPaginas::PaginaPadrao());
}

void ImpressoraQt::ConfigurarPagina()
{
    QPrinter impressora(QPrinter::HighResolution);
    prepara(impressora);
    if (escolha_(impressora, QApplication::activeWindow())) {
        nome_ = impressora.printerName();
        pagina_ = impressora.pageLayout();
    }
}

void ImpressoraQt::ImprimirNaPadrao(const Imprimivel* documento, int copias)
{
    QPrinter impressora(QPrinter::HighResolution);
    prepara(impressora);
    if (!documento)
        throw VbError(ErroDeImpressora, QStringLiteral("Não há relatório para imprimir."));
    impressora.setCopyCount(1);
    impressora.setDocName(documento->NomeDoDocumento());
    documento->ImprimeEm(impressora, copias, impressora.printerName());
}
