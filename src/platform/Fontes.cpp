#include "Fontes.h"

#include "platform/PastaDeDados.h"

#include <QFileInfo>
#include <QtGlobal>

void ConfiguraFontes()
{
    if (!qEnvironmentVariableIsEmpty("FONTCONFIG_FILE"))
        return;
    const QString arquivo = PastaDeDados() + QStringLiteral("/fonts.conf");
    if (QFileInfo::exists(arquivo))
        qputenv("FONTCONFIG_FILE", arquivo.toLocal8Bit());
}
