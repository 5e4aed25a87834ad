#pragma once

#include "Variant.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

// The ADO objects the program uses, over QSqlDatabase. A connection knows its
// backend: what is particular to one (its connection string, options, the
// types its driver leaves as text) is that backend's provider (Provedor.h),
// and a per-backend dialect adapts the program's SQL text where that server
// would read it differently from SQL Server (SQL Server: unchanged).

enum class Backend { Sqlite, Firebird, Odbc };

class Provedor;

// ADO constant values, as the program passes them.
constexpr int adUseClient = 3;
constexpr int adOpenForwardOnly = 0;
constexpr int adOpenStatic = 3;
constexpr int adLockReadOnly = 1;
constexpr int adLockBatchOptimistic = 4;
constexpr long adOptionUnspecified = -1;
constexpr int adStateClosed = 0;
constexpr int adStateOpen = 1;
constexpr int adModeRead = 1;
constexpr int adModeReadWrite = 3;

// Error numbers of the ADO objects (besides those of VbError.h).
constexpr long adErroNaConsulta = -2147217900;  // the server refused the statement
constexpr long adErroObjetoAberto = 3705;       // Open on an open object
constexpr long adErroConexaoFechada = 3709;     // a statement on a closed connection
constexpr long adErroSoParaFrente = 3219;       // MoveFirst on a forward-only recordset

// Counts every statement sent and every row read, and lets a test make the
// Nth statement fail (fault injection).
struct ContadorConsultas {
    long consultas = 0;
    long linhas = 0;
    // Called before each statement with its number (1-based) and text; a
    // throw there is the statement's failure.
    std::function<void(long numero, const QString& sql)> antesDeConsultar;
};

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // SQLite: the database file path. Firebird: "key=value;" pairs (Data
    // Source / DBNAME / Database, User ID / UID / User, Password / PWD).
    // ODBC: an ODBC string, or an OLE DB "Provider=..." string translated to
    // ODBC keys; blanks around values are dropped and any text may stand in
    // a value. `userId` and `password` are used where the string has none
    // (the program passes ""). Failure: VbError -2147467259 with the
    // driver's text, never the password. Opening an open connection: 3705.
    void Open(Backend backend, const QString& connectionString, const QString& userId = {},
              const QString& password = {}, long options = adOptionUnspecified);
    // Closing a closed connection is VbError 3704, as in ADO.
    void Close();
    int State() const;
    Backend backend() const { return backend_; }

    // Seconds, read at Open: ODBC's login time-out, SQLite's wait on a busy
    // file; Firebird's client has its own.
    int ConnectionTimeout = 15;  // ADO's default
    // Read at Open. The program only reads, so adModeRead is the default
    // here: SQLite opens the file read-only and refuses every write.
    int Mode = adModeRead;

    // Runs one statement (after the dialect) and reads every row. Counts it
    // in `contador` and calls its hook with the program's text first.
    // Failure: VbError -2147217900 with the server's text; closed: 3709.
    // Values: Null for database nulls, Date for date columns (SQLite: the
    // ISO texts of columns the schema declares as dates, and their MIN and
    // MAX), Long for integers that fit 32 bits, Double for other numbers,
    // String for text.
    struct Resultado {
        QStringList colunas;
        QVector<QVector<Variant>> linhas;
    };
    Resultado Executa(const QString& sql);

    // The same statement read one row at a time, as the caller asks for the
    // next: only the current row is held. The cursor must go before the
    // connection does.
    class Cursor;
    std::unique_ptr<Cursor> Abre(const QString& sql);

    // The text the server receives for the program's SQL text.
    QString Traduz(const QString& sql) const;

    ContadorConsultas contador;

private:
    QString nome_;  // unique QSqlDatabase connection name, removed with the object
    Backend backend_ = Backend::Sqlite;
    std::shared_ptr<const Provedor> provedor_;  // set by Open; a cursor shares it
    bool aberta_ = false;
    QStringList segredos_;  // texts never shown in a message
};

class Connection::Cursor {
public:
    virtual ~Cursor() = default;
    virtual const QStringList& Colunas() const = 0;
    // The next row into `linha`; false after the last. A failure while
    // reading: VbError -2147217900 with the server's text.
    virtual bool Proxima(QVector<Variant>& linha) = 0;
};

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;

    int CursorLocation = 2;

    // adOpenStatic (client-side static cursor): reads every row at once.
    // adOpenForwardOnly: reads each row as MoveNext reaches it and holds only
    // that one; RecordCount is -1 and MoveFirst raises 3219. Open on an open
    // recordset: VbError 3705; every other member on a closed one: 3704.
    void Open(const QString& source, Connection& connection, int cursorType = adOpenStatic,
              int lockType = adLockReadOnly, long options = adOptionUnspecified);
    void Close();
    int State() const { return aberto_ ? adStateOpen : adStateClosed; }

    bool Eof() const;
    bool Bof() const;
    void MoveNext();
    void MoveFirst();
    long RecordCount() const;  // MoveNext at EOF, MoveFirst when empty: 3021

    // Case-insensitive column name; Null for database nulls, Date for date
    // columns. Unknown name: VbError 3265. No current row: VbError 3021.
    Variant Fields(const QString& name) const;
    // The same by the column's index (Indice), for loops over many rows.
    const Variant& Fields(int indice) const;
    // The index of a column name, resolved once per open. Unknown: 3265.
    int Indice(const QString& name) const;
    QStringList Nomes() const { return resultado_.colunas; }

private:
    void exigeAberto() const;
    const QVector<Variant>& linhaAtual() const;

    Connection::Resultado resultado_;
    std::unique_ptr<Connection::Cursor> cursor_;  // forward-only: the rows still to read
    QVector<Variant> linha_;                      // forward-only: the current row
    bool fim_ = false;                            // forward-only: past the last row
    QHash<QString, int> indices_;                 // lower-cased column name -> index
    int posicao_ = 0;
    bool aberto_ = false;
};
