#include "SqliteTexto.h"

#include <QCollator>
#include <QLocale>
#include <sqlite3.h>

namespace {

QStringView semBrancosAoFim(QStringView texto)
{
    qsizetype fim = texto.size();
    while (fim > 0 && texto[fim - 1] == u' ')
        --fim;
    return texto.first(fim);
}

int comparaTexto(void* colecao, int bytes1, const void* texto1, int bytes2, const void* texto2)
{
    const QString a = QString::fromUtf8(static_cast<const char*>(texto1), bytes1);
    const QString b = QString::fromUtf8(static_cast<const char*>(texto2), bytes2);
    return static_cast<QCollator*>(colecao)->compare(semBrancosAoFim(a), semBrancosAoFim(b));
}

void apagaColecao(void* colecao)
{
    delete static_cast<QCollator*>(colecao);
}

QStringView textoDoValor(sqlite3_value* valor)
{
    const void* dados = sqlite3_value_text16(valor);
    const int bytes = sqlite3_value_bytes16(valor);
    if (!dados)
        return {};
    return QStringView(static_cast<const QChar*>(dados), bytes / 2);
}

void funcaoLike(sqlite3_context* contexto, int argumentos, sqlite3_value** valores)
{
    for (int i = 0; i < argumentos; ++i)
        if (sqlite3_value_type(valores[i]) == SQLITE_NULL) {
            sqlite3_result_null(contexto);
            return;
        }
    QChar escape;
    if (argumentos == 3) {
        const QStringView textoEscape = textoDoValor(valores[2]);
        if (textoEscape.size() != 1) {
            sqlite3_result_error(contexto, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = textoEscape[0];
    }
    // like(X, Y) is "Y LIKE X".
    const QStringView padrao = textoDoValor(valores[0]);
    const QStringView texto = textoDoValor(valores[1]);
    sqlite3_result_int(contexto, CombinaLike(texto, padrao, escape) ? 1 : 0);
}

}  // namespace

void RegistraTextoSqlite(sqlite3* banco)
{
    auto* colecao = new QCollator(QLocale(QLocale::Portuguese, QLocale::Brazil));
    colecao->setCaseSensitivity(Qt::CaseInsensitive);
    // Registered for UTF-8, the encoding of the company database, so that
    // these replace the built-in versions instead of standing beside them.
    sqlite3_create_collation_v2(banco, "NOCASE", SQLITE_UTF8, colecao, comparaTexto, apagaColecao);
    for (int argumentos : {2, 3})
        sqlite3_create_function_v2(banco, "like", argumentos, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, funcaoLike,
                                   nullptr, nullptr, nullptr);
}

bool CombinaLike(QStringView texto, QStringView padrao, QChar escape)
{
    const bool temEscape = !escape.isNull();
    qsizetype t = 0;
    qsizetype p = 0;
    qsizetype posicaoDoCuringa = -1;  // the last '%' seen in the pattern
    qsizetype retomada = 0;           // where the text resumes when that '%' takes one more character
    while (t < texto.size()) {
        if (p < padrao.size()) {
            const QChar c = padrao[p];
            if (temEscape && c == escape && p + 1 < padrao.size()) {
                if (padrao[p + 1].toCaseFolded() == texto[t].toCaseFolded()) {
                    p += 2;
                    ++t;
                    continue;
                }
            } else if (c == u'%') {
                posicaoDoCuringa = p++;
                retomada = t;
                continue;
            } else if (c == u'_' || c.toCaseFolded() == texto[t].toCaseFolded()) {
                ++p;
                ++t;
                continue;
            }
        }
        if (posicaoDoCuringa < 0)
            return false;
        p = posicaoDoCuringa + 1;
        t = ++retomada;
    }
    // What is left must be wildcards; with ESCAPE '%', "%%" is a literal '%'.
    while (p < padrao.size() && padrao[p] == u'%' && !(temEscape && escape == u'%' && p + 1 < padrao.size()))
        ++p;
    return p == padrao.size();
}
