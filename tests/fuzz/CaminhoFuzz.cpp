// CaminhoLocal on any text: a path maps or raises error 52, and a path on
// drive C: never leaves the drive's folder.
#include "Entrada.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
QTemporaryDir* drive = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    drive = new QTemporaryDir;
    QDir(drive->path()).mkpath(QStringLiteral("Korva/Config"));
    QDir(drive->path()).mkpath(QStringLiteral("korva/RELATORIOS"));
    qputenv("PANTORO_DRIVE_C", drive->path().toLocal8Bit());
    // Relative paths are looked up here too: a small folder, not the caller's.
    QDir::setCurrent(drive->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString caminho = QString::fromUtf8(Entrada(data, size, kCaminhoMaisLongo));
    try {
        const QString local = CaminhoLocal(caminho);
        const bool driveC = caminho.startsWith(QLatin1String("c:"), Qt::CaseInsensitive);
        if (driveC && local != drive->path() && !local.startsWith(drive->path() + u'/'))
            std::abort();
    } catch (const VbError& erro) {
        if (erro.Number() != vb_error::BadFileName)
            std::abort();
    }
    return 0;
}
