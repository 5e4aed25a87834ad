#include "PdfNavegador.h"

#include "janelas/AjustesDeRelatorio.h"
#include "janelas/SoArquivosLocais.h"
#include "platform/ArquivoDeSaida.h"
#include "platform/VbError.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace {

// Generous: the first page of a process also starts the browser engine.
constexpr int LimiteMs = 120000;

[[noreturn]] void falha(const QString& texto, const QString& arquivo)
{
    throw VbError(vb_error::PathFileAccess, texto.arg(arquivo));
}

// Runs the event loop until `pronto` is called or the time runs out.
bool espera(QEventLoop& laco)
{
    QTimer limite;
    limite.setSingleShot(true);
    bool esgotado = false;
    QObject::connect(&limite, &QTimer::timeout, &laco, [&] {
        esgotado = true;
        laco.quit();
    });
    limite.start(LimiteMs);
    laco.exec();
    return !esgotado;
}

}  // namespace

void GravaPdfNavegador(const QString& arquivoHtml, const QString& arquivoPdf)
{
    if (!QFileInfo(arquivoHtml).isFile())
        falha(QStringLiteral("Arquivo não encontrado: %1"), arquivoHtml);

    QWebEngineProfile perfil;  // off the record: nothing kept on disk
    perfil.setUrlRequestInterceptor(new SoArquivosLocais(&perfil));
    QWebEnginePage pagina(&perfil);
    AjustaPaginaDeRelatorio(pagina.settings());

    QEventLoop laco;
    bool carregou = false;
    QObject::connect(&pagina, &QWebEnginePage::loadFinished, &laco, [&](bool ok) {
        carregou = ok;
        laco.quit();
    });
    pagina.load(QUrl::fromLocalFile(QFileInfo(arquivoHtml).absoluteFilePath()));
    if (!espera(laco) || !carregou)
        falha(QStringLiteral("O relatório não pôde ser carregado: %1"), arquivoHtml);

    GravaArquivoDeSaida(arquivoPdf, [&](const QString& temporario) {
        bool gravou = false;
        QObject::connect(&pagina, &QWebEnginePage::pdfPrintingFinished, &laco, [&](const QString&, bool ok) {
            gravou = ok;
            laco.quit();
        });
        pagina.printToPdf(temporario, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        if (!espera(laco) || !gravou)
            falha(QStringLiteral("O PDF não pôde ser gravado: %1"), arquivoPdf);
    });
}
