#include "EmpresaNoFirebird.h"

#include "EmpresaGrande.h"

#include "platform/DialetoConexao.h"
#include "platform/VbError.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {

const QString Origem = QStringLiteral("pantoro-bench-origem");
const QString Destino = QStringLiteral("pantoro-bench-destino");

[[noreturn]] void falha(const QSqlError& erro)
{
    throw VbError(vb_error::PathFileAccess, erro.text());
}

// SQLite keeps instants as ISO text; Firebird's timestamp columns take them
// as date-times.
QVariant paraFirebird(const QSqlField& campo)
{
    if (campo.name().startsWith(QLatin1String("data_"), Qt::CaseInsensitive) && !campo.isNull())
        return QDateTime::fromString(campo.value().toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return campo.value();
}

void copiaTabela(QSqlDatabase& origem, QSqlDatabase& destino, const QString& tabela)
{
    QSqlQuery leitura(origem);
    leitura.setForwardOnly(true);
    if (!leitura.exec(QStringLiteral("select * from ") + tabela))
        falha(leitura.lastError());
    const QSqlRecord registro = leitura.record();
    QStringList colunas, marcas;
    for (int i = 0; i < registro.count(); ++i) {
        colunas << registro.fieldName(i);
        marcas << QStringLiteral("?");
    }
    QSqlQuery escrita(destino);
    if (!escrita.prepare(QStringLiteral("insert into ") + tabela + QStringLiteral(" (") + colunas.join(u',') +
                         QStringLiteral(") values (") + marcas.join(u',') + u')'))
        falha(escrita.lastError());
    while (leitura.next()) {
        const QSqlRecord linha = leitura.record();
        for (int i = 0; i < linha.count(); ++i)
            escrita.bindValue(i, paraFirebird(linha.field(i)));
        if (!escrita.exec())
            falha(escrita.lastError());
    }
}

}  // namespace

std::unique_ptr<BancoDeTeste> CopiaNoFirebird(const QString& arquivoSqlite)
{
    auto banco = std::make_unique<BancoDeTeste>(Backend::Firebird);
    const ConexaoFirebird conexao = LerConexaoFirebird(banco->stringDeConexao());
    {
        QSqlDatabase origem = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Origem);
        origem.setDatabaseName(arquivoSqlite);
        QSqlDatabase destino = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), Destino);
        destino.setDatabaseName(conexao.banco);
        destino.setUserName(conexao.usuario);
        destino.setPassword(conexao.senha);
        if (!origem.open())
            falha(origem.lastError());
        if (!destino.open())
            falha(destino.lastError());
        destino.transaction();
        for (const QString& tabela : origem.tables())
            if (!tabela.startsWith(QLatin1String("sqlite_")))  // SQLite's own statistics
                copiaTabela(origem, destino, tabela);
        if (!destino.commit())
            falha(destino.lastError());
        for (const QString& indice : IndicesEmpresaGrande()) {
            QSqlQuery comando(destino);
            if (!comando.exec(indice))
                falha(comando.lastError());
        }
        origem.close();
        destino.close();
    }
    QSqlDatabase::removeDatabase(Origem);
    QSqlDatabase::removeDatabase(Destino);
    return banco;
}
