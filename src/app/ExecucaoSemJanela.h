#pragma once

#include "app/LinhaDeComando.h"

#include <QString>

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

// One report without a window: messages on stderr, the report's path (and
// the PDF's) on stdout. Runs the start-up first; a fatal start-up ends with
// FimDoPrograma, as in the window.
int ExecutaRelatorioSemJanela(const OpcoesLinhaDeComando& opcoes);

// The six layouts over the last three months ending today, each kept as
// pantoro-<layout>.html and .pdf in the report folder; prints their paths.
int ExecutaDemoSemJanela(const OpcoesLinhaDeComando& opcoes);
