#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>

// What the schedules have sent: the last due time each one sent (or found
// with nothing to send), by the schedule's name. Kept as JSON in the file
// beside the agenda file, {"name": "yyyy-MM-ddTHH:mm", ...}, written whole
// or not at all, and only after the mail server accepted the mail; so a run
// that dies never loses a send, and repeats at most the one mail accepted
// just before it died.
using EstadoDaAgenda = QMap<QString, QDateTime>;

QString ArquivoEstadoDaAgenda();  // "c:\korva\config\pantoro-agenda.estado"

// A missing file is an empty state. An unreadable or damaged one raises
// VbError naming it: sending without knowing what was sent could repeat.
EstadoDaAgenda LeEstadoDaAgenda(const QString& caminho);
void GravaEstadoDaAgenda(const QString& caminho, const EstadoDaAgenda& estado);
