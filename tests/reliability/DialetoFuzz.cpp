// The SQL dialect on any text: SQL Server's text is never changed, and a
// text without a quoted literal is never changed for any server.
#include "../fuzz/Entrada.h"
#include "platform/DialetoSql.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString sql = QString::fromUtf8(Entrada(data, size, k64K));
    if (TraduzSql(Backend::Odbc, sql) != sql)
        std::abort();
    for (Backend backend : {Backend::Sqlite, Backend::Firebird}) {
        const QString traduzido = TraduzSql(backend, sql);
        if (!sql.contains(u'\'') && traduzido != sql)
            std::abort();
    }
    return 0;
}
