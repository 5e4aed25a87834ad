#include "Fontes.h"

#include <QFileInfo>
#include <QtGlobal>

void ConfiguraFontes()
{
    if (!qEnvironmentVariableIsEmpty("FONTCONFIG_FILE"))
        return;
    const QString arquivo = QStringLiteral(PANTORO_FONTCONFIG_FILE);
    if (QFileInfo::exists(arquivo))
        qputenv("FONTCONFIG_FILE", arquivo.toLocal8Bit());
}
