#include "PeriodoRelativo.h"

#include "platform/VbError.h"

#include <QRegularExpression>
#include <functional>
#include <vector>

namespace {

constexpr int MaximoDeDias = 3660;

QDate inicioDaSemana(const QDate& dia)
{
    return dia.addDays(1 - dia.dayOfWeek());
}

QDate inicioDoMes(const QDate& dia)
{
    return QDate(dia.year(), dia.month(), 1);
}

QDate inicioDoTrimestre(const QDate& dia)
{
    return QDate(dia.year(), (dia.month() - 1) / 3 * 3 + 1, 1);
}

QDate inicioDoAno(const QDate& dia)
{
    return QDate(dia.year(), 1, 1);
}

// The whole span that starts on `inicio` and ends the day before `proximo`.
DatasDoPeriodo inteiro(const QDate& inicio, const QDate& proximo)
{
    return {inicio, proximo.addDays(-1)};
}

using Calculo = std::function<DatasDoPeriodo(const QDate&)>;

// In the order NomesDosPeriodos offers them.
const std::vector<std::pair<QString, Calculo>>& periodosFixos()
{
    static const std::vector<std::pair<QString, Calculo>> periodos{
        {QStringLiteral("hoje"),
         [](const QDate& d) {
             return DatasDoPeriodo{d, d};
         }},
        {QStringLiteral("ontem"),
         [](const QDate& d) {
             return DatasDoPeriodo{d.addDays(-1), d.addDays(-1)};
         }},
        {QStringLiteral("semana-atual"),
         [](const QDate& d) {
             return DatasDoPeriodo{inicioDaSemana(d), d};
         }},
        {QStringLiteral("semana-anterior"),
         [](const QDate& d) { return inteiro(inicioDaSemana(d).addDays(-7), inicioDaSemana(d)); }},
        {QStringLiteral("mes-atual"),
         [](const QDate& d) {
             return DatasDoPeriodo{inicioDoMes(d), d};
         }},
        {QStringLiteral("mes-anterior"),
         [](const QDate& d) { return inteiro(inicioDoMes(d).addMonths(-1), inicioDoMes(d)); }},
        {QStringLiteral("trimestre-atual"),
         [](const QDate& d) {
             return DatasDoPeriodo{inicioDoTrimestre(d), d};
         }},
        {QStringLiteral("trimestre-anterior"),
         [](const QDate& d) { return inteiro(inicioDoTrimestre(d).addMonths(-3), inicioDoTrimestre(d)); }},
        {QStringLiteral("ano-atual"),
         [](const QDate& d) {
             return DatasDoPeriodo{inicioDoAno(d), d};
         }},
        {QStringLiteral("ano-anterior"),
         [](const QDate& d) { return inteiro(inicioDoAno(d).addYears(-1), inicioDoAno(d)); }},
    };
    return periodos;
}

// N of "ultimos-N-dias", 0 when the name is not one.
int diasContados(const QString& nome)
{
    static const QRegularExpression forma(QStringLiteral("^ultimos-([0-9]{1,4})-dias$"));
    const QRegularExpressionMatch lido = forma.match(nome);
    const int dias = lido.hasMatch() ? lido.captured(1).toInt() : 0;
    return dias <= MaximoDeDias ? dias : 0;
}

QStringList nomesFixos()
{
    QStringList nomes;
    for (const auto& periodo : periodosFixos())
        nomes << periodo.first;
    return nomes;
}

const Calculo* calculo(const QString& nome)
{
    for (const auto& [fixo, calcula] : periodosFixos())
        if (fixo == nome)
            return &calcula;
    return nullptr;
}

}  // namespace

DatasDoPeriodo CalculaPeriodo(const QString& nome, const QDate& hoje)
{
    const QString lido = nome.trimmed().toLower();
    if (const Calculo* calcula = calculo(lido))
        return (*calcula)(hoje);
    if (const int dias = diasContados(lido))
        return {hoje.addDays(1 - dias), hoje};
    throw VbError(vb_error::TypeMismatch,
                  QStringLiteral("Período desconhecido: \"%1\". Use um destes: %2 ou ultimos-N-dias (N de 1 a %3).")
                      .arg(nome, nomesFixos().join(QStringLiteral(", ")))
                      .arg(MaximoDeDias));
}

bool PeriodoConhecido(const QString& nome)
{
    const QString lido = nome.trimmed().toLower();
    return calculo(lido) || diasContados(lido);
}

QStringList NomesDosPeriodos()
{
    return nomesFixos() << QStringLiteral("ultimos-7-dias") << QStringLiteral("ultimos-30-dias")
                        << QStringLiteral("ultimos-90-dias");
}

QString TextoDaData(const QDate& data)
{
    return data.toString(QStringLiteral("dd/MM/yyyy"));
}
