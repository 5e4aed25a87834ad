#include "DialetoConexao.h"

namespace {

const QStringList chavesDeSenha{QStringLiteral("Password"), QStringLiteral("PWD")};

// A value with ; { } or blanks at its ends goes in braces, "}" doubled.
QString valorOdbc(const QString& valor)
{
    const bool precisaChaves =
        valor.contains(u';') || valor.contains(u'{') || valor.contains(u'}') || valor != valor.trimmed();
    if (!precisaChaves)
        return valor;
    QString dobrado = valor;
    dobrado.replace(QStringLiteral("}"), QStringLiteral("}}"));
    return u'{' + dobrado + u'}';
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
    const ParesDeConexao pares = LerPares(texto);
    if (ValorDoPar(pares, {QStringLiteral("Provider")}).isEmpty())
        return texto;
    const std::pair<const char*, QStringList> mapa[] = {
        {"server",
         {QStringLiteral("Server"), QStringLiteral("Data Source"), QStringLiteral("Address"), QStringLiteral("Addr")}},
        {"database", {QStringLiteral("Database"), QStringLiteral("Initial Catalog")}},
        {"uid", {QStringLiteral("Uid"), QStringLiteral("User ID")}},
        {"pwd", chavesDeSenha},
    };
    QString odbc = QStringLiteral("driver={SQL Server}");
    for (const auto& [chaveOdbc, chavesOleDb] : mapa)
        odbc += u';' + QLatin1String(chaveOdbc) + u'=' + valorOdbc(ValorDoPar(pares, chavesOleDb));
    return odbc;
}

QString SenhaOdbc(const QString& texto)
{
    return ValorDoPar(LerPares(texto), chavesDeSenha);
}
