#pragma once

#include "Ado.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>
#include <optional>

// What one backend does differently under the generic Connection and
// Recordset (Ado.h): how its connection string becomes a QSqlDatabase,
// what the open handle needs before the program's first statement, and
// which result columns the Qt driver hands back as text although they hold
// dates. One implementation per backend, each in its own unit
// (ProvedorSqlite, ProvedorFirebird, ProvedorOdbc). Used by Ado.cpp only.

// How QSqlDatabase opens the connection (the first four given in order).
struct AberturaQt {
    QString driver;  // "QSQLITE", "QIBASE", "QODBC"
    QString banco;   // QSqlDatabase::databaseName
    QString usuario;
    QString senha;
    QString opcoes;        // QSqlDatabase::connectOptions
    QStringList segredos;  // texts no message may show (the passwords)
    QString oQueAbre;      // "abrir o banco de dados X", for the failure's text
    QString recusa;        // not empty: why the string cannot be opened at all
};

// What the program asks of the connection at Open.
struct PedidoDeAbertura {
    QString stringDeConexao;
    QString usuario;  // used where the string names none
    QString senha;
    int segundos = 15;  // Connection::ConnectionTimeout
    bool soLeitura = true;
};

class Provedor {
public:
    virtual ~Provedor() = default;

    virtual AberturaQt Abertura(const PedidoDeAbertura& pedido) const = 0;
    // Called once the database opened: the failure, or an invalid error
    // when the connection is ready for the program's statements.
    virtual QSqlError Prepara(const QSqlDatabase& banco) const;
    // For an executed statement: which result columns hold dates the driver
    // gives as text (empty or all false when the driver types them itself).
    virtual QVector<bool> ColunasDeData(const QSqlQuery& consulta) const;
    // A text of such a column as a date; nullopt when it holds no date.
    virtual std::optional<QDateTime> Data(const QString& texto) const;
};

std::unique_ptr<const Provedor> CriaProvedor(Backend backend);
