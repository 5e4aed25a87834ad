#include "platform/VbError.h"
#include "platform/WindowsPath.h"
#include "startup/InstalacaoDemo.h"
#include "support/PastaTemporaria.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

// The demo installation: what is missing is created, what is there is kept,
// and an interrupted database never stays half written. (The reports on the
// demo database run in the command-line suite.)
namespace {

QByteArray conteudoDe(const QString& caminho)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray("<ausente>");
}

class InstalacaoDemoTest : public ::testing::Test {
protected:
    QString demo() const { return drive.raiz() + QStringLiteral("/demo"); }
    QString korva() const { return demo() + QStringLiteral("/c/korva"); }
    QStringList dados() const { return QDir(korva() + QStringLiteral("/dados")).entryList(QDir::Files | QDir::Hidden); }
    QByteArray resumoDoBanco() const
    {
        return QCryptographicHash::hash(conteudoDe(korva() + "/dados/demo.db"), QCryptographicHash::Sha1);
    }

    DriveCTemporario drive;
};

TEST_F(InstalacaoDemoTest, CriaOQueFaltaEGuardaOQueJaExiste)
{
    PreparaInstalacaoDemo(demo());
    EXPECT_EQ(conteudoDe(korva() + "/config/server_aplic.ini"), QByteArray("c:\\^korva\\^\r\n"));
    const QByteArray linha = "local^c:\\korva\\dados\\demo.db^^^SQLITE^^False^\r\n";
    EXPECT_EQ(conteudoDe(korva() + "/config/server.ini"), linha + linha + linha);
    EXPECT_EQ(conteudoDe(korva() + "/config/paths.ini").split('^').value(9), QByteArray("c:\\korva\\relatorios\\"));
    EXPECT_TRUE(QFileInfo(korva() + "/relatorios").isDir());
    EXPECT_EQ(dados(), QStringList{"demo.db"});
    EXPECT_EQ(CaminhoLocal("c:\\korva\\dados\\demo.db"), korva() + "/dados/demo.db");

    const QByteArray editado = "servidor^c:\\outro\\banco.db^^^SQLITE^^True^\r\n";
    drive.escreve(QStringLiteral("demo/c/korva/config/server.ini"), editado);
    QFile::remove(korva() + "/config/paths.ini");
    const QByteArray banco = resumoDoBanco();
    PreparaInstalacaoDemo(demo());
    EXPECT_EQ(conteudoDe(korva() + "/config/server.ini"), editado);
    EXPECT_TRUE(conteudoDe(korva() + "/config/paths.ini").contains("c:\\korva\\relatorios\\"));
    EXPECT_EQ(resumoDoBanco(), banco);
}

// The file size limit reached while the database is written: no database and
// no partial file; the next run writes the whole database.
TEST_F(InstalacaoDemoTest, BancoInterrompidoNaoFicaPelaMetade)
{
    rlimit anterior{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &anterior), 0);
    rlimit pequeno = anterior;
    pequeno.rlim_cur = 64 * 1024;
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &pequeno), 0);
    long erro = 0;
    try {
        PreparaInstalacaoDemo(demo());
    } catch (const VbError& e) {
        erro = e.Number();
    }
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, sinalAnterior);
    EXPECT_EQ(erro, vb_error::PathFileAccess);
    EXPECT_TRUE(dados().isEmpty()) << dados().join(' ').toStdString();

    PreparaInstalacaoDemo(demo());
    EXPECT_GT(QFileInfo(korva() + "/dados/demo.db").size(), 4 * pequeno.rlim_cur);
}

}  // namespace
