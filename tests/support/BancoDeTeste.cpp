#include "BancoDeTeste.h"

#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <QFile>
#include <QProcess>
#include <QUuid>
#include <stdexcept>

namespace {

QString leArquivo(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + caminho.toStdString());
    return QString::fromUtf8(arquivo.readAll());
}

QString variavel(const char* nome)
{
    return qEnvironmentVariable(nome).trimmed();
}

}  // namespace

BancoDeTeste::BancoDeTeste(Backend backend) : backend_(backend)
{
    if (!pasta_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    if (backend_ == Backend::Firebird)
        criaFirebird();
    else if (backend_ == Backend::Sqlite)
        criaSqlite();
    else
        throw std::runtime_error("BancoDeTeste creates SQLite and Firebird databases only");

    try {
        ambiente().conexao = std::make_unique<Connection>();
        conexao_ = ambiente().conexao.get();
        conexao_->Mode = adModeReadWrite;  // the fixture writes the schema and the rows
        conexao_->Open(backend_, stringDeConexao_, QString(), QString(), adOptionUnspecified);
        if (backend_ == Backend::Sqlite) {
            executa(QStringLiteral("PRAGMA synchronous = OFF"));
            executaScript(leArquivo(QStringLiteral(PANTORO_DB_DIR "/schema-sqlite.sql")));
        } else {
            executaScript(leArquivo(QStringLiteral(PANTORO_DB_DIR "/schema-firebird.sql")));
        }
    } catch (...) {
        libera();  // no destructor runs after a throwing constructor
        throw;
    }
}

BancoDeTeste::~BancoDeTeste()
{
    libera();
}

void BancoDeTeste::libera()
{
    if (conexao_ && ambiente().conexao.get() == conexao_)
        ambiente().conexao.reset();
    conexao_ = nullptr;
    if (!arquivoFirebird_.isEmpty())
        QFile::remove(arquivoFirebird_);
}

void BancoDeTeste::criaSqlite()
{
    stringDeConexao_ = pasta_.filePath(QStringLiteral("empresa.db"));
    QFile arquivo(stringDeConexao_);
    if (!arquivo.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot create " + stringDeConexao_.toStdString());
}

void BancoDeTeste::criaFirebird()
{
    const QString host = variavel("PANTORO_FIREBIRD_HOST");
    const QString usuario = variavel("PANTORO_FIREBIRD_USER");
    const QString senha = variavel("PANTORO_FIREBIRD_PASSWORD");
    const QString pasta = variavel("PANTORO_FIREBIRD_DIR");
    if (host.isEmpty() || usuario.isEmpty() || pasta.isEmpty())
        throw std::runtime_error("Firebird is not configured (run scripts/firebird.sh start)");

    arquivoFirebird_ =
        pasta + QStringLiteral("/teste-") + QUuid::createUuid().toString(QUuid::Id128) + QStringLiteral(".fdb");
    const QString banco = host + u':' + arquivoFirebird_;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("ISC_USER"), usuario);
    ambiente.insert(QStringLiteral("ISC_PASSWORD"), senha);
    rodaFerramenta(ambiente, QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-b")},
                   QStringLiteral("SET SQL DIALECT 3;\nCREATE DATABASE '%1' PAGE_SIZE 8192 "
                                  "DEFAULT CHARACTER SET UTF8;\n")
                       .arg(banco));
    // A test database need not survive a crash: without forced writes the
    // schema and the inserts take a fraction of the time.
    rodaFerramenta(ambiente, QStringLiteral("gfix"), {QStringLiteral("-write"), QStringLiteral("async"), banco}, {});
    stringDeConexao_ = QStringLiteral("Data Source=%1;User ID=%2;Password=%3").arg(banco, usuario, senha);
}

void BancoDeTeste::rodaFerramenta(const QProcessEnvironment& ambiente, const QString& programa,
                                  const QStringList& argumentos, const QString& entrada)
{
    QProcess processo;
    processo.setProcessEnvironment(ambiente);
    processo.setProcessChannelMode(QProcess::MergedChannels);
    processo.start(programa, argumentos);
    processo.write(entrada.toUtf8());
    processo.closeWriteChannel();
    if (!processo.waitForFinished(120000) || processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0)
        throw std::runtime_error(programa.toStdString() + " failed: " + processo.readAll().toStdString());
}

void BancoDeTeste::executa(const QString& sql)
{
    const ContadorConsultas guardado = conexao_->contador;
    conexao_->contador = ContadorConsultas{};
    try {
        conexao_->Executa(sql);
    } catch (const VbError& erro) {
        conexao_->contador = guardado;
        throw std::runtime_error("fixture SQL failed: " + erro.Description().toStdString() + "\n" + sql.toStdString());
    }
    conexao_->contador = guardado;
}

void BancoDeTeste::executaScript(const QString& script)
{
    for (const QString& comando : comandos(script))
        executa(comando);
}

QStringList BancoDeTeste::comandos(const QString& script)
{
    QStringList resultado;
    QString atual;
    bool emAspas = false;
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script[i];
        if (!emAspas && c == u'-' && i + 1 < script.size() && script[i + 1] == u'-') {
            while (i < script.size() && script[i] != u'\n')
                ++i;
            atual += u'\n';
            continue;
        }
        if (c == u'\'')
            emAspas = !emAspas;
        if (c == u';' && !emAspas) {
            if (!atual.trimmed().isEmpty())
                resultado << atual.trimmed();
            atual.clear();
        } else {
            atual += c;
        }
    }
    if (!atual.trimmed().isEmpty())
        resultado << atual.trimmed();
    return resultado;
}

QVector<Backend> BancoDeTeste::disponiveis()
{
    QVector<Backend> lista{Backend::Sqlite};
    if (!variavel("PANTORO_FIREBIRD_HOST").isEmpty() && !variavel("PANTORO_FIREBIRD_DIR").isEmpty())
        lista << Backend::Firebird;
    return lista;
}

std::string BancoDeTeste::nome(Backend backend)
{
    return backend == Backend::Sqlite ? "Sqlite" : backend == Backend::Firebird ? "Firebird" : "Odbc";
}

std::string BancoDeTeste::nomeDoParametro(const ::testing::TestParamInfo<Backend>& info)
{
    return nome(info.param);
}
