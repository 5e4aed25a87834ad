#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Periods named relative to a day: the clock's today for a run, the day a
// schedule fell due for a scheduled one. Weeks run Monday to Sunday; the
// "-atual" periods end on that day; ultimos-N-dias is the N days ending on
// it (N from 1 to 3660). Names are read ignoring case and outer blanks.
// An unknown name raises VbError 13 whose text lists the names.

struct DatasDoPeriodo {
    QDate de;
    QDate ate;
};

DatasDoPeriodo CalculaPeriodo(const QString& nome, const QDate& hoje);
bool PeriodoConhecido(const QString& nome);

// The fixed names in the order a list offers them, then ultimos-7-dias,
// ultimos-30-dias and ultimos-90-dias as examples of the counted one.
QStringList NomesDosPeriodos();

// A date as the date boxes and the filter hold it: dd/mm/yyyy.
QString TextoDaData(const QDate& data);
