// TraduzSql on any SQL text: SQL Server gets it unchanged; SQLite and
// Firebird get the same text, quotes kept, never shorter, unchanged when no
// literal could be a compact date (eight digits in a row), and a second pass
// changes nothing.
#include "Entrada.h"
#include "platform/DialetoSql.h"

#include <QRegularExpression>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString sql = QString::fromUtf8(Entrada(data, size, k64K));
    if (TraduzSql(Backend::Odbc, sql) != sql)
        std::abort();
    const QString sqlite = TraduzSql(Backend::Sqlite, sql);
    if (TraduzSql(Backend::Firebird, sql) != sqlite)
        std::abort();
    if (sqlite.count(u'\'') != sql.count(u'\'') || sqlite.size() < sql.size())
        std::abort();
    static const QRegularExpression oitoDigitos(QStringLiteral("[0-9]{8}"));
    if (!sql.contains(oitoDigitos) && sqlite != sql)
        std::abort();
    if (TraduzSql(Backend::Sqlite, sqlite) != sqlite)
        std::abort();
    return 0;
}
