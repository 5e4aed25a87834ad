#include "Ado.h"

#include "DialetoConexao.h"
#include "DialetoSql.h"
#include "SqliteTexto.h"
#include "VbError.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <atomic>
#include <limits>
#include <optional>
#include <sqlite3.h>

namespace {

const QString textoObjetoFechado = QStringLiteral("A operação não é permitida quando o objeto está fechado.");
const QString textoObjetoAberto = QStringLiteral("A operação não é permitida quando o objeto está aberto.");
const QString textoSemRegistroAtual = QStringLiteral(
    "BOF ou EOF é verdadeiro, ou o registro atual foi excluído. A operação solicitada requer um registro atual.");

QString novoNomeDeConexao()
{
    static std::atomic<long> proximo{1};
    return QStringLiteral("pantoro-ado-%1").arg(proximo++);
}

// The driver's text with every secret replaced, so that no message shows a password.
QString semSegredos(QString texto, const QStringList& segredos)
{
    for (const QString& segredo : segredos)
        if (!segredo.isEmpty())
            texto.replace(segredo, QStringLiteral("***"));
    return texto.trimmed();
}

QString textoDoErro(const QSqlError& erro)
{
    const QString banco = erro.databaseText().trimmed();
    const QString driver = erro.driverText().trimmed();
    if (banco.isEmpty())
        return driver;
    if (driver.isEmpty() || banco.contains(driver))
        return banco;
    return banco + QStringLiteral(" (") + driver + u')';
}

// SQLite keeps dates as ISO text 'YYYY-MM-DD HH:MM:SS'. A result column holds
// dates when its declared type names a date or time, or when its name starts
// with DATA_ (every date column of the company database does, and so does an
// aggregate aliased to one); its texts are then read back as dates.
bool ehColunaDeDataSqlite(sqlite3_stmt* comando, int coluna, const QString& nome)
{
    if (comando) {
        const char* declarado = sqlite3_column_decltype(comando, coluna);
        if (declarado) {
            const QByteArray tipo = QByteArray(declarado).toUpper();
            if (tipo.contains("DATE") || tipo.contains("TIME"))
                return true;
        }
    }
    return nome.startsWith(QLatin1String("DATA_"), Qt::CaseInsensitive);
}

sqlite3_stmt* comandoSqlite(const QSqlQuery& consulta)
{
    const QVariant handle = consulta.result() ? consulta.result()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3_stmt*") == 0)
        return *static_cast<sqlite3_stmt* const*>(handle.constData());
    return nullptr;
}

std::optional<QDateTime> dataIso(const QString& texto)
{
    const QString t = texto.trimmed();
    for (const char* formato :
         {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm", "yyyy-MM-dd", "yyyy-MM-ddTHH:mm:ss"}) {
        const QDateTime data = QDateTime::fromString(t, QLatin1String(formato));
        if (data.isValid())
            return data;
    }
    return std::nullopt;
}

Variant paraVariant(const QVariant& valor, bool colunaDeData)
{
    if (valor.isNull())
        return Variant::Null();
    switch (valor.metaType().id()) {
    case QMetaType::Bool:
        return Variant::Boolean(valor.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort: {
        const qlonglong numero = valor.toLongLong();
        if (numero >= std::numeric_limits<int32_t>::min() && numero <= std::numeric_limits<int32_t>::max())
            return Variant::Long(static_cast<int32_t>(numero));
        return Variant::Double(static_cast<double>(numero));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return Variant::Double(valor.toDouble());
    case QMetaType::QDateTime:
        return Variant(valor.toDateTime());
    case QMetaType::QDate:
        return Variant(valor.toDate().startOfDay());
    case QMetaType::QTime:
        return Variant(QDateTime(QDate(1899, 12, 30), valor.toTime()));
    default:
        break;
    }
    const QString texto = valor.toString();
    if (colunaDeData)
        if (const auto data = dataIso(texto))
            return Variant(*data);
    return Variant(texto);
}

QString textoSemBanco(Backend backend)
{
    switch (backend) {
    case Backend::Sqlite:
        return QStringLiteral("O arquivo do banco de dados não foi informado.");
    case Backend::Firebird:
        return QStringLiteral("A string de conexão do Firebird não informa o banco de dados "
                              "(Data Source, DBNAME ou Database).");
    case Backend::Odbc:
        break;
    }
    return QStringLiteral("A string de conexão está vazia.");
}

void fechaBanco(const QString& nome)
{
    {
        QSqlDatabase banco = QSqlDatabase::database(nome, false);
        if (banco.isValid())
            banco.close();
    }
    QSqlDatabase::removeDatabase(nome);
}

// Opens the QSqlDatabase `nome`; the failure's text, or "" when it opened.
QString abreBanco(const QString& nome, Backend backend, const QString& driver, const QString& banco,
                  const QString& usuario, const QString& senha, const QString& opcoes)
{
    QSqlDatabase aberto = QSqlDatabase::addDatabase(driver, nome);
    aberto.setDatabaseName(banco);
    aberto.setUserName(usuario);
    aberto.setPassword(senha);
    aberto.setConnectOptions(opcoes);
    const QString prefixo = QStringLiteral("Não foi possível ") +
                            (backend == Backend::Odbc ? QStringLiteral("conectar ao servidor de dados")
                                                      : QStringLiteral("abrir o banco de dados ") + banco) +
                            QStringLiteral(": ");
    if (!aberto.open())
        return prefixo + textoDoErro(aberto.lastError());
    if (backend != Backend::Sqlite)
        return {};
    const QVariant handle = aberto.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        RegistraTextoSqlite(*static_cast<sqlite3* const*>(handle.constData()));
    // SQLite opens any file lazily: reading the catalogue tells a database from another file.
    QSqlQuery prova(aberto);
    if (prova.exec(QStringLiteral("select count(*) from sqlite_master")))
        return {};
    const QString texto = prefixo + textoDoErro(prova.lastError());
    prova.finish();
    aberto.close();
    return texto;
}

}  // namespace

Connection::Connection() : nome_(novoNomeDeConexao()) {}

Connection::~Connection()
{
    fechaBanco(nome_);
}

void Connection::Open(Backend backend, const QString& connectionString, const QString& userId, const QString& password,
                      long /*options*/)
{
    if (aberta_)
        throw VbError(adErroObjetoAberto, textoObjetoAberto);
    backend_ = backend;

    QString driver;
    QString banco;
    QString usuario = userId;
    QString senha = password;
    QString opcoes;
    const int segundos = qMax(0, ConnectionTimeout);
    switch (backend) {
    case Backend::Sqlite:
        driver = QStringLiteral("QSQLITE");
        banco = connectionString.trimmed();
        opcoes = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(segundos * 1000);
        if (Mode == adModeRead)
            opcoes += QStringLiteral(";QSQLITE_OPEN_READONLY");
        break;
    case Backend::Firebird: {
        const ConexaoFirebird firebird = LerConexaoFirebird(connectionString);
        driver = QStringLiteral("QIBASE");
        banco = firebird.banco;
        if (!firebird.usuario.isEmpty())
            usuario = firebird.usuario;
        if (!firebird.senha.isEmpty())
            senha = firebird.senha;
        opcoes = QStringLiteral("ISC_DPB_LC_CTYPE=UTF8");
        break;
    }
    case Backend::Odbc:
        driver = QStringLiteral("QODBC");
        banco = ConexaoOdbc(connectionString);
        opcoes = segundos > 0 ? QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1;SQL_ATTR_CONNECTION_TIMEOUT=%1").arg(segundos)
                              : QString();
        break;
    }
    segredos_ = QStringList{password, senha};
    if (backend == Backend::Odbc)
        segredos_ << SenhaOdbc(banco);

    QString erro;
    if (banco.trimmed().isEmpty())
        erro = textoSemBanco(backend);
    // SQLite would create a missing file; the company database must exist.
    else if (backend == Backend::Sqlite && !QFileInfo(banco).isFile())
        erro = QStringLiteral("Arquivo do banco de dados não encontrado: ") + banco;
    else if (!QSqlDatabase::isDriverAvailable(driver))
        erro = QStringLiteral("O driver ") + driver + QStringLiteral(" do Qt não está instalado.");
    else
        erro = abreBanco(nome_, backend, driver, banco, usuario, senha, opcoes);
    if (!erro.isEmpty()) {
        fechaBanco(nome_);
        throw VbError(vb_error::ProviderFailure, semSegredos(erro, segredos_));
    }
    aberta_ = true;
}

void Connection::Close()
{
    if (!aberta_)
        throw VbError(vb_error::ObjectClosed, textoObjetoFechado);
    fechaBanco(nome_);
    aberta_ = false;
}

int Connection::State() const
{
    return aberta_ ? adStateOpen : adStateClosed;
}

QString Connection::Traduz(const QString& sql) const
{
    return TraduzSql(backend_, sql);
}

namespace {

// A statement's rows through a forward-only QSqlQuery, each converted as it is read.
class CursorQt : public Connection::Cursor {
public:
    CursorQt(QSqlQuery consulta, Backend backend, ContadorConsultas& contador, QStringList segredos)
        : consulta_(std::move(consulta)), contador_(contador), segredos_(std::move(segredos))
    {
        if (!consulta_.isSelect())
            return;
        const QSqlRecord registro = consulta_.record();
        sqlite3_stmt* comando = backend == Backend::Sqlite ? comandoSqlite(consulta_) : nullptr;
        colunaDeData_.resize(registro.count());
        for (int i = 0; i < registro.count(); ++i) {
            colunas_ << registro.fieldName(i);
            colunaDeData_[i] = backend == Backend::Sqlite && ehColunaDeDataSqlite(comando, i, registro.fieldName(i));
        }
    }

    const QStringList& Colunas() const override { return colunas_; }

    bool Proxima(QVector<Variant>& linha) override
    {
        if (terminou_ || colunas_.isEmpty())
            return false;
        if (!consulta_.next()) {
            if (consulta_.lastError().isValid())
                throw VbError(adErroNaConsulta, semSegredos(textoDoErro(consulta_.lastError()), segredos_));
            terminou_ = true;
            consulta_.finish();
            return false;
        }
        linha.resize(colunas_.size());
        for (int i = 0; i < colunas_.size(); ++i)
            linha[i] = paraVariant(consulta_.value(i), colunaDeData_[i]);
        ++contador_.linhas;
        return true;
    }

private:
    QSqlQuery consulta_;
    ContadorConsultas& contador_;
    QStringList segredos_;
    QStringList colunas_;
    QVector<bool> colunaDeData_;
    bool terminou_ = false;
};

}  // namespace

std::unique_ptr<Connection::Cursor> Connection::Abre(const QString& sql)
{
    if (!aberta_)
        throw VbError(adErroConexaoFechada, QStringLiteral("A conexão não pode ser usada para executar esta "
                                                           "operação. Ela está fechada ou é inválida neste "
                                                           "contexto."));
    const long numero = ++contador.consultas;
    if (contador.antesDeConsultar)
        contador.antesDeConsultar(numero, sql);

    QSqlQuery consulta(QSqlDatabase::database(nome_, false));
    consulta.setForwardOnly(true);
    if (!consulta.exec(Traduz(sql)))
        throw VbError(adErroNaConsulta, semSegredos(textoDoErro(consulta.lastError()), segredos_));
    return std::make_unique<CursorQt>(std::move(consulta), backend_, contador, segredos_);
}

Connection::Resultado Connection::Executa(const QString& sql)
{
    const std::unique_ptr<Cursor> cursor = Abre(sql);
    Resultado resultado;
    resultado.colunas = cursor->Colunas();
    QVector<Variant> linha;
    while (cursor->Proxima(linha))
        resultado.linhas << linha;
    return resultado;
}

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

void Recordset::Open(const QString& source, Connection& connection, int cursorType, int /*lockType*/, long /*options*/)
{
    if (aberto_)
        throw VbError(adErroObjetoAberto, textoObjetoAberto);
    if (cursorType == adOpenForwardOnly) {
        cursor_ = connection.Abre(source);
        resultado_ = {cursor_->Colunas(), {}};
        fim_ = !cursor_->Proxima(linha_);
    } else {
        resultado_ = connection.Executa(source);
        fim_ = false;
    }
    indices_.clear();
    for (int i = resultado_.colunas.size() - 1; i >= 0; --i)
        indices_.insert(resultado_.colunas[i].toLower(), i);
    posicao_ = 0;
    aberto_ = true;
}

void Recordset::Close()
{
    exigeAberto();
    resultado_ = {};
    cursor_.reset();
    linha_.clear();
    indices_.clear();
    posicao_ = 0;
    aberto_ = false;
}

void Recordset::exigeAberto() const
{
    if (!aberto_)
        throw VbError(vb_error::ObjectClosed, textoObjetoFechado);
}

bool Recordset::Eof() const
{
    exigeAberto();
    return cursor_ ? fim_ : posicao_ >= resultado_.linhas.size();
}

bool Recordset::Bof() const
{
    exigeAberto();
    if (cursor_)
        return fim_ && posicao_ == 0;
    return resultado_.linhas.isEmpty() || posicao_ < 0;
}

void Recordset::MoveNext()
{
    if (Eof())
        throw VbError(vb_error::NoCurrentRecord, textoSemRegistroAtual);
    ++posicao_;
    if (cursor_)
        fim_ = !cursor_->Proxima(linha_);
}

void Recordset::MoveFirst()
{
    exigeAberto();
    if (cursor_)
        throw VbError(adErroSoParaFrente, QStringLiteral("O conjunto de linhas não permite buscar para trás."));
    if (resultado_.linhas.isEmpty())
        throw VbError(vb_error::NoCurrentRecord, textoSemRegistroAtual);
    posicao_ = 0;
}

long Recordset::RecordCount() const
{
    exigeAberto();
    return cursor_ ? -1 : resultado_.linhas.size();
}

int Recordset::Indice(const QString& name) const
{
    exigeAberto();
    const auto achado = indices_.constFind(name.trimmed().toLower());
    if (achado == indices_.constEnd())
        throw VbError(vb_error::ItemNotFound,
                      QStringLiteral("O item não pode ser encontrado na coleção correspondente ao nome ou ordinal "
                                     "solicitado: ") +
                          name);
    return achado.value();
}

const QVector<Variant>& Recordset::linhaAtual() const
{
    if (Eof())
        throw VbError(vb_error::NoCurrentRecord, textoSemRegistroAtual);
    return cursor_ ? linha_ : resultado_.linhas[posicao_];
}

Variant Recordset::Fields(const QString& name) const
{
    return Fields(Indice(name));
}

const Variant& Recordset::Fields(int indice) const
{
    const QVector<Variant>& linha = linhaAtual();
    if (indice < 0 || indice >= linha.size())
        throw VbError(vb_error::ItemNotFound,
                      QStringLiteral("O item não pode ser encontrado na coleção correspondente ao nome ou ordinal "
                                     "solicitado: %1")
                          .arg(indice));
    return linha[indice];
}
