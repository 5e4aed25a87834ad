#pragma once

#include "report/Relatorio.h"

#include <QString>
#include <QStringList>
#include <stdexcept>

// What the command line asks for:
//   pantoro [LAUNCH]
//   pantoro --relatorio LAYOUT [--de --ate --data --vendedor --marca --tipo
//           --cliente --fonte --pdf FILE --pdf-navegador FILE --xlsx FILE --csv FILE
//           --email ADDRESS[,ADDRESS...] --fiel] [LAUNCH]
//   pantoro --demo DIR [the same]
struct OpcoesLinhaDeComando {
    bool relatorio = false;   // --relatorio given: a headless run
    FiltroRelatorio filtro;   // layout, dates, filters and font size
    QString pdf;              // --pdf FILE, empty for none
    QString pdfNavegador;     // --pdf-navegador FILE, empty for none
    QString xlsx;             // --xlsx FILE, empty for none
    QString csv;              // --csv FILE, empty for none
    QStringList email;        // --email ADDRESS[,ADDRESS...], checked
    // --fiel: the per-row engine, query for query; the set-based one otherwise
    MotorRelatorio motor = MotorRelatorio::Rapido;
    QString pastaDemo;        // --demo DIR, empty for none
    QString lancamento;       // LAUNCH, empty when absent
    bool lancamentoDado = false;
};

// A command line that cannot be run; its text says what is wrong.
class ErroDeUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program name. Dates default to `hoje`
// (dd/mm/yyyy), the font size to 10 and the date kind to the issue date.
OpcoesLinhaDeComando LeLinhaDeComando(const QStringList& argumentos, const QString& hoje);
QString TextoDeUso();
