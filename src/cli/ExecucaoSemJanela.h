#pragma once

#include "cli/LinhaDeComando.h"

#include <QString>
#include <QTextStream>
#include <functional>

// The headless runs of the command line. Both run the start-up first (a
// fatal one ends with FimDoPrograma, as in the window) and show their
// messages through MsgBox (on stderr in the program); each file's path goes
// to `saida` once the file is written. They return the exit code: 0, 3 for
// a period without data, 4 when the run, a file or the mail failed.

// The launch string of the demo installation when none is given.
QString ChamadaPadrao();

// Writes a report file (first path) as a PDF (second path); VbError when it cannot.
using GravadorDePdf = std::function<void(const QString&, const QString&)>;

// One report, as --relatorio asks: pantoro.html, then each output file
// (one that fails does not stop the others) and, when every file was
// written, the mail. `pdfNavegador` writes --pdf-navegador (the browser
// engine lives with the windows).
int ExecutaRelatorioSemJanela(const OpcoesLinhaDeComando& opcoes, const GravadorDePdf& pdfNavegador,
                              QTextStream& saida);

// The six layouts over the last three months ending today, each kept as
// pantoro-<layout>.html and .pdf in the report folder.
int ExecutaDemoSemJanela(const OpcoesLinhaDeComando& opcoes, QTextStream& saida);
