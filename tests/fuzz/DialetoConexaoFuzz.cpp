// The connection-string readers on any text: keys come out trimmed and not
// empty; an OLE DB string becomes an ODBC string from which the same server,
// database, login and password are read back (values with ; { } or outer
// blanks go in braces); any other string goes to ODBC unchanged.
#include "Entrada.h"
#include "platform/DialetoConexao.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString texto = QString::fromUtf8(Entrada(data, size, k64K));
    const ParesDeConexao pares = LerPares(texto);
    for (const auto& par : pares)
        if (par.first.isEmpty() || par.first != par.first.trimmed())
            std::abort();
    LerConexaoFirebird(texto);

    const QString odbc = ConexaoOdbc(texto);
    if (ValorDoPar(pares, {QStringLiteral("Provider")}).isEmpty()) {
        if (odbc != texto)
            std::abort();
        return 0;
    }
    const ParesDeConexao lidos = LerPares(odbc);
    const std::pair<QString, QStringList> mapa[] = {
        {QStringLiteral("server"),
         {QStringLiteral("Server"), QStringLiteral("Data Source"), QStringLiteral("Address"), QStringLiteral("Addr")}},
        {QStringLiteral("database"), {QStringLiteral("Database"), QStringLiteral("Initial Catalog")}},
        {QStringLiteral("uid"), {QStringLiteral("Uid"), QStringLiteral("User ID")}},
        {QStringLiteral("pwd"), {QStringLiteral("Password"), QStringLiteral("PWD")}},
    };
    if (lidos.size() != 5 || ValorDoPar(lidos, {QStringLiteral("driver")}) != QLatin1String("SQL Server"))
        std::abort();
    for (const auto& [chaveOdbc, chavesOleDb] : mapa)
        if (ValorDoPar(lidos, {chaveOdbc}) != ValorDoPar(pares, chavesOleDb))
            std::abort();
    if (SenhaOdbc(odbc) != ValorDoPar(pares, mapa[3].second))
        std::abort();
    return 0;
}
