#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The built program, run as a user or a script runs it.
struct Saida {
    int codigo = -1;  // -1: crashed or hung
    QString saida;
    QString erro;
};

Saida RodaPrograma(const QString& executavel, const QStringList& argumentos,
                   const QProcessEnvironment& ambiente = QProcessEnvironment::systemEnvironment());
