#include "DialetoSql.h"

#include <QDate>
#include <QTime>
#include <optional>

namespace {

bool digitos(QStringView texto, qsizetype inicio, qsizetype quantos)
{
    if (inicio + quantos > texto.size())
        return false;
    for (qsizetype i = inicio; i < inicio + quantos; ++i)
        if (texto[i] < u'0' || texto[i] > u'9')
            return false;
    return true;
}

int numero(QStringView texto, qsizetype inicio, qsizetype quantos)
{
    return texto.mid(inicio, quantos).toInt();
}

bool separadorDeHora(QChar c)
{
    return c == u':' || c == u'.';
}

// 'yyyymmdd[ hh:mm[:ss]]' (the time separator as the user's locale writes it)
// as 'yyyy-mm-dd hh:mm:ss'; nothing when the text is not such an instant.
std::optional<QString> instanteIso(QStringView texto)
{
    if (!digitos(texto, 0, 8))
        return std::nullopt;
    const QDate data(numero(texto, 0, 4), numero(texto, 4, 2), numero(texto, 6, 2));
    QTime hora(0, 0, 0);
    qsizetype i = 8;
    if (i < texto.size()) {
        if (texto[i] != u' ')
            return std::nullopt;
        ++i;
        const qsizetype inicioHora = i;
        while (i < texto.size() && texto[i] >= u'0' && texto[i] <= u'9' && i - inicioHora < 2)
            ++i;
        const qsizetype digitosHora = i - inicioHora;
        if (digitosHora == 0 || i >= texto.size() || !separadorDeHora(texto[i]) || !digitos(texto, i + 1, 2))
            return std::nullopt;
        int segundos = 0;
        qsizetype fim = i + 3;
        if (fim < texto.size()) {
            if (!separadorDeHora(texto[fim]) || !digitos(texto, fim + 1, 2) || fim + 3 != texto.size())
                return std::nullopt;
            segundos = numero(texto, fim + 1, 2);
        }
        hora = QTime(numero(texto, inicioHora, digitosHora), numero(texto, i + 1, 2), segundos);
    }
    if (!data.isValid() || !hora.isValid())
        return std::nullopt;
    return data.toString(QStringLiteral("yyyy-MM-dd")) + u' ' + hora.toString(QStringLiteral("HH:mm:ss"));
}

// True when the last non-blank character before `posicao` ends a comparison operator.
bool depoisDeComparacao(const QString& sql, qsizetype posicao)
{
    qsizetype i = posicao - 1;
    while (i >= 0 && sql[i].isSpace())
        --i;
    return i >= 0 && (sql[i] == u'=' || sql[i] == u'<' || sql[i] == u'>');
}

// The column name right before the comparison operator that ends before
// `posicao` ("nume_pedi" of "pedi_veds.nume_pedi = ").
QStringView colunaComparada(const QString& sql, qsizetype posicao)
{
    qsizetype fim = posicao;
    while (fim > 0 && (sql[fim - 1].isSpace() || sql[fim - 1] == u'=' || sql[fim - 1] == u'<' || sql[fim - 1] == u'>'))
        --fim;
    qsizetype inicio = fim;
    while (inicio > 0 && (sql[inicio - 1].isLetterOrNumber() || sql[inicio - 1] == u'_'))
        --inicio;
    return QStringView(sql).mid(inicio, fim - inicio);
}

// The literal the server gets for the quoted `conteudo` that starts at `posicao`.
std::optional<QString> literalTraduzido(const QString& sql, qsizetype posicao, QStringView conteudo)
{
    if (!depoisDeComparacao(sql, posicao))
        return std::nullopt;
    if (conteudo.isEmpty() && colunaComparada(sql, posicao).compare(u"nume_pedi", Qt::CaseInsensitive) == 0)
        return QStringLiteral("0");
    return instanteIso(conteudo);
}

}  // namespace

QString TraduzSql(Backend backend, const QString& sql)
{
    if (backend == Backend::Odbc)
        return sql;
    QString resultado;
    resultado.reserve(sql.size() + 16);
    qsizetype i = 0;
    while (i < sql.size()) {
        if (sql[i] != u'\'') {
            resultado += sql[i++];
            continue;
        }
        // A quoted literal: '' inside it is one quote.
        qsizetype fim = i + 1;
        while (fim < sql.size()) {
            if (sql[fim] == u'\'') {
                if (fim + 1 < sql.size() && sql[fim + 1] == u'\'') {
                    fim += 2;
                    continue;
                }
                break;
            }
            ++fim;
        }
        if (fim >= sql.size()) {
            resultado += QStringView(sql).mid(i);
            break;
        }
        const QStringView conteudo = QStringView(sql).mid(i + 1, fim - i - 1);
        const std::optional<QString> traduzido = literalTraduzido(sql, i, conteudo);
        resultado += u'\'';
        resultado += traduzido ? QStringView(*traduzido) : conteudo;
        resultado += u'\'';
        i = fim + 1;
    }
    return resultado;
}
