#include "platform/Fontes.h"

#include <QApplication>

int main(int argc, char** argv)
{
    ConfiguraFontes();
    QApplication app(argc, argv);
    return 0;
}
