// The page renderer against the browser engine, same report files, one run:
// pages, pages per second, wall time and peak memory of the PDF each path
// writes, the time until the page view has its first page, and the time the
// browser view takes to load the file.
//
//   pantoro_bench_paginas [--sem-navegador] [--limite-navegador MB] FILE.html...
//
// The files come from `pantoro_bench --arquivos DIR` (a month and the year of
// the benchmark company) and `pantoro --demo DIR` (the demo period). The
// browser path is skipped for files above --limite-navegador (default 1000 MB).
// "Vista do navegador" is the time the viewer's browser view takes from
// load() to loadFinished for the same file (the viewer's size threshold for
// it comes from this column). Prints a Markdown table.

#include "PicoDeMemoria.h"
#include "janelas/AjustesDeRelatorio.h"
#include "janelas/PdfNavegador.h"
#include "paging/PdfDoRelatorio.h"
#include "paging/RelatorioEmPaginas.h"
#include "platform/Fontes.h"
#include "platform/VbError.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

int paginasDoPdf(const QString& pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    for (const QByteArray& linha : info.readAllStandardOutput().split('\n'))
        if (linha.startsWith("Pages:"))
            return linha.mid(6).trimmed().toInt();
    return 0;
}

QString mede(void (*grava)(const QString&, const QString&), const QString& html, const QString& pdf)
{
    ZeraPicoDeMemoria();
    QElapsedTimer relogio;
    relogio.start();
    try {
        grava(html, pdf);
    } catch (const VbError& erro) {
        return QStringLiteral("erro: %1 | | | ").arg(erro.Description().left(40));
    }
    const double segundos = relogio.elapsed() / 1000.0;
    const int paginas = paginasDoPdf(pdf);
    return QStringLiteral("%1 | %2 | %3 | %4 MB")
        .arg(paginas)
        .arg(paginas / segundos, 0, 'f', 0)
        .arg(segundos, 0, 'f', 2)
        .arg(PicoDeMemoriaMb(), 0, 'f', 0);
}

// From opening the file to the first page painted, as the page view does it.
QString primeiraPagina(const QString& html)
{
    QElapsedTimer relogio;
    relogio.start();
    try {
        RelatorioEmPaginas relatorio(html);
        while (relatorio.Prontas() < 1 && relatorio.Continua()) {}
        relatorio.Imagem(0, 96);
    } catch (const VbError& erro) {
        return QStringLiteral("erro: %1").arg(erro.Description().left(40));
    }
    return QString::number(relogio.elapsed() / 1000.0, 'f', 2);
}

// From load() to loadFinished in a browser view shown as the viewer shows
// it; negative when it has not loaded within a minute.
double vistaDoNavegador(const QString& html)
{
    QWebEngineView vista;
    AjustaPaginaDeRelatorio(vista.settings());
    vista.resize(1000, 700);
    vista.show();
    QEventLoop laco;
    bool carregou = false;
    QObject::connect(&vista, &QWebEngineView::loadFinished, &laco, [&](bool ok) {
        carregou = ok;
        laco.quit();
    });
    QTimer::singleShot(60000, &laco, &QEventLoop::quit);
    QElapsedTimer relogio;
    relogio.start();
    vista.load(QUrl::fromLocalFile(QFileInfo(html).absoluteFilePath()));
    laco.exec();
    return carregou ? relogio.elapsed() / 1000.0 : -1;
}

const char* const Uso = "uso: pantoro_bench_paginas [--sem-navegador] [--limite-navegador MB] ARQUIVO.html...\n";

// The report files to measure, and the options; nothing when an argument
// is not one of them or a file does not exist.
struct Argumentos {
    QStringList arquivos;
    bool navegador = true;
    double limiteMb = 1000;
};

std::optional<Argumentos> leArgumentos(const QStringList& lista)
{
    Argumentos lidos;
    for (int i = 0; i < lista.size(); ++i) {
        bool numero = true;
        if (lista[i] == QLatin1String("--sem-navegador"))
            lidos.navegador = false;
        else if (lista[i] == QLatin1String("--limite-navegador") && i + 1 < lista.size())
            lidos.limiteMb = lista[++i].toDouble(&numero);
        else if (QFileInfo(lista[i]).isFile())
            lidos.arquivos << lista[i];
        else
            return std::nullopt;
        if (!numero)
            return std::nullopt;
    }
    if (lidos.arquivos.isEmpty())
        return std::nullopt;
    return lidos;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The browser engine refuses its sandbox to root.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    ConfiguraFontes();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication aplicacao(argc, argv);
    const QStringList lista = aplicacao.arguments().mid(1);
    if (lista == QStringList{QStringLiteral("--help")} || lista == QStringList{QStringLiteral("-h")}) {
        std::fputs(Uso, stdout);
        return 0;
    }
    const std::optional<Argumentos> argumentos = leArgumentos(lista);
    if (!argumentos) {
        std::fputs(Uso, stderr);
        return 2;
    }
    const auto& [arquivos, navegador, limiteMb] = *argumentos;
    QTemporaryDir pasta;
    QTextStream saida(stdout);
    saida << "| Arquivo | MB | Renderizador: páginas | pág/s | s | pico | 1ª página na visualização: s "
             "| Navegador: páginas | pág/s | s | pico | Vista do navegador: s |\n"
             "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    saida.flush();
    for (const QString& html : arquivos) {
        const double mb = QFileInfo(html).size() / 1048576.0;
        const QString pdf = pasta.filePath(QFileInfo(html).completeBaseName() + QStringLiteral(".pdf"));
        saida << "| " << QFileInfo(html).fileName() << " | " << QString::number(mb, 'f', 1) << " | "
              << mede(GravaPdf, html, pdf) << " | " << primeiraPagina(html) << " | ";
        if (navegador && mb <= limiteMb) {
            saida << mede(GravaPdfNavegador, html, pdf + QStringLiteral(".navegador.pdf")) << " | ";
            const double vista = vistaDoNavegador(html);
            saida << (vista < 0 ? QStringLiteral("não carregou em 60 s") : QString::number(vista, 'f', 2)) << " |\n";
        } else {
            saida << "não medido | | | | |\n";
        }
        saida.flush();
    }
    return 0;
}
