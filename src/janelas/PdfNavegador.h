#pragma once

#include <QString>

// Writes a finished report file (local path) as PDF through the browser
// engine of the viewer, the reference for the page renderer: A4,
// JavaScript off, nothing loaded from outside. Needs a QApplication. The
// PDF is written as platform/ArquivoDeSaida.h says. A file that does not
// load or a PDF that cannot be written raises VbError.
void GravaPdfNavegador(const QString& arquivoHtml, const QString& arquivoPdf);
