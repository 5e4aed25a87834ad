#include "ImpressoraQt.h"

#include "platform/VbError.h"

#include <QEventLoop>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWebEngineView>

namespace {

constexpr long ErroDeImpressora = 482;  // VB's "Printer error"

QPrinterInfo ImpressoraPadrao()
{
    const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
    if (padrao.isNull())
        throw VbError(ErroDeImpressora,
                      QStringLiteral("Nenhuma impressora padrão está instalada neste computador.\r"
                                     "Instale ou escolha uma impressora padrão e tente novamente."));
    return padrao;
}

}  // namespace

void ImpressoraQt::ConfigurarPagina(QWidget* parent)
{
    QPrinter impressora(ImpressoraPadrao(), QPrinter::HighResolution);
    if (pagina_)
        impressora.setPageLayout(*pagina_);
    QPageSetupDialog dialogo(&impressora, parent);
    if (dialogo.exec() == QDialog::Accepted)
        pagina_ = impressora.pageLayout();
}

void ImpressoraQt::ImprimirNaPadrao(QWebEngineView* documento)
{
    const QPrinterInfo padrao = ImpressoraPadrao();
    QPrinter impressora(padrao, QPrinter::HighResolution);
    if (pagina_)
        impressora.setPageLayout(*pagina_);

    // The view prints asynchronously; the printer must outlive the job. User
    // input waits, so the viewer cannot be closed under a running job.
    bool impresso = false;
    QEventLoop espera;
    const auto conexao = QObject::connect(documento, &QWebEngineView::printFinished, &espera,
                                          [&](bool sucesso) {
                                              impresso = sucesso;
                                              espera.quit();
                                          });
    documento->print(&impressora);
    espera.exec(QEventLoop::ExcludeUserInputEvents);
    QObject::disconnect(conexao);
    if (!impresso)
        throw VbError(ErroDeImpressora, QStringLiteral("A impressão não foi concluída na impressora ")
                                            + padrao.printerName() + QStringLiteral("."));
}
