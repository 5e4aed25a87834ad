#include "demo/InstalacaoDemo.h"
#include "platform/Ado.h"
#include "support/Auxiliares.h"
#include "support/PastaTemporaria.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

// The demo installation: what is missing is created, what is there is kept,
// and an interrupted database never stays half written. (The reports on the
// demo database run in the command-line suite.)
namespace {

// The file size limit is reached while the database is written: no database
// and no partial file. The next run writes all of it, and a run after that
// creates only what is missing.
TEST(InstalacaoDemo, InterrompidaNaoDeixaBancoPelaMetadeERefeitaGuardaOQueJaExiste)
{
    qputenv("SOURCE_DATE_EPOCH", "1780223400");  // the demo's orders end on 31/05/2026
    DriveCTemporario drive;
    const QString demo = drive.raiz() + "/demo", korva = demo + "/c/korva";
    const auto dados = [&korva] { return QDir(korva + "/dados").entryList(QDir::Files | QDir::Hidden); };
    rlimit anterior{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &anterior), 0);
    rlimit pequeno = anterior;
    pequeno.rlim_cur = 64 * 1024;
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &pequeno), 0);
    const long erro = ErroVb([&demo] { PreparaInstalacaoDemo(demo); });
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, sinalAnterior);
    EXPECT_EQ(erro, vb_error::PathFileAccess);
    EXPECT_TRUE(dados().isEmpty()) << dados().join(' ').toStdString();

    PreparaInstalacaoDemo(demo);
    EXPECT_EQ(dados(), QStringList{"demo.db"});
    // The rows of the day, drawn from a fixed seed: the order lines and their
    // value, a person's drawn digits and date and a company's.
    Connection gerado;
    gerado.Open(Backend::Sqlite, korva + "/dados/demo.db");
    const auto dia = gerado.Executa(QStringLiteral(
        "select (select count(*) || ' ' || round(total(VALO_TOTA), 2) from pedi_veds_deta) || (select "
        "group_concat(' ' || RG00_IE00 || ' ' || TELE_0001_PESS, '') from pess where idpess in (77, 82)) "
        "|| ' ' || (select DATA_ANIV from pess where idpess = 77)"));
    EXPECT_EQ(dia.linhas.at(0).at(0).text(),
              QStringLiteral(
                  "4409 3416331.23 00.563.645-4 (16) 90722-0043 799.128.532.594 (21) 3629-0241 1952-03-05 00:00:00"));
    const QByteArray linha = "local^c:\\korva\\dados\\demo.db^^^SQLITE^^False^\r\n";
    EXPECT_EQ(Conteudo(korva + "/config/server.ini"), linha + linha + linha);

    const QByteArray editado = "servidor^c:\\outro\\banco.db^^^SQLITE^^True^\r\n";
    drive.escreve("demo/c/korva/config/server.ini", editado);
    QFile::remove(korva + "/config/paths.ini");
    const QByteArray banco = Conteudo(korva + "/dados/demo.db");
    PreparaInstalacaoDemo(demo);
    EXPECT_EQ(Conteudo(korva + "/config/server.ini"), editado);
    EXPECT_EQ(Conteudo(korva + "/config/paths.ini").split('^').value(9), QByteArray("c:\\korva\\relatorios\\"));
    EXPECT_TRUE(!banco.isEmpty() && Conteudo(korva + "/dados/demo.db") == banco) << "the database is kept";
}

}  // namespace
