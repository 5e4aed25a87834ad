#include "platform/Fontes.h"
#include "platform/UserLocale.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

// Every test program of the core: an application for fonts and painting
// (offscreen), and the locale the expected texts are written in, whatever
// the machine's is.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ConfiguraFontes();
    QGuiApplication app(argc, argv);
    DefinirLocaleUsuario(QLocale(QLocale::Portuguese, QLocale::Brazil));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
