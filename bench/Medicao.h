#pragma once

#include "report/Relatorio.h"

#include <QByteArray>

// One report run of the benchmark on the shared connection: wall time,
// statements sent and rows read (Connection::contador), the process's peak
// resident memory during the run (VmHWM, reset before it), and a digest of
// the file written, to tell whether two runs wrote the same bytes.
struct Medida {
    double segundos = 0;
    long consultas = 0;
    long linhas = 0;
    double picoMb = 0;
    bool semDados = false;
    long erro = 0;             // the VbError that stopped the run
    QByteArray resumoArquivo;  // SHA-256 of pantoro.html
};

// `copia`, when not empty, keeps a copy of the file written.
Medida Mede(const FiltroRelatorio& filtro, MotorRelatorio motor, const QString& copia = {});
