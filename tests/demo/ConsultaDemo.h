#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// Reads a demo database file directly (QSQLITE, no dialect), for checking
// what the generator wrote. Each object has its own connection.
class ConsultaDemo {
public:
    explicit ConsultaDemo(const QString& arquivo);
    ~ConsultaDemo();
    ConsultaDemo(const ConsultaDemo&) = delete;
    ConsultaDemo& operator=(const ConsultaDemo&) = delete;

    // First column of the first row; an invalid QVariant when there is no row.
    QVariant valor(const QString& sql) const;
    qint64 numero(const QString& sql) const { return valor(sql).toLongLong(); }
    // Every row, each column as text ("<NULL>" for a null).
    QVector<QStringList> linhas(const QString& sql) const;
    QStringList coluna(const QString& sql) const;
    void executa(const QString& sql) const;

private:
    QString nome_;
};
