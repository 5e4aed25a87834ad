#include "GravadorDemo.h"

#include "platform/VbError.h"

#include <QFile>
#include <QLocale>

namespace {

constexpr int linhasPorInsert = 500;

void acrescentaLiteral(QString& sql, const QVariant& valor)
{
    switch (valor.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        sql += QString::number(valor.toLongLong());
        break;
    case QMetaType::Double: {
        const QString numero = QString::number(valor.toDouble(), 'g', QLocale::FloatingPointShortest);
        sql += numero;
        if (!numero.contains(u'.') && !numero.contains(u'e'))
            sql += QLatin1String(".0");  // a REAL, as a bound double would be
        break;
    }
    case QMetaType::QString: {
        QString texto = valor.toString();
        sql += u'\'' + texto.replace(u'\'', QLatin1String("''")) + u'\'';
        break;
    }
    default:
        sql += QLatin1String("NULL");
        break;
    }
}

[[noreturn]] void falha(const VbError& erro)
{
    throw VbError(vb_error::PathFileAccess, QStringLiteral("Banco de demonstração: ") + erro.Description());
}

}  // namespace

GravadorDemo::GravadorDemo(const QString& arquivo)
{
    QFile novo(arquivo);
    if (!novo.exists() && !novo.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw VbError(
            vb_error::PathFileAccess,
            QStringLiteral("Não foi possível criar o banco de demonstração %1: %2").arg(arquivo, novo.errorString()));
    novo.close();
    conexao_.Mode = adModeReadWrite;
    try {
        conexao_.Open(Backend::Sqlite, arquivo);
    } catch (const VbError& erro) {
        falha(erro);
    }
    executa(QStringLiteral("begin"));
}

void GravadorDemo::executa(const QString& sql)
{
    try {
        conexao_.Executa(sql);
    } catch (const VbError& erro) {
        falha(erro);
    }
}

void GravadorDemo::insere(const char* tabela, std::initializer_list<Coluna> colunas)
{
    QByteArray chave = tabela;
    for (const auto& coluna : colunas) {
        chave += ' ';
        chave += coluna.first;
    }
    Pendentes& pendentes = pendentes_[chave];
    QString& sql = pendentes.sql;
    if (pendentes.linhas == 0) {
        sql = QLatin1String("insert into ") + QLatin1String(tabela) + QLatin1String(" (");
        for (const auto& coluna : colunas)
            sql += QLatin1String(&coluna == colunas.begin() ? "" : ", ") + QLatin1String(coluna.first);
        sql += QLatin1String(") values (");
    } else {
        sql += QLatin1String(", (");
    }
    for (const auto& coluna : colunas) {
        if (&coluna != colunas.begin())
            sql += QLatin1String(", ");
        acrescentaLiteral(sql, coluna.second);
    }
    sql += u')';
    if (++pendentes.linhas == linhasPorInsert)
        envia(pendentes);
}

void GravadorDemo::envia(Pendentes& pendentes)
{
    if (pendentes.linhas == 0)
        return;
    executa(pendentes.sql);
    pendentes.sql.truncate(0);
    pendentes.linhas = 0;
}

void GravadorDemo::conclui()
{
    for (auto& [chave, pendentes] : pendentes_)
        envia(pendentes);
    executa(QStringLiteral("commit"));
}
