#include "AmbienteDeTeste.h"

#include "platform/VbError.h"
#include "startup/Ambiente.h"
#include "support/BancoDeTeste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

const QByteArray AmbienteDeTeste::serverIniPadrao = "local^c:\\korva\\dados\\empresa.db^^^SQLITE^^False^\r\n"
                                                    "local^c:\\korva\\dados\\empresa.db^^^SQLITE^^False^\r\n"
                                                    "local^c:\\korva\\dados\\empresa.db^^^SQLITE^^False^\r\n";

void AmbienteDeTeste::SetUp()
{
    ambiente() = Ambiente{};
    anterior_ = InstalaCaixaDeMensagem(caixa);
    criaBanco(QStringLiteral("korva/dados/empresa.db"));
    escreve(QStringLiteral("korva/config/server_aplic.ini"), "c:\\^korva\\^\r\n");
    escreve(QStringLiteral("korva/config/server.ini"), serverIniPadrao);
    escreve(QStringLiteral("korva/config/paths.ini"), "a^b^c^d^e^f^g^h^i^ c:\\korva\\relatorios\\ ^k^l^\r\n");
}

void AmbienteDeTeste::TearDown()
{
    ambiente() = Ambiente{};
    InstalaCaixaDeMensagem(anterior_);
}

namespace {

// Built once per run; each test copies it.
QString bancoModelo()
{
    static QTemporaryDir pasta;
    static const QString caminho = [] {
        const QString destino = pasta.filePath(QStringLiteral("modelo.db"));
        BancoDeTeste banco;
        AmbienteDeTeste::insereEmpresasEUsuarios(banco);
        ambiente().conexao.reset();
        if (!QFile::copy(banco.stringDeConexao(), destino))
            throw std::runtime_error("cannot copy the test database to " + destino.toStdString());
        return destino;
    }();
    return caminho;
}

}  // namespace

void AmbienteDeTeste::insereEmpresasEUsuarios(BancoDeTeste& banco)
{
    banco.executaScript(QStringLiteral(
        "insert into empr (idempr, codi_empr, nome_conh_empr, PATH_DANFE) values (1, '001', 'Tevrano Matriz', null);"
        "insert into empr (idempr, codi_empr, nome_conh_empr, PATH_DANFE) values (2, '002  ', 'Tevrano Filial', '  ');"
        "insert into empr (idempr, codi_empr, nome_conh_empr, PATH_DANFE) values (3, '003', 'Tevrano Norte', "
        "'D:\\NFE\\');"
        "insert into usen (IDUSEN, usen) values (1, 'MARIA');"
        "insert into usen (IDUSEN, usen) values (5, 'JOSE');"
        "insert into usen (IDUSEN, usen) values (12, 'PEDRO');"));
}

void AmbienteDeTeste::criaBanco(const QString& caminhoRelativo) const
{
    const QString destino = drive.raiz() + u'/' + caminhoRelativo;
    QDir().mkpath(QFileInfo(destino).absolutePath());
    QFile::remove(destino);
    if (!QFile::copy(bancoModelo(), destino))
        throw std::runtime_error("cannot copy the test database to " + destino.toStdString());
}

void AmbienteDeTeste::escreve(const QString& caminhoRelativo, const QByteArray& bytes) const
{
    drive.escreve(caminhoRelativo, bytes);
}

int AmbienteDeTeste::inicia(const QString& argumento) const
{
    try {
        IniciarJanela(argumento, QStringLiteral("1^1^PRD^"));
    } catch (const FimDoPrograma& fim) {
        return fim.ExitCode();
    }
    return 0;
}
