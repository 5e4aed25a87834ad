#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>
#include <optional>

// When a schedule falls due (the quando= of its group), in the wall-clock
// time of the program's clock:
//   diario HH:MM           every day
//   dias-uteis HH:MM       Monday to Friday
//   semanal DIA HH:MM      DIA one of seg ter qua qui sex sab dom
//   mensal D HH:MM         day D (1 to 31) of every month, the month's last
//                          day when it is shorter
// Words are read ignoring case; blanks between them may repeat.
struct Quando {
    enum class Frequencia { Diario, DiasUteis, Semanal, Mensal };
    Frequencia frequencia = Frequencia::Diario;
    int dia = 0;  // Semanal: 1 Monday .. 7 Sunday; Mensal: 1 .. 31
    QTime hora;
};

// Nothing when `texto` has none of the four forms.
std::optional<Quando> LeQuando(const QString& texto);
// The forms, for a message.
QString FormasDeQuando();

// The latest due time at or before `agora`.
QDateTime UltimoVencimento(const Quando& quando, const QDateTime& agora);

// The due time to send at `agora`: the latest one, when none was sent yet
// or the last one sent is earlier. Once per due time, and after a pause
// only the latest one, never one per missed day.
std::optional<QDateTime> VencimentoAEnviar(const Quando& quando, const QDateTime& agora,
                                           const std::optional<QDateTime>& ultimoEnviado);
