#pragma once

#include "agenda/DocumentoIni.h"
#include "agenda/FiltrosSalvos.h"
#include "agenda/Vencimentos.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The schedules of the agenda file: a saved filter set whose group also has
//   enviar=pdf,xlsx,csv,html    the files attached, in this order (default pdf)
//   para=ADDRESS[,ADDRESS...]   required, "," or ";" between addresses
//   quando=...                  required, see Vencimentos.h
//   somente-com-dados=sim|nao   default nao
//   assunto=TEXT                default: the group's name and the period
// A group with any of these keys is a schedule and must be a whole one.

enum class FormatoEnvio { Pdf, Xlsx, Csv, Html };

struct Agendamento {
    FiltroSalvo filtro;
    QVector<FormatoEnvio> formatos;
    QStringList para;
    Quando quando;
    bool somenteComDados = false;
    QString assunto;  // empty: the default
};

// One schedule as read: the schedule, or the message that says why its
// group cannot be used (naming the file, the line, the group and the key).
struct AgendamentoLido {
    QString nome;
    Agendamento agendamento;
    QString erro;
};

// Every schedule of the file in file order, each read on its own so that
// one bad group does not stop the others. Raises only for what spoils the
// whole file (a line before the first group).
QVector<AgendamentoLido> LeAgendamentos(const DocumentoIni& arquivo);

// "pdf", "xlsx", "csv", "html": the extension of the format's file.
QString ExtensaoDoFormato(FormatoEnvio formato);
