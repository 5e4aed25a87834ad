#include "PicoDeMemoria.h"

#include <QByteArray>
#include <QFile>

void ZeraPicoDeMemoria()
{
    QFile arquivo(QStringLiteral("/proc/self/clear_refs"));
    if (arquivo.open(QIODevice::WriteOnly))
        arquivo.write("5");
}

double PicoDeMemoriaMb()
{
    QFile arquivo(QStringLiteral("/proc/self/status"));
    if (!arquivo.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linha : arquivo.readAll().split('\n'))
        if (linha.startsWith("VmHWM:"))
            return linha.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}
