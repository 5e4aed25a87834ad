#pragma once

#include "cli/LinhaDeComando.h"

#include <QString>
#include <functional>

// Exit codes of the headless runs.
namespace saida {
constexpr int Feito = 0;
constexpr int FalhaNoInicio = 1;
constexpr int Uso = 2;
constexpr int SemDados = 3;
constexpr int ErroNaExecucao = 4;
}  // namespace saida

// The launch string of the demo installation when none is given.
QString ChamadaPadrao();

// Writes a report file (first path) as a PDF (second path); VbError when it cannot.
using GravadorDePdf = std::function<void(const QString&, const QString&)>;

// One report without a window: messages on stderr, the report's path (and
// the PDF's) on stdout. Runs the start-up first; a fatal start-up ends with
// FimDoPrograma, as in the window. `pdfNavegador` writes --pdf-navegador (the
// browser engine lives with the windows).
int ExecutaRelatorioSemJanela(const OpcoesLinhaDeComando& opcoes, const GravadorDePdf& pdfNavegador);

// The six layouts over the last three months ending today, each kept as
// pantoro-<layout>.html and .pdf in the report folder; prints their paths.
int ExecutaDemoSemJanela(const OpcoesLinhaDeComando& opcoes);
