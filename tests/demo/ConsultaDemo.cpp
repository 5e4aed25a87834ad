#include "ConsultaDemo.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <stdexcept>

namespace {

QSqlQuery executada(const QString& conexao, const QString& sql)
{
    QSqlQuery consulta(QSqlDatabase::database(conexao));
    if (!consulta.exec(sql))
        throw std::runtime_error((sql + QStringLiteral(": ") + consulta.lastError().text()).toStdString());
    return consulta;
}

}  // namespace

ConsultaDemo::ConsultaDemo(const QString& arquivo)
{
    static int contador = 0;
    nome_ = QStringLiteral("consulta-demo-%1").arg(++contador);
    QSqlDatabase banco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome_);
    banco.setDatabaseName(arquivo);
    if (!banco.open())
        throw std::runtime_error(("cannot open " + arquivo).toStdString());
}

ConsultaDemo::~ConsultaDemo()
{
    QSqlDatabase::database(nome_, false).close();
    QSqlDatabase::removeDatabase(nome_);
}

QVariant ConsultaDemo::valor(const QString& sql) const
{
    QSqlQuery consulta = executada(nome_, sql);
    return consulta.next() ? consulta.value(0) : QVariant();
}

QVector<QStringList> ConsultaDemo::linhas(const QString& sql) const
{
    QSqlQuery consulta = executada(nome_, sql);
    QVector<QStringList> resultado;
    while (consulta.next()) {
        QStringList linha;
        for (int i = 0; i < consulta.record().count(); ++i)
            linha << (consulta.isNull(i) ? QStringLiteral("<NULL>") : consulta.value(i).toString());
        resultado << linha;
    }
    return resultado;
}

QStringList ConsultaDemo::coluna(const QString& sql) const
{
    QStringList resultado;
    for (const QStringList& linha : linhas(sql))
        resultado << linha.value(0);
    return resultado;
}

void ConsultaDemo::executa(const QString& sql) const
{
    executada(nome_, sql);
}
