#pragma once

#include "cli/LinhaDeComando.h"

#include <QString>
#include <QTextStream>
#include <functional>

// The headless runs of the command line. Each runs the start-up first (a
// fatal one ends with FimDoPrograma, as in the window) and shows its
// messages through MsgBox (on stderr in the program); each file's path goes
// to `saida` once the file is written. They return the exit code: 0, 2 for
// a saved set that does not exist, 3 for a period without data, 4 when the
// run, a file or the mail failed.

// The launch string of the demo installation when none is given.
QString ChamadaPadrao();

// Writes a report file (first path) as a PDF (second path); VbError when it cannot.
using GravadorDePdf = std::function<void(const QString&, const QString&)>;

// One report, as --relatorio or --filtro asks: pantoro.html, then each
// output file (one that fails does not stop the others) and, when every
// file was written, the mail. The PDF's pages and the sheets carry the
// run's period and filters. `pdfNavegador` writes --pdf-navegador (the
// browser engine lives with the windows).
int ExecutaRelatorioSemJanela(const OpcoesLinhaDeComando& opcoes, const GravadorDePdf& pdfNavegador,
                              QTextStream& saida);

// The six layouts over the last three months ending today, each kept as
// pantoro-<layout>.html and .pdf in the report folder.
int ExecutaDemoSemJanela(const OpcoesLinhaDeComando& opcoes, QTextStream& saida);

// --agenda: every due schedule sent (agenda/ExecucaoDaAgenda.h) with the
// program's own pieces: the set-based report engine writing each schedule's
// file in its folder, the send sequence's writers, the server of email.ini.
// One line per send, failure or "nothing to send" goes to `registro`; the
// engine's own messages are not shown (its "no data" is such a line). 0
// when everything due went out or another run holds the agenda, 4 when
// something did not go out (it is tried again at the next run).
int ExecutaAgendaSemJanela(const OpcoesLinhaDeComando& opcoes, QTextStream& registro);
