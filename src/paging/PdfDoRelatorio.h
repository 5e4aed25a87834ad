#pragma once

#include <QString>

// Writes a finished report file (local path) as PDF through the page
// renderer: A4, every page with the frame and "Página N de M". Needs a
// QGuiApplication. The PDF is written as platform/ArquivoDeSaida.h says
// (whole or not at all, through a link, never over a device). A file that
// is not a whole report, or a PDF that cannot be written, raises VbError.
void GravaPdf(const QString& arquivoHtml, const QString& arquivoPdf);
