// LerLinhas on any file content: binary garbage, NUL bytes, 1 MB lines, CR,
// LF and CRLF ends. No line holds a line end; there is no more than one line
// per line end, plus the last.
#include "Entrada.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
QTemporaryDir* drive = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    drive = new QTemporaryDir;
    qputenv("PANTORO_DRIVE_C", drive->path().toLocal8Bit());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Entrada(data, size, kUmMega);
    QFile file(drive->path() + QStringLiteral("/server.ini"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    const QStringList linhas = LerLinhas(QStringLiteral("c:\\SERVER.INI"), 1 << 30);
    const qsizetype fins = bytes.count('\r') + bytes.count('\n');
    if (linhas.size() > fins + 1)
        std::abort();
    for (const QString& linha : linhas) {
        if (linha.contains(u'\r') || linha.contains(u'\n'))
            std::abort();
    }
    return 0;
}
