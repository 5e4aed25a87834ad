#pragma once

#include <QJsonDocument>
#include <QProcess>
#include <QString>
#include <QStringList>

// Debian's Python (where openpyxl and aiosmtpd are installed).
QString Python();
// A script of this folder with the given arguments; its stdout as JSON.
QJsonDocument RodaScript(const QString& script, const QStringList& argumentos);
// The value of a sheet cell as the checker printed it ("D7" style address).
QJsonValue Celula(const QJsonDocument& planilha, int folha, const QString& endereco);
