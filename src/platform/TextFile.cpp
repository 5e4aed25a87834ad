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
    QString linha;
    bool dentroDeLinha = false;
    for (int i = 0; i < text.size() && linhas.size() < maximo; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            linhas << linha;
            linha.clear();
            dentroDeLinha = false;
        } else {
            linha += c;
            dentroDeLinha = true;
        }
    }
    if (dentroDeLinha && linhas.size() < maximo)
        linhas << linha;
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
