#include "platform/Fontes.h"
#include "platform/UserLocale.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program of the windows: the application the windows and the
// browser engine need (offscreen), and the locale the expected texts are
// written in, whatever the machine's is.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ConfiguraFontes();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    DefinirLocaleUsuario(QLocale(QLocale::Portuguese, QLocale::Brazil));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
