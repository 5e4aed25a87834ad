#include "ProvedorSqlite.h"

#include "SqliteTexto.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlResult>
#include <sqlite3.h>

Q_DECLARE_OPAQUE_POINTER(sqlite3*)
Q_DECLARE_METATYPE(sqlite3*)
Q_DECLARE_OPAQUE_POINTER(sqlite3_stmt*)
Q_DECLARE_METATYPE(sqlite3_stmt*)

namespace {

bool tipoDeData(const char* declarado)
{
    if (!declarado)
        return false;
    const QByteArray tipo = QByteArray(declarado).toUpper();
    return tipo.contains("DATE") || tipo.contains("TIME");
}

bool letraDeNome(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

// Past the quoted text or name that starts at `i` ('...', "...", [...], `...`).
qsizetype depoisDasAspas(const QString& sql, qsizetype i)
{
    const QChar fecha = sql[i] == u'[' ? QChar(u']') : sql[i];
    for (qsizetype j = i + 1; j < sql.size(); ++j) {
        if (sql[j] != fecha)
            continue;
        if (fecha != u']' && j + 1 < sql.size() && sql[j + 1] == fecha)
            ++j;  // a doubled quote stands for itself
        else
            return j + 1;
    }
    return sql.size();
}

bool abreAspas(QChar c)
{
    return c == u'\'' || c == u'"' || c == u'[' || c == u'`';
}

// Whether the "(" at `abre` is closed and holds one argument.
bool argumentoUnico(const QString& sql, qsizetype abre)
{
    int nivel = 0;
    for (qsizetype i = abre + 1; i < sql.size();) {
        const QChar c = sql[i];
        if (abreAspas(c)) {
            i = depoisDasAspas(sql, i);
            continue;
        }
        if (c == u'(')
            ++nivel;
        else if (c == u')' && nivel-- == 0)
            return true;
        else if (c == u',' && nivel == 0)
            return false;
        ++i;
    }
    return false;
}

// Past the blanks and a DISTINCT or ALL that open an aggregate's argument at `i`.
qsizetype depoisDeDistinct(const QString& sql, qsizetype i)
{
    while (i < sql.size() && sql[i].isSpace())
        ++i;
    for (QLatin1String palavra : {QLatin1String("DISTINCT"), QLatin1String("ALL")}) {
        const qsizetype fim = i + palavra.size();
        if (QStringView(sql).mid(i).startsWith(palavra, Qt::CaseInsensitive) && fim < sql.size() && sql[fim].isSpace())
            return fim;
    }
    return i;
}

// `sql` with every one-argument MIN(x) or MAX(x) read as (x), DISTINCT
// dropped: the same result columns, each declared as SQLite declares x.
QString semMinimoNemMaximo(const QString& sql)
{
    QString saida;
    saida.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        if (abreAspas(sql[i])) {
            const qsizetype fim = depoisDasAspas(sql, i);
            saida += QStringView(sql).mid(i, fim - i);
            i = fim;
            continue;
        }
        if (!letraDeNome(sql[i])) {
            saida += sql[i++];
            continue;
        }
        qsizetype fim = i;
        while (fim < sql.size() && letraDeNome(sql[fim]))
            ++fim;
        const QStringView palavra = QStringView(sql).mid(i, fim - i);
        qsizetype abre = fim;
        while (abre < sql.size() && sql[abre].isSpace())
            ++abre;
        const bool agregado =
            (palavra.compare(u"min", Qt::CaseInsensitive) == 0 || palavra.compare(u"max", Qt::CaseInsensitive) == 0) &&
            (i == 0 || sql[i - 1] != u'.') && abre < sql.size() && sql[abre] == u'(';
        if (agregado && argumentoUnico(sql, abre)) {
            // The name goes; the argument, read on from here, keeps its parentheses.
            saida += u'(';
            i = depoisDeDistinct(sql, abre + 1);
            continue;
        }
        saida += palavra;
        i = fim;
    }
    return saida;
}

// The declared types of a statement's result columns, read as dates. SQLite
// declares no type for an expression; MIN and MAX give back their argument's
// type, so the statement is prepared once more with them read as their
// argument (a statement that does not prepare that way keeps its texts).
QVector<bool> colunasDeData(sqlite3_stmt* comando)
{
    const int colunas = sqlite3_column_count(comando);
    QVector<bool> datas(colunas);
    bool semTipo = false;
    for (int i = 0; i < colunas; ++i) {
        const char* declarado = sqlite3_column_decltype(comando, i);
        datas[i] = tipoDeData(declarado);
        semTipo = semTipo || !declarado;
    }
    if (!semTipo)
        return datas;
    const QString sql = QString::fromUtf8(sqlite3_sql(comando));
    const QString sonda = semMinimoNemMaximo(sql);
    if (sonda == sql)
        return datas;
    const QByteArray texto = sonda.toUtf8();
    sqlite3_stmt* preparado = nullptr;
    if (sqlite3_prepare_v2(sqlite3_db_handle(comando), texto.constData(), static_cast<int>(texto.size()), &preparado,
                           nullptr) == SQLITE_OK &&
        sqlite3_column_count(preparado) == colunas)
        for (int i = 0; i < colunas; ++i)
            datas[i] = datas[i] || tipoDeData(sqlite3_column_decltype(preparado, i));
    sqlite3_finalize(preparado);
    return datas;
}

class ProvedorSqlite : public Provedor {
public:
    AberturaQt Abertura(const PedidoDeAbertura& pedido) const override
    {
        AberturaQt abertura{QStringLiteral("QSQLITE"), pedido.stringDeConexao.trimmed(), pedido.usuario, pedido.senha};
        abertura.opcoes = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(qMax(0, pedido.segundos) * 1000);
        if (pedido.soLeitura)
            abertura.opcoes += QStringLiteral(";QSQLITE_OPEN_READONLY");
        abertura.segredos = QStringList{pedido.senha};
        abertura.oQueAbre = QStringLiteral("abrir o banco de dados ") + abertura.banco;
        if (abertura.banco.isEmpty())
            abertura.recusa = QStringLiteral("O arquivo do banco de dados não foi informado.");
        else if (!QFileInfo(abertura.banco).isFile())
            abertura.recusa = QStringLiteral("Arquivo do banco de dados não encontrado: ") + abertura.banco;
        return abertura;
    }

    QSqlError Prepara(const QSqlDatabase& banco) const override
    {
        RegistraTextoSqlite(banco.driver()->handle().value<sqlite3*>());
        // SQLite opens any file lazily: reading the catalogue tells a database from another file.
        QSqlQuery prova(banco);
        if (prova.exec(QStringLiteral("select count(*) from sqlite_master")))
            return {};
        return prova.lastError();
    }

    QVector<bool> ColunasDeData(const QSqlQuery& consulta) const override
    {
        sqlite3_stmt* comando = consulta.result() ? consulta.result()->handle().value<sqlite3_stmt*>() : nullptr;
        return comando ? colunasDeData(comando) : QVector<bool>();
    }

    std::optional<QDateTime> Data(const QString& texto) const override
    {
        const QString t = texto.trimmed();
        for (const char* formato : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm", "yyyy-MM-dd",
                                    "yyyy-MM-ddTHH:mm:ss"}) {
            const QDateTime data = QDateTime::fromString(t, QLatin1String(formato));
            if (data.isValid())
                return data;
        }
        return std::nullopt;
    }
};

}  // namespace

std::unique_ptr<Provedor> CriaProvedorSqlite()
{
    return std::make_unique<ProvedorSqlite>();
}
