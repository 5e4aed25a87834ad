#pragma once

class QWebEngineSettings;

// How a report page is shown, on screen and in a PDF alike: no script, no
// remote access, the file's CP1252 text (it declares no charset), and the
// system's sans-serif where the report's Tahoma is missing.
void AjustaPaginaDeRelatorio(QWebEngineSettings* ajustes);
