#pragma once

#include "platform/Ado.h"

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <QVector>
#include <gtest/gtest.h>
#include <string>

// A fresh, empty company database (every table of db/schema-*.sql) for one
// test, opened as the program's shared connection: Conexao() and
// ambiente().conexao use it until the object goes away. SQLite is always
// there; Firebird when scripts/firebird.sh has exported PANTORO_FIREBIRD_HOST,
// _USER, _PASSWORD and _DIR. Fixture dates are 'YYYY-MM-DD HH:MM:SS'.
// executa() is not counted in Conexao().contador and does not call its hook.
class BancoDeTeste {
public:
    explicit BancoDeTeste(Backend backend = Backend::Sqlite);
    ~BancoDeTeste();
    BancoDeTeste(const BancoDeTeste&) = delete;
    BancoDeTeste& operator=(const BancoDeTeste&) = delete;

    // Runs one fixture statement (DDL or DML) on the shared connection.
    void executa(const QString& sql);
    // Runs several statements separated by ";" (quotes and "--" comments respected).
    void executaScript(const QString& script);

    Backend backend() const { return backend_; }
    // What Connection::Open takes for this database (SQLite: the file path;
    // Firebird: "Data Source=...;User ID=...;Password=...").
    QString stringDeConexao() const { return stringDeConexao_; }

    static QVector<Backend> disponiveis();
    static std::string nome(Backend backend);  // "Sqlite", "Firebird", "Odbc"
    static std::string nomeDoParametro(const ::testing::TestParamInfo<Backend>& info);

    // The statements of a script, one per ";" outside quotes, without "--" comments.
    static QStringList comandos(const QString& script);

private:
    void criaSqlite();
    void criaFirebird();
    void libera();  // the shared connection and the Firebird file
    static void rodaFerramenta(const QProcessEnvironment& ambiente, const QString& programa,
                               const QStringList& argumentos, const QString& entrada);

    Backend backend_;
    QTemporaryDir pasta_;
    QString stringDeConexao_;
    QString arquivoFirebird_;  // removed with the object
    Connection* conexao_ = nullptr;
};
