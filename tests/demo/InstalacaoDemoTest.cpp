#include "ConsultaDemo.h"

#include "platform/Clock.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"
#include "startup/Ambiente.h"
#include "startup/InstalacaoDemo.h"
#include "support/PastaTemporaria.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray conteudoDe(const QString& caminho)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray("<ausente>");
}

void grava(const QString& caminho, const QByteArray& bytes)
{
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    arquivo.write(bytes);
}

// Each test works in a drive C: of its own; PANTORO_DRIVE_C comes back after.
class InstalacaoDemoTest : public ::testing::Test {
protected:
    QString demo() const { return drive.raiz() + QStringLiteral("/demo"); }
    QString korva() const { return demo() + QStringLiteral("/c/korva"); }
    QStringList restosNosDados() const
    {
        return QDir(korva() + QStringLiteral("/dados")).entryList(QDir::Files | QDir::Hidden);
    }

    DriveCTemporario drive;
};

TEST_F(InstalacaoDemoTest, CriaOQueFalta)
{
    PreparaInstalacaoDemo(demo());

    EXPECT_EQ(conteudoDe(korva() + "/config/server_aplic.ini"), QByteArray("c:\\^korva\\^\r\n"));
    const QByteArray linha = "local^c:\\korva\\dados\\demo.db^^^SQLITE^^False^\r\n";
    EXPECT_EQ(conteudoDe(korva() + "/config/server.ini"), linha + linha + linha);
    const QList<QByteArray> campos = conteudoDe(korva() + "/config/paths.ini").trimmed().split('^');
    ASSERT_EQ(campos.size(), 13);  // twelve fields, each closed by a caret
    EXPECT_EQ(campos[9], QByteArray("c:\\korva\\relatorios\\"));
    EXPECT_TRUE(QFileInfo(korva() + "/relatorios").isDir());
    EXPECT_EQ(restosNosDados(), QStringList{"demo.db"});

    EXPECT_EQ(qEnvironmentVariable("PANTORO_DRIVE_C"), QDir(demo()).absoluteFilePath("c"));
    EXPECT_EQ(CaminhoLocal("c:\\korva\\dados\\demo.db"), korva() + "/dados/demo.db");
}

TEST_F(InstalacaoDemoTest, PastaRelativaViraCaminhoAbsoluto)
{
    const QString anterior = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(drive.raiz()));
    PreparaInstalacaoDemo(QStringLiteral("relativa"));
    QDir::setCurrent(anterior);
    EXPECT_EQ(qEnvironmentVariable("PANTORO_DRIVE_C"), drive.raiz() + "/relativa/c");
    EXPECT_TRUE(QFileInfo(drive.raiz() + "/relativa/c/korva/dados/demo.db").isFile());
}

TEST_F(InstalacaoDemoTest, NaoSobrescreveOQueJaExiste)
{
    PreparaInstalacaoDemo(demo());
    const QByteArray editado = "servidor^c:\\outro\\banco.db^^^SQLITE^^True^\r\n";
    grava(korva() + "/config/server.ini", editado);
    QFile::remove(korva() + "/config/paths.ini");
    {
        const ConsultaDemo banco(korva() + "/dados/demo.db");
        banco.executa("update usen set usen = 'EDITADO' where IDUSEN = 1");
    }

    PreparaInstalacaoDemo(demo());

    EXPECT_EQ(conteudoDe(korva() + "/config/server.ini"), editado);
    EXPECT_TRUE(conteudoDe(korva() + "/config/paths.ini").contains("c:\\korva\\relatorios\\"));
    const ConsultaDemo banco(korva() + "/dados/demo.db");
    EXPECT_EQ(banco.valor("select usen from usen where IDUSEN = 1").toString(), "EDITADO");
}

// A run cut short while the database is being written (here: the file size
// limit is reached) leaves no database and no partial file behind; the next
// run writes the whole database.
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
    EXPECT_TRUE(restosNosDados().isEmpty()) << restosNosDados().join(' ').toStdString();

    PreparaInstalacaoDemo(demo());
    const ConsultaDemo banco(korva() + "/dados/demo.db");
    EXPECT_GT(banco.numero("select count(*) from pedi_veds"), 1000);
}

struct Chamada {
    const char* parametros;
    const char* codigoEmpresa;
    const char* nomeEmpresa;
};

class ProgramaNaInstalacaoDemo : public InstalacaoDemoTest, public ::testing::WithParamInterface<Chamada> {
protected:
    void TearDown() override { ambiente() = Ambiente{}; }
};

// The start-up sequence reads the demo configuration and connects to the
// demo database in each environment.
TEST_P(ProgramaNaInstalacaoDemo, IniciaComAEmpresaEOUsuario)
{
    PreparaInstalacaoDemo(demo());
    ambiente() = Ambiente{};
    IniciarSemJanela(QString::fromLatin1(GetParam().parametros), QStringLiteral("1^1^PRD^"));

    EXPECT_EQ(ambiente().CodiEmpresa, QString::fromLatin1(GetParam().codigoEmpresa));
    EXPECT_EQ(NomeEmpresa(QString::number(ambiente().IdEmpresa)), QString::fromUtf8(GetParam().nomeEmpresa));
    EXPECT_EQ(ambiente().NomeUsuario, "MARIA");
    EXPECT_EQ(ambiente().PastaRelatorios, "c:\\korva\\relatorios\\");
    EXPECT_TRUE(QFileInfo(CaminhoLocal(ambiente().PastaRelatorios)).isDir());
    EXPECT_EQ(ambiente().PastaDanfe, QStringLiteral("c:\\korva\\danfe\\%1\\").arg(GetParam().codigoEmpresa));
}

// The order query of the standard list, as the program sends it, finds the
// orders of today: the stored dates and the date literals agree.
TEST_P(ProgramaNaInstalacaoDemo, ConsultaDePedidosAchaOsDeHoje)
{
    PreparaInstalacaoDemo(demo());
    ambiente() = Ambiente{};
    IniciarSemJanela(QString::fromLatin1(GetParam().parametros), QStringLiteral("1^1^PRD^"));
    const QString dia = Hoje().toString(QStringLiteral("yyyyMMdd"));
    const QString sql = QStringLiteral(
        "SELECT pedi_veds.* FROM pedi_veds, clie, pess WHERE (pedi_veds.idclie = clie.idClie and "
        "clie.idpess = pess.idpess) and (DATA_PEDI>='%1 00:00' and DATA_PEDI<='%1 23:59') "
        "AND (pedi_veds.data_desa is null) and pedi_veds.codi_empr = '%2' ORDER BY idpedi_veds")
                            .arg(dia, ambiente().CodiEmpresa);
    Recordset pedidos = AbreConsultaMaiuscula(sql);
    const ConsultaDemo banco(korva() + "/dados/demo.db");
    const qint64 esperado = banco.numero(
        QStringLiteral("select count(*) from pedi_veds where data_pedi = '%1 00:00:00' and data_desa is null "
                       "and codi_empr = '%2'").arg(Hoje().toString(QStringLiteral("yyyy-MM-dd")), ambiente().CodiEmpresa));
    ASSERT_GT(esperado, 0);
    EXPECT_EQ(pedidos.RecordCount(), esperado);
}

INSTANTIATE_TEST_SUITE_P(Demo, ProgramaNaInstalacaoDemo,
                         ::testing::Values(Chamada{"1^1^PRD^", "001", "TEVRANO DISTRIBUIDORA"},
                                           Chamada{"1^2^HIST^", "002", "TEVRANO FILIAL LITORAL"},
                                           Chamada{"1^1^DEV^", "001", "TEVRANO DISTRIBUIDORA"}),
                         [](const ::testing::TestParamInfo<Chamada>& info) {
                             return std::string(QString::fromLatin1(info.param.parametros).section('^', 2, 2).toLatin1());
                         });

}  // namespace
