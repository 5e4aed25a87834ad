#include "BancoDeTeste.h"

#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

    ambiente().conexao = std::make_unique<Connection>();
    conexao_ = ambiente().conexao.get();
    conexao_->Open(backend_, stringDeConexao_, QString(), QString(), adOptionUnspecified);
    if (backend_ == Backend::Sqlite)
        executaScript(leArquivo(QStringLiteral(PANTORO_DB_DIR "/schema-sqlite.sql")));
}

BancoDeTeste::~BancoDeTeste()
{
    if (ambiente().conexao.get() == conexao_)
        ambiente().conexao.reset();
    if (backend_ == Backend::Firebird)
        QFile::remove(variavel("PANTORO_FIREBIRD_DIR") + u'/' + QFileInfo(stringDeConexao_).fileName());
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

    const QString arquivo = pasta + QStringLiteral("/teste-") + QUuid::createUuid().toString(QUuid::Id128) +
                            QStringLiteral(".fdb");
    const QString banco = host + u':' + arquivo;
    QString script = QStringLiteral("SET SQL DIALECT 3;\nCREATE DATABASE '%1' USER '%2' PASSWORD '%3' "
                                    "PAGE_SIZE 8192 DEFAULT CHARACTER SET UTF8;\n")
                         .arg(banco, usuario, senha);
    script += leArquivo(QStringLiteral(PANTORO_DB_DIR "/schema-firebird.sql"));
    script += QStringLiteral("\nCOMMIT;\n");
    const QString caminhoScript = pasta_.filePath(QStringLiteral("cria.sql"));
    {
        QFile saida(caminhoScript);
        if (!saida.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot write " + caminhoScript.toStdString());
        saida.write(script.toUtf8());
    }
    QProcess isql;
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("-ch"),
                                           QStringLiteral("UTF8"), QStringLiteral("-i"), caminhoScript});
    if (!isql.waitForFinished(120000) || isql.exitStatus() != QProcess::NormalExit || isql.exitCode() != 0)
        throw std::runtime_error("isql-fb could not create " + banco.toStdString() + ": " +
                                 isql.readAll().toStdString());
    stringDeConexao_ =
        QStringLiteral("Data Source=%1;User ID=%2;Password=%3").arg(banco, usuario, senha);
}

void BancoDeTeste::executa(const QString& sql)
{
    const ContadorConsultas guardado = conexao_->contador;
    conexao_->contador = ContadorConsultas{};
    try {
        conexao_->Executa(sql);
    } catch (const VbError& erro) {
        conexao_->contador = guardado;
        throw std::runtime_error("fixture SQL failed: " + erro.Description().toStdString() + "\n" +
                                 sql.toStdString());
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
    switch (backend) {
    case Backend::Sqlite:
        return "Sqlite";
    case Backend::Firebird:
        return "Firebird";
    case Backend::Odbc:
        return "Odbc";
    }
    return "Desconhecido";
}

std::string BancoDeTeste::nomeDoParametro(const ::testing::TestParamInfo<Backend>& info)
{
    return nome(info.param);
}
