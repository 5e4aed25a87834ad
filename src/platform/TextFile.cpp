#include "TextFile.h"

#include "Cp1252.h"
#include "VbError.h"
#include "WindowsPath.h"

#include <QFile>
#include <QFileInfo>

namespace {

[[noreturn]] void erroDeArquivo(long number, const QString& texto, const QString& path)
{
    throw VbError(number, QStringLiteral("%1: %2").arg(texto, path));
}

[[noreturn]] void falhaAoAbrir(const QFile& file, const QString& path)
{
    if (!QFileInfo(QFileInfo(file.fileName()).absolutePath()).isDir())
        erroDeArquivo(vb_error::PathNotFound, QStringLiteral("Path not found"), path);
    erroDeArquivo(vb_error::PathFileAccess, QStringLiteral("Path/File access error"), path);
}

}  // namespace

bool ArquivoExiste(const QString& path)
{
    return QFileInfo(CaminhoLocal(path)).isFile();
}

void ApagaArquivo(const QString& path)
{
    QFile file(CaminhoLocal(path));
    if (!file.exists())
        erroDeArquivo(vb_error::FileNotFound, QStringLiteral("File not found"), path);
    if (!file.remove())
        erroDeArquivo(vb_error::PathFileAccess, QStringLiteral("Path/File access error"), path);
}

QStringList LerLinhas(const QString& path, int maximo)
{
    QFile file(CaminhoLocal(path));
    if (!file.exists())
        erroDeArquivo(vb_error::FileNotFound, QStringLiteral("File not found"), path);
    if (!file.open(QIODevice::ReadOnly))
        falhaAoAbrir(file, path);
    const QString text = DecodificaTextoConfig(file.readAll());
    QStringList linhas;
    qsizetype inicio = 0;
    while (inicio < text.size() && linhas.size() < maximo) {
        qsizetype fim = inicio;
        while (fim < text.size() && text[fim] != u'\r' && text[fim] != u'\n')
            ++fim;
        linhas << text.mid(inicio, fim - inicio);
        if (fim + 1 < text.size() && text[fim] == u'\r' && text[fim + 1] == u'\n')
            ++fim;
        inicio = fim + 1;
    }
    return linhas;
}

void AcrescentaLinha(const QString& path, const QString& text)
{
    QFile file(CaminhoLocal(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        falhaAoAbrir(file, path);
    const QByteArray bytes = ParaCp1252(text) + "\r\n";
    if (file.write(bytes) != bytes.size() || !file.flush())
        erroDeArquivo(vb_error::DiskFull, QStringLiteral("Disk full"), path);
}
