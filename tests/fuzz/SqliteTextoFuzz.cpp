// LIKE and the NOCASE collation registered on SQLite, on any pattern, text
// and ESCAPE bytes. CombinaLike agrees with a plain table-driven matcher;
// SQL's LIKE gives what CombinaLike gives; the collation orders any two texts
// one way only, and ignores trailing blanks and ASCII case.
#include "platform/SqliteTexto.h"

#include <QString>
#include <QStringDecoder>
#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

sqlite3* banco = nullptr;
sqlite3_stmt* comandoLike = nullptr;    // LIKE without ESCAPE and the collation
sqlite3_stmt* comandoEscape = nullptr;  // LIKE ... ESCAPE

// One step of a LIKE pattern: any run (%), any one character (_) or this one.
struct Passo {
    enum { Qualquer, Um, Literal } tipo;
    QChar c;
};

std::vector<Passo> passos(QStringView padrao, QChar escape)
{
    std::vector<Passo> lista;
    for (qsizetype p = 0; p < padrao.size(); ++p) {
        const QChar c = padrao[p];
        if (!escape.isNull() && c == escape && p + 1 < padrao.size())
            lista.push_back({Passo::Literal, padrao[++p]});
        else if (c == u'%')
            lista.push_back({Passo::Qualquer, c});
        else if (c == u'_')
            lista.push_back({Passo::Um, c});
        else
            lista.push_back({Passo::Literal, c});
    }
    return lista;
}

// casa[j]: the steps so far match the first j characters of the text.
bool likeDeReferencia(QStringView texto, QStringView padrao, QChar escape)
{
    std::vector<char> casa(texto.size() + 1, 0);
    casa[0] = 1;
    for (const Passo& passo : passos(padrao, escape)) {
        std::vector<char> proximo(texto.size() + 1, 0);
        for (qsizetype j = 0; j <= texto.size(); ++j) {
            if (passo.tipo == Passo::Qualquer)
                proximo[j] = casa[j] || (j > 0 && proximo[j - 1]);
            else if (j > 0 && casa[j - 1])
                proximo[j] = passo.tipo == Passo::Um || passo.c.toCaseFolded() == texto[j - 1].toCaseFolded();
        }
        casa.swap(proximo);
    }
    return casa[texto.size()];
}

bool utf8Valido(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !utf8.hasError();
}

void liga(sqlite3_stmt* comando, int posicao, const std::string& bytes)
{
    sqlite3_bind_text(comando, posicao, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
}

void prepara(const char* sql, sqlite3_stmt** comando)
{
    if (sqlite3_prepare_v2(banco, sql, -1, comando, nullptr) != SQLITE_OK)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (sqlite3_open(":memory:", &banco) != SQLITE_OK)
        std::abort();
    RegistraTextoSqlite(banco);
    prepara("select ?1 like ?2, (?1 collate nocase) = ?2, (?1 collate nocase) < ?2, (?2 collate nocase) < ?1, "
            "(?1 collate nocase) = ?1 || '  ', (?1 collate nocase) = upper(?1)",
            &comandoLike);
    prepara("select ?1 like ?2 escape ?3", &comandoEscape);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider entrada(data, size);
    const std::string escape = entrada.ConsumeRandomLengthString(4);
    const std::string padrao = entrada.ConsumeRandomLengthString();
    const std::string texto = entrada.ConsumeRemainingBytesAsString();

    const QString padraoQt = QString::fromUtf8(padrao.data(), static_cast<qsizetype>(padrao.size()));
    const QString textoQt = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
    const QString escapeQt = QString::fromUtf8(escape.data(), static_cast<qsizetype>(escape.size()));
    const QChar umEscape = escapeQt.size() == 1 ? escapeQt[0] : QChar();
    const bool casaSemEscape = CombinaLike(textoQt, padraoQt);
    const bool casaComEscape = CombinaLike(textoQt, padraoQt, umEscape);
    if (textoQt.size() * padraoQt.size() <= (1 << 20) &&
        (casaSemEscape != likeDeReferencia(textoQt, padraoQt, QChar()) ||
         casaComEscape != likeDeReferencia(textoQt, padraoQt, umEscape)))
        std::abort();

    // "?1 like ?2" is the text ?1 against the pattern ?2.
    liga(comandoLike, 1, texto);
    liga(comandoLike, 2, padrao);
    if (sqlite3_step(comandoLike) != SQLITE_ROW)
        std::abort();
    const bool utf8 = utf8Valido(texto) && utf8Valido(padrao) && utf8Valido(escape);
    if (utf8 && sqlite3_column_int(comandoLike, 0) != casaSemEscape)
        std::abort();
    const int ordens = sqlite3_column_int(comandoLike, 1) + sqlite3_column_int(comandoLike, 2) + sqlite3_column_int(comandoLike, 3);
    if (ordens != 1 || sqlite3_column_int(comandoLike, 4) != 1 || sqlite3_column_int(comandoLike, 5) != 1)
        std::abort();
    sqlite3_reset(comandoLike);

    // An ESCAPE of other than one character is an error of the statement.
    liga(comandoEscape, 1, texto);
    liga(comandoEscape, 2, padrao);
    liga(comandoEscape, 3, escape);
    const int passo = sqlite3_step(comandoEscape);
    if (utf8 && passo != (escapeQt.size() == 1 ? SQLITE_ROW : SQLITE_ERROR))
        std::abort();
    if (utf8 && passo == SQLITE_ROW && sqlite3_column_int(comandoEscape, 0) != casaComEscape)
        std::abort();
    sqlite3_reset(comandoEscape);
    return 0;
}
