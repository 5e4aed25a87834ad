#pragma once

#include "platform/Ado.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <map>
#include <utility>

// Writes a new SQLite database through the program's own connection, opened
// read-write, in one transaction that `conclui` commits: nothing of it is
// kept unless every row went in. The rows of a table (and column list) are
// sent together, a few hundred to a statement.
//
// Values: an invalid QVariant is NULL; integers, doubles and texts become SQL
// literals (a text quoted, its quotes doubled; a double in the fewest digits
// that read back as the same number, which SQLite reads back exactly for the
// hundredths the demo writes).
//
// `arquivo` is a local path that does not exist yet or an empty file. Any
// failure raises VbError PathFileAccess with SQLite's text.
class GravadorDemo {
public:
    explicit GravadorDemo(const QString& arquivo);

    using Coluna = std::pair<const char*, QVariant>;

    // One statement, sent at once (the schema).
    void executa(const QString& sql);
    void insere(const char* tabela, std::initializer_list<Coluna> colunas);
    // Sends the rows still held and commits.
    void conclui();

private:
    struct Pendentes {
        QString sql;  // "insert into T (a, b) values (1, 'x'), (2, NULL)"
        int linhas = 0;
    };
    void envia(Pendentes& pendentes);

    Connection conexao_;
    std::map<QByteArray, Pendentes> pendentes_;  // by table and column names
};
