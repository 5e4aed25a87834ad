#pragma once

#include "report/Relatorio.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// The command line: what it asks for (TextoDeUso lists it), and what the
// program does with it, decided before any application exists. Every
// argument that is not one of the options is a word of the launch string,
// as the suite's menu passes it (it may start with "-"). Plain functions of
// their arguments; every message is Portuguese.

// Exit codes of the program.
namespace saida {
constexpr int Feito = 0;
constexpr int FalhaNoInicio = 1;
constexpr int Uso = 2;
constexpr int SemDados = 3;
constexpr int ErroNaExecucao = 4;  // database, file or mail error during the run
}  // namespace saida

struct OpcoesLinhaDeComando {
    bool ajuda = false;              // --help or -h: the usage, nothing else
    bool versao = false;             // --version
    bool relatorio = false;          // --relatorio given: a headless run
    FiltroRelatorio filtro;          // layout, dates, filters and font size
    std::optional<QString> de, ate;  // --de, --ate as given; today otherwise
    QString pdf;                     // --pdf FILE, empty for none
    QString pdfNavegador;            // --pdf-navegador FILE, empty for none
    QString xlsx;                    // --xlsx FILE, empty for none
    QString csv;                     // --csv FILE, empty for none
    QStringList email;               // --email ADDRESS[,ADDRESS...], checked
    // --fiel: the per-row engine, query for query; the set-based one otherwise
    MotorRelatorio motor = MotorRelatorio::Rapido;
    QString pastaDemo;   // --demo DIR, empty for none
    QString lancamento;  // LAUNCH, empty when absent
    bool lancamentoDado = false;
};

// A command line that cannot be run; its text says what is wrong.
class ErroDeUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program name; ErroDeUso for what cannot be run.
// The font size defaults to 10 and the date kind to the issue date; dates
// not given are left to the run (today).
OpcoesLinhaDeComando LeLinhaDeComando(const QStringList& argumentos);
QString TextoDeUso();

enum class Modo {
    Responde,   // only prints a text: usage, version, or why it cannot run
    Janela,     // the filter window
    Relatorio,  // one report without a window
    Demo        // the demo's six reports without a window
};

struct Decisao {
    Modo modo = Modo::Responde;
    OpcoesLinhaDeComando opcoes;
    int codigo = saida::Feito;  // the exit code when it only responds
    QString saidaPadrao;        // for stdout (usage asked for, version)
    QString erroPadrao;         // for stderr (a usage error, no display)
};

// What to do with the arguments on a machine with or without a display.
Decisao DecideExecucao(const QStringList& argumentos, bool temTela);

// Whether a window would reach a screen: the offscreen and minimal
// platforms draw on none, and the desktop ones need their display server.
bool TemTela();
