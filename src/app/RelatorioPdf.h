#pragma once

#include <QString>

// Renders a finished report file (local path) to PDF with the browser engine
// of the viewer: A4, JavaScript off, nothing loaded from outside. Needs a
// QApplication. A file that does not load or a PDF that cannot be written
// raises VbError PathFileAccess.
void GravaPdf(const QString& arquivoHtml, const QString& arquivoPdf);
