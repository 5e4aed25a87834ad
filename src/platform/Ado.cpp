#include "Ado.h"

#include "DialetoSql.h"
#include "Provedor.h"
#include "VbError.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>
#include <limits>

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

// A driver's value as the program's Variant; `leitorDeData` reads the text
// of a column the backend keeps dates in as text (null for other columns).
Variant paraVariant(const QVariant& valor, const Provedor* leitorDeData)
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
    if (leitorDeData)
        if (const auto data = leitorDeData->Data(texto))
            return Variant(*data);
    return Variant(texto);
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

// Opens the QSqlDatabase `nome` as `abertura` says; the failure's text, or
// "" when the connection is ready.
QString abreBanco(const QString& nome, const AberturaQt& abertura, const Provedor& provedor)
{
    if (!abertura.recusa.isEmpty())
        return abertura.recusa;
    if (!QSqlDatabase::isDriverAvailable(abertura.driver))
        return QStringLiteral("O driver ") + abertura.driver + QStringLiteral(" do Qt não está instalado.");
    QSqlDatabase banco = QSqlDatabase::addDatabase(abertura.driver, nome);
    banco.setDatabaseName(abertura.banco);
    banco.setUserName(abertura.usuario);
    banco.setPassword(abertura.senha);
    banco.setConnectOptions(abertura.opcoes);
    const QString prefixo = QStringLiteral("Não foi possível ") + abertura.oQueAbre + QStringLiteral(": ");
    if (!banco.open())
        return prefixo + textoDoErro(banco.lastError());
    const QSqlError preparo = provedor.Prepara(banco);
    if (preparo.isValid())
        return prefixo + textoDoErro(preparo);
    return {};
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
    provedor_ = CriaProvedor(backend);
    const AberturaQt abertura =
        provedor_->Abertura({connectionString, userId, password, ConnectionTimeout, Mode == adModeRead});
    segredos_ = abertura.segredos;
    const QString erro = abreBanco(nome_, abertura, *provedor_);
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
    CursorQt(QSqlQuery consulta, std::shared_ptr<const Provedor> provedor, ContadorConsultas& contador,
             QStringList segredos)
        : consulta_(std::move(consulta)),
          provedor_(std::move(provedor)),
          contador_(contador),
          segredos_(std::move(segredos))
    {
        if (!consulta_.isSelect())
            return;
        const QSqlRecord registro = consulta_.record();
        for (int i = 0; i < registro.count(); ++i)
            colunas_ << registro.fieldName(i);
        colunaDeData_ = provedor_->ColunasDeData(consulta_);
        colunaDeData_.resize(colunas_.size());
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
            linha[i] = paraVariant(consulta_.value(i), colunaDeData_[i] ? provedor_.get() : nullptr);
        ++contador_.linhas;
        return true;
    }

private:
    QSqlQuery consulta_;
    std::shared_ptr<const Provedor> provedor_;
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
    return std::make_unique<CursorQt>(std::move(consulta), provedor_, contador, segredos_);
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
