#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the ANSI code page of the report file and of the suite's
// configuration files. Characters it cannot hold are written as "?".
QByteArray ParaCp1252(const QString& text);
QString DeCp1252(const QByteArray& bytes);
// Configuration files: UTF-8 when the bytes are valid UTF-8, else CP1252.
QString DecodificaTextoConfig(const QByteArray& bytes);
