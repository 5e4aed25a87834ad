#pragma once

#include "report/Relatorio.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// What the command line asks for:
//   pantoro [LAUNCH]
//   pantoro --relatorio LAYOUT [--de --ate --data --vendedor --marca --tipo
//           --cliente --fonte --pdf FILE --pdf-navegador FILE --xlsx FILE --csv FILE
//           --email ADDRESS[,ADDRESS...] --fiel] [LAUNCH]
//   pantoro --demo DIR [the same]
// Every argument that is not one of these options is a word of the launch
// string, as the suite's menu passes it (it may start with "-").
struct OpcoesLinhaDeComando {
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

    // The period's dates: as given, or `hoje` (dd/mm/yyyy) for those not given.
    void DefineDatas(const QString& hoje);
};

// A command line that cannot be run; its text says what is wrong.
class ErroDeUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program name. The font size defaults to 10 and
// the date kind to the issue date; the dates wait for DefineDatas.
OpcoesLinhaDeComando LeLinhaDeComando(const QStringList& argumentos);
QString TextoDeUso();
