#include "PastaDeDados.h"

#include <QDir>
#include <QFileInfo>

QString PastaDeDados()
{
    const QFileInfo executavel(QStringLiteral("/proc/self/exe"));
    const QString pastaBin = QFileInfo(executavel.canonicalFilePath()).absolutePath();
    return QDir::cleanPath(pastaBin + QStringLiteral("/../share/pantoro"));
}
