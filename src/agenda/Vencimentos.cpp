#include "Vencimentos.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// A monthly schedule on day 31 falls due at most 62 days back.
constexpr int DiasParaTras = 62;

const QStringList& diasDaSemana()
{
    static const QStringList dias{QStringLiteral("seg"), QStringLiteral("ter"), QStringLiteral("qua"),
                                  QStringLiteral("qui"), QStringLiteral("sex"), QStringLiteral("sab"),
                                  QStringLiteral("dom")};
    return dias;
}

bool venceNoDia(const Quando& quando, const QDate& dia)
{
    switch (quando.frequencia) {
    case Quando::Frequencia::Diario:
        return true;
    case Quando::Frequencia::DiasUteis:
        return dia.dayOfWeek() <= 5;
    case Quando::Frequencia::Semanal:
        return dia.dayOfWeek() == quando.dia;
    case Quando::Frequencia::Mensal:
        return dia.day() == std::min(quando.dia, dia.daysInMonth());
    }
    return false;
}

}  // namespace

std::optional<Quando> LeQuando(const QString& texto)
{
    static const QRegularExpression forma(
        QStringLiteral("^(diario|dias-uteis|semanal\\s+(seg|ter|qua|qui|sex|sab|dom)|mensal\\s+([0-9]{1,2}))\\s+"
                       "([0-9]{1,2}:[0-9]{2})$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch lido = forma.match(texto.trimmed());
    if (!lido.hasMatch())
        return std::nullopt;
    Quando quando;
    quando.hora = QTime::fromString(lido.captured(4), QStringLiteral("H:mm"));
    const QString frequencia = lido.captured(1).toLower();
    if (frequencia == QLatin1String("dias-uteis")) {
        quando.frequencia = Quando::Frequencia::DiasUteis;
    } else if (frequencia.startsWith(QLatin1String("semanal"))) {
        quando.frequencia = Quando::Frequencia::Semanal;
        quando.dia = int(diasDaSemana().indexOf(lido.captured(2).toLower())) + 1;
    } else if (frequencia.startsWith(QLatin1String("mensal"))) {
        quando.frequencia = Quando::Frequencia::Mensal;
        quando.dia = lido.captured(3).toInt();
        if (quando.dia < 1 || quando.dia > 31)
            return std::nullopt;
    }
    if (!quando.hora.isValid())
        return std::nullopt;
    return quando;
}

QString FormasDeQuando()
{
    return QStringLiteral("diario HH:MM, dias-uteis HH:MM, semanal %1 HH:MM ou mensal D HH:MM (D de 1 a 31)")
        .arg(diasDaSemana().join(u'|'));
}

QDateTime UltimoVencimento(const Quando& quando, const QDateTime& agora)
{
    for (int atras = 0; atras <= DiasParaTras; ++atras) {
        const QDate dia = agora.date().addDays(-atras);
        const QDateTime vencimento(dia, quando.hora);
        // A time that summer time skipped that day is no due time.
        if (venceNoDia(quando, dia) && vencimento.isValid() && vencimento <= agora)
            return vencimento;
    }
    return {};
}

std::optional<QDateTime> VencimentoAEnviar(const Quando& quando, const QDateTime& agora,
                                           const std::optional<QDateTime>& ultimoEnviado)
{
    const QDateTime vencimento = UltimoVencimento(quando, agora);
    if (!vencimento.isValid() || (ultimoEnviado && *ultimoEnviado >= vencimento))
        return std::nullopt;
    return vencimento;
}
