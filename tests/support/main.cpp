#include "platform/Fontes.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test executable gets an application object (offscreen by default),
// as the windows and the browser engine need one.
int main(int argc, char** argv)
{
    ConfiguraFontes();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
