#pragma once

#include "export/LinhaDoRelatorio.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

// A report as a spreadsheet: what the XLSX and CSV writers put on disk.

enum class TipoCelula { Vazia, Texto, Numero, Data };

struct CelulaPlanilha {
    TipoCelula tipo = TipoCelula::Vazia;
    QString texto;      // as the report shows it
    double numero = 0;  // Numero
    int casas = 0;      // decimals the report writes the number with
    QString sufixo;     // text the report writes after the number (" - Verde")
    QDate data;         // Data
};

struct LinhaPlanilha {
    bool negrito = false;
    QVector<CelulaPlanilha> celulas;
};

struct FolhaPlanilha {
    QString nome;
    QStringList titulo;     // lines above the table: company, title, period, emission
    QStringList cabecalho;  // the heading row
    QVector<LinhaPlanilha> linhas;
};

struct Planilha {
    QString titulo;  // the report's heading ("Relatório de Pedidos")
    QVector<FolhaPlanilha> folhas;
    // The period and filters of the run that wrote the report, a header row
    // of every sheet; empty when the file was read without a run.
    QString linhaDoPeriodo;
};

// The cell a report text stands for: dates dd/mm/yyyy, numbers with the
// locale's decimal separator (and an optional " - text" suffix), texts;
// blanks and no-break spaces alone are an empty cell. Zero-padded numbers
// stay texts (order numbers).
CelulaPlanilha CelulaDoTexto(const QString& texto, const QLocale& local);

// The rows of a report file as sheets. The first two tables are the page
// frame (company and emission; title and, when the file has it, the period);
// `linhaDoPeriodo` ("Período: 01/05/2024 a 31/05/2024 - Data de Emissão"),
// the run's period and filters, takes the period's place when given.
// One-row order blocks followed by item tables become one row per item line
// carrying its order's columns; a table with another heading that follows no
// order block starts a sheet of its own. Rows with a cell starting "Total"
// are bold, as are the file's bold rows.
Planilha MontaPlanilha(const QVector<LinhaDoRelatorio>& linhas, const QString& linhaDoPeriodo, const QLocale& local);
