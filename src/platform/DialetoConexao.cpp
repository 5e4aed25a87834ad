#include "DialetoConexao.h"

#include <algorithm>

namespace {

const QStringList chavesDeSenha{QStringLiteral("Password"), QStringLiteral("PWD")};

// A value with ; { } or blanks goes in braces, "}" doubled.
QString valorOdbc(const QString& valor)
{
    const bool precisaChaves = valor.contains(u';') || valor.contains(u'{') || valor.contains(u'}') ||
                               std::any_of(valor.begin(), valor.end(), [](QChar c) { return c.isSpace(); });
    if (!precisaChaves)
        return valor;
    QString dobrado = valor;
    dobrado.replace(QStringLiteral("}"), QStringLiteral("}}"));
    return u'{' + dobrado + u'}';
}

// An OLE DB string's values under the ODBC keys of the SQL Server driver.
ParesDeConexao paresOdbcDoOleDb(const ParesDeConexao& oleDb)
{
    const std::pair<const char*, QStringList> mapa[] = {
        {"server",
         {QStringLiteral("Server"), QStringLiteral("Data Source"), QStringLiteral("Address"), QStringLiteral("Addr")}},
        {"database", {QStringLiteral("Database"), QStringLiteral("Initial Catalog")}},
        {"uid", {QStringLiteral("Uid"), QStringLiteral("User ID")}},
        {"pwd", chavesDeSenha},
    };
    ParesDeConexao odbc{{QStringLiteral("driver"), QStringLiteral("SQL Server")}};
    for (const auto& [chaveOdbc, chavesOleDb] : mapa)
        odbc.emplace_back(QLatin1String(chaveOdbc), ValorDoPar(oleDb, chavesOleDb));
    return odbc;
}

// A server named without instance ("\") or port (","), in a string without
// a port key, is the default instance on TCP port 1433: so the Windows
// drivers read it, and FreeTDS, which has no default port of its own while
// it chooses the TDS version itself, needs it said.
QString servidorComPorta(const QString& servidor, const ParesDeConexao& pares)
{
    if (servidor.isEmpty() || servidor.contains(u'\\') || servidor.contains(u',') ||
        !ValorDoPar(pares, {QStringLiteral("Port")}).isEmpty())
        return servidor;
    return servidor + QStringLiteral(",1433");
}

}  // namespace

ParesDeConexao LerPares(const QString& texto)
{
    ParesDeConexao pares;
    qsizetype i = 0;
    qsizetype igual = -1;  // the first "=" at or after i, looked up again only once i has passed it
    while (i < texto.size()) {
        if (igual < i)
            igual = texto.indexOf(u'=', i);
        const qsizetype pontoEVirgula = texto.indexOf(u';', i);
        if (igual < 0)
            break;
        if (pontoEVirgula >= 0 && pontoEVirgula < igual) {  // a piece without "="
            i = pontoEVirgula + 1;
            continue;
        }
        const QString chave = texto.mid(i, igual - i).trimmed();
        qsizetype inicio = igual + 1;
        while (inicio < texto.size() && texto[inicio] == u' ')
            ++inicio;
        QString valor;
        qsizetype fim;
        if (inicio < texto.size() && texto[inicio] == u'{') {
            fim = inicio + 1;
            while (fim < texto.size()) {
                if (texto[fim] == u'}') {
                    if (fim + 1 < texto.size() && texto[fim + 1] == u'}') {
                        valor += u'}';
                        fim += 2;
                        continue;
                    }
                    break;
                }
                valor += texto[fim++];
            }
            fim = texto.indexOf(u';', fim);
        } else {
            fim = texto.indexOf(u';', inicio);
            valor = texto.mid(inicio, fim < 0 ? -1 : fim - inicio).trimmed();
        }
        if (!chave.isEmpty())
            pares.emplace_back(chave, valor);
        if (fim < 0)
            break;
        i = fim + 1;
    }
    return pares;
}

QString ValorDoPar(const ParesDeConexao& pares, const QStringList& chaves)
{
    for (const QString& chave : chaves)
        for (const auto& [nome, valor] : pares)
            if (nome.compare(chave, Qt::CaseInsensitive) == 0)
                return valor;
    return {};
}

ConexaoFirebird LerConexaoFirebird(const QString& texto)
{
    const ParesDeConexao pares = LerPares(texto);
    return {ValorDoPar(pares, {QStringLiteral("Data Source"), QStringLiteral("DBNAME"), QStringLiteral("Database")}),
            ValorDoPar(pares, {QStringLiteral("User ID"), QStringLiteral("UID"), QStringLiteral("User")}),
            ValorDoPar(pares, chavesDeSenha)};
}

QString ConexaoOdbc(const QString& texto)
{
    ParesDeConexao pares = LerPares(texto);
    if (!ValorDoPar(pares, {QStringLiteral("Provider")}).isEmpty())
        pares = paresOdbcDoOleDb(pares);
    QStringList odbc;
    for (const auto& [chave, valor] : pares) {
        const bool servidor = chave.compare(QLatin1String("server"), Qt::CaseInsensitive) == 0;
        odbc << chave + u'=' + valorOdbc(servidor ? servidorComPorta(valor, pares) : valor);
    }
    return odbc.join(u';');
}

QString SenhaOdbc(const QString& texto)
{
    return ValorDoPar(LerPares(texto), chavesDeSenha);
}
