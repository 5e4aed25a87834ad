#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A data table of the demo company, compiled in from dados/NOME.tsv: UTF-8
// text, one row a line, the fields separated by tabs and read by the column
// names of the "#:" line; other lines starting with "#" are comments. A field
// past the end of a short line is empty, so trailing tabs may go.
//
// The tables are part of the program: a missing table raises VbError
// FileNotFound, a column or a name the table lacks VbError ItemNotFound.
class TabelaDemo {
public:
    explicit TabelaDemo(const QString& nome);

    int linhas() const { return static_cast<int>(linhas_.size()); }
    const QStringList& colunas() const { return colunas_; }

    QString texto(int linha, const QString& coluna) const;
    int inteiro(int linha, const QString& coluna) const { return texto(linha, coluna).toInt(); }
    // A mark ("x") in the column: the row is deactivated, lives there, ...
    bool marcada(int linha, const QString& coluna) const { return !texto(linha, coluna).isEmpty(); }
    // The position from 1 of the row whose first field is `nome`, as the
    // row's id in its database table; 0 for an empty name (none).
    int id(const QString& nome) const;

private:
    QString nome_;
    QStringList colunas_;
    QVector<QStringList> linhas_;
};
