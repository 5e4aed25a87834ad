#include "AjustesDeRelatorio.h"

#include <QFont>
#include <QFontInfo>
#include <QWebEngineSettings>

namespace {

QString FonteSemSerifa()
{
    QFont fonte;
    fonte.setStyleHint(QFont::SansSerif);
    fonte.setFamily(QString());
    return QFontInfo(fonte).family();
}

}  // namespace

void AjustaPaginaDeRelatorio(QWebEngineSettings* ajustes)
{
    ajustes->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    ajustes->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    ajustes->setDefaultTextEncoding(QStringLiteral("windows-1252"));
    ajustes->setFontFamily(QWebEngineSettings::StandardFont, FonteSemSerifa());
}
