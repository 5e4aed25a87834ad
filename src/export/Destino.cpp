#include "Destino.h"

#include "platform/VbError.h"

#include <QDir>
#include <QFileInfo>

namespace {

[[noreturn]] void falha(long numero, const QString& arquivo, const QString& motivo)
{
    throw VbError(
        numero,
        QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(arquivo), motivo));
}

}  // namespace

void VerificaDestino(const QString& arquivo)
{
    const QFileInfo destino(arquivo);
    const QFileInfo pasta(destino.absolutePath());
    if (destino.fileName().isEmpty() || destino.isDir())
        falha(vb_error::BadFileName, arquivo, QStringLiteral("não é um nome de arquivo."));
    if (!pasta.isDir())
        falha(vb_error::PathNotFound, arquivo, QStringLiteral("a pasta não existe."));
    if (!pasta.isWritable() || (destino.exists() && !destino.isWritable()))
        falha(vb_error::PathFileAccess, arquivo, QStringLiteral("sem permissão de escrita."));
}

void FalhaAoGravar(const QString& arquivo, const QString& motivo)
{
    falha(vb_error::PathFileAccess, arquivo, motivo);
}
