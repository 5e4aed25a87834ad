#include "ArquivoDeSaida.h"

#include "platform/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MaximoDeVinculos = 40;  // the kernel's own limit (ELOOP)

[[noreturn]] void falha(long numero, const QString& destino, const QString& motivo)
{
    throw VbError(
        numero,
        QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(destino), motivo));
}

[[noreturn]] void falhaDoSistema(const QString& destino, int erro)
{
    switch (erro) {
    case ENOSPC:
    case EDQUOT:
        falha(vb_error::DiskFull, destino, QStringLiteral("disco cheio."));
    case EACCES:
    case EPERM:
        falha(vb_error::PathFileAccess, destino, QStringLiteral("sem permissão de escrita."));
    case EROFS:
        falha(vb_error::PathFileAccess, destino, QStringLiteral("o disco só permite leitura."));
    case ENOENT:
    case ENOTDIR:
        falha(vb_error::PathNotFound, destino, QStringLiteral("a pasta não existe."));
    default:
        falha(vb_error::PathFileAccess, destino, QString::fromLocal8Bit(std::strerror(erro)));
    }
}

QString oQueE(mode_t modo)
{
    if (S_ISDIR(modo))
        return QStringLiteral("é uma pasta");
    if (S_ISCHR(modo) || S_ISBLK(modo))
        return QStringLiteral("é um dispositivo");
    if (S_ISFIFO(modo))
        return QStringLiteral("é um FIFO");
    return QStringLiteral("é um socket");
}

// The file the destination names once its symbolic links are followed; a
// dangling link names its missing target.
QString alvoDe(const QString& destino)
{
    QFileInfo alvo(destino);
    for (int vinculos = 0; alvo.isSymLink(); ++vinculos) {
        if (vinculos == MaximoDeVinculos)
            falha(vb_error::PathFileAccess, destino, QStringLiteral("vínculos simbólicos em ciclo."));
        alvo.setFile(alvo.symLinkTarget());
    }
    return alvo.absoluteFilePath();
}

// Removes the temporary file unless it took the destination's place.
struct Temporario {
    QByteArray caminho;
    bool renomeado = false;
    ~Temporario()
    {
        if (!caminho.isEmpty() && !renomeado)
            ::unlink(caminho.constData());
    }
};

// Creates the empty temporary file beside `alvo`: the user's umask for a
// new file, the old file's mode and owner for a replaced one. Returns the
// mode the finished file must have.
mode_t criaTemporario(Temporario& temporario, const QString& destino, const QString& alvo, const struct stat* anterior)
{
    const QFileInfo final(alvo);
    int arquivo = -1;
    for (int tentativa = 0; arquivo < 0; ++tentativa) {
        temporario.caminho = QFile::encodeName(final.absolutePath() + QStringLiteral("/.") + final.fileName() + u'.' +
                                               QString::number(QRandomGenerator::global()->generate(), 36));
        arquivo = ::open(temporario.caminho.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (arquivo < 0 && (errno != EEXIST || tentativa == 100)) {
            const int erro = errno;
            temporario.caminho.clear();
            falhaDoSistema(destino, erro);
        }
    }
    struct stat criado {};
    ::fstat(arquivo, &criado);
    mode_t modo = criado.st_mode & 07777;
    if (anterior) {
        // Only root or the owner may give it away; otherwise the file is the user's.
        if (::fchown(arquivo, anterior->st_uid, anterior->st_gid) != 0 && errno != EPERM)
            falhaDoSistema(destino, errno);
        modo = anterior->st_mode & 07777;
    }
    ::close(arquivo);
    return modo;
}

}  // namespace

void GravaArquivoDeSaida(const QString& destino, const std::function<void(const QString& temporario)>& grava)
{
    if (QFileInfo(destino).fileName().isEmpty())
        falha(vb_error::BadFileName, destino, QStringLiteral("não é um nome de arquivo."));
    const QString alvo = alvoDe(destino);
    const QByteArray nativo = QFile::encodeName(alvo);
    struct stat anterior {};
    const bool existe = ::lstat(nativo.constData(), &anterior) == 0;
    if (!existe && errno != ENOENT)
        falhaDoSistema(destino, errno);
    if (existe && !S_ISREG(anterior.st_mode))
        falha(vb_error::BadFileName, destino, oQueE(anterior.st_mode) + QStringLiteral(", não um arquivo comum."));
    const QByteArray pasta = QFile::encodeName(QFileInfo(alvo).absolutePath());
    struct stat estadoDaPasta {};
    if (::stat(pasta.constData(), &estadoDaPasta) != 0 || !S_ISDIR(estadoDaPasta.st_mode))
        falha(vb_error::PathNotFound, destino, QStringLiteral("a pasta não existe."));
    if (::access(pasta.constData(), W_OK | X_OK) != 0 || (existe && ::access(nativo.constData(), W_OK) != 0))
        falhaDoSistema(destino, errno);

    Temporario temporario;
    const mode_t modo = criaTemporario(temporario, destino, alvo, existe ? &anterior : nullptr);
    grava(QFile::decodeName(temporario.caminho));

    // On disk, with its mode (a writer may have made its own file), before it replaces anything.
    const int arquivo = ::open(temporario.caminho.constData(), O_RDONLY | O_CLOEXEC);
    if (arquivo < 0)
        falhaDoSistema(destino, errno);
    const bool noDisco = ::fsync(arquivo) == 0;
    const int erroDoDisco = errno;
    ::close(arquivo);
    if (!noDisco)
        falhaDoSistema(destino, erroDoDisco);
    if (::chmod(temporario.caminho.constData(), modo) != 0 ||
        ::rename(temporario.caminho.constData(), nativo.constData()) != 0)
        falhaDoSistema(destino, errno);
    temporario.renomeado = true;
}

void FalhaAoGravar(const QString& destino, const QString& motivo)
{
    falha(vb_error::PathFileAccess, destino, motivo);
}
