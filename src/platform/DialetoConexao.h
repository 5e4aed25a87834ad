#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// How each backend reads the connection string the program configures.

// "key=value;" pairs in order; keys trimmed, values trimmed, a value in
// braces ({...}, "}}" for "}") taken whole. Pieces without "=" are ignored.
using ParesDeConexao = std::vector<std::pair<QString, QString>>;
ParesDeConexao LerPares(const QString& texto);
// The value of the first key among `chaves` (case-insensitive), or "".
QString ValorDoPar(const ParesDeConexao& pares, const QStringList& chaves);

// Firebird: Data Source / DBNAME / Database, User ID / UID / User,
// Password / PWD; every other key is ignored.
struct ConexaoFirebird {
    QString banco;  // "host:path", "host/port:path" or a path
    QString usuario;
    QString senha;
};
ConexaoFirebird LerConexaoFirebird(const QString& texto);

// ODBC: an ODBC string read as the Windows drivers read it: blanks around
// keys and values dropped ("server=127.0.0.1 ;" names 127.0.0.1), and a
// server without instance or port on the default port ("srv" is
// "srv,1433"); an OLE DB string ("Provider=SQLNCLI", "SQLNCLI10" or
// "sqloledb") as "driver={SQL Server};server=;database=;uid=;pwd=" with the
// values it has (Network Library and other OLE DB keys dropped). Values
// holding ; { } or blanks go in braces.
QString ConexaoOdbc(const QString& texto);
// The password of an ODBC string (PWD / Password), to keep out of messages.
QString SenhaOdbc(const QString& texto);
