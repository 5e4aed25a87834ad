#pragma once

#include <QString>

// Writes a finished report file (local path) as PDF through the page
// renderer: A4, every page with the frame and "Página N de M". Needs a
// QGuiApplication. A file that is not a whole report, or a PDF that cannot
// be written (the disk full), raises VbError; no partial PDF is left.
void GravaPdf(const QString& arquivoHtml, const QString& arquivoPdf);
