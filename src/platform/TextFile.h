#pragma once

#include <QString>
#include <QStringList>

// The file statements the program uses, on paths written the Windows way
// (mapped by CaminhoLocal). Failures raise the VB errors of the file system.
bool ArquivoExiste(const QString& path);
void ApagaArquivo(const QString& path);
// Up to `maximo` lines (CRLF, LF or CR end a line), decoded as CP1252 or UTF-8.
QStringList LerLinhas(const QString& path, int maximo);
// Appends the text and CRLF in CP1252; the file is opened and closed per call
// and created when missing.
void AcrescentaLinha(const QString& path, const QString& text);
