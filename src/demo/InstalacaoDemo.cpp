#include "InstalacaoDemo.h"

#include "EmpresaDemo.h"
#include "platform/Clock.h"
#include "platform/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace {

// The configuration as the suite writes it: caret fields, CRLF lines.
const QByteArray serverAplic = "c:\\^korva\\^\r\n";
const QByteArray linhaServidor = "local^c:\\korva\\dados\\demo.db^^^SQLITE^^False^\r\n";
// Twelve fields; the program reads field 10, the report folder.
const QByteArray paths = "^^^^^^^^^c:\\korva\\relatorios\\^^^\r\n";

[[noreturn]] void falhaDeArquivo(const QString& caminho, const QString& motivo)
{
    throw VbError(vb_error::PathFileAccess,
                  QStringLiteral("Não foi possível criar %1: %2").arg(QDir::toNativeSeparators(caminho), motivo));
}

void criaPasta(const QString& caminho)
{
    if (!QDir().mkpath(caminho))
        falhaDeArquivo(caminho, QStringLiteral("pasta não criada"));
}

void criaArquivoSeFalta(const QString& caminho, const QByteArray& conteudo)
{
    if (QFileInfo::exists(caminho))
        return;
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::NewOnly) || arquivo.write(conteudo) != conteudo.size())
        falhaDeArquivo(caminho, arquivo.errorString());
}

void criaBancoSeFalta(const QString& caminho)
{
    if (QFileInfo::exists(caminho))
        return;
    QTemporaryFile temporario(caminho + QStringLiteral(".XXXXXX.parcial"));
    if (!temporario.open())
        falhaDeArquivo(temporario.fileTemplate(), temporario.errorString());
    temporario.close();
    GeraEmpresaDemo(temporario.fileName(), Hoje());
    if (std::rename(QFile::encodeName(temporario.fileName()).constData(), QFile::encodeName(caminho).constData()) != 0)
        falhaDeArquivo(caminho, QStringLiteral("o banco gerado não pôde ser renomeado"));
    temporario.setAutoRemove(false);
}

}  // namespace

void PreparaInstalacaoDemo(const QString& pasta)
{
    const QString driveC = QDir(QFileInfo(pasta).absoluteFilePath()).absoluteFilePath(QStringLiteral("c"));
    const QString korva = driveC + QStringLiteral("/korva");
    criaPasta(korva + QStringLiteral("/config"));
    criaPasta(korva + QStringLiteral("/dados"));
    criaPasta(korva + QStringLiteral("/relatorios"));

    criaArquivoSeFalta(korva + QStringLiteral("/config/server_aplic.ini"), serverAplic);
    criaArquivoSeFalta(korva + QStringLiteral("/config/server.ini"), linhaServidor + linhaServidor + linhaServidor);
    criaArquivoSeFalta(korva + QStringLiteral("/config/paths.ini"), paths);
    criaBancoSeFalta(korva + QStringLiteral("/dados/demo.db"));

    qputenv("PANTORO_DRIVE_C", QFile::encodeName(QDir::cleanPath(driveC)));
}
