#pragma once

#include <QString>

// Writes a finished report file (local path) as PDF through the browser
// engine of the viewer, the reference for the page renderer: A4,
// JavaScript off, nothing loaded from outside. Needs a QApplication. A file
// that does not load or a PDF that cannot be written raises VbError
// PathFileAccess.
void GravaPdfNavegador(const QString& arquivoHtml, const QString& arquivoPdf);
