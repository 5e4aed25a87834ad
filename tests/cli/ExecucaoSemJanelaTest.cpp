#include "cli/ExecucaoSemJanela.h"
#include "demo/InstalacaoDemo.h"
#include "fixtures/BancoDeTeste.h"
#include "paging/PdfDoRelatorio.h"
#include "platform/MessageBox.h"
#include "platform/VbError.h"
#include "startup/Ambiente.h"
#include "support/Casos.h"
#include "support/PastaTemporaria.h"
#include "support/Retransmissor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The headless runs as the program makes them, in this process: the
// decision, the run, the start-up's end. One demo installation for every
// test, built for the fixed SOURCE_DATE_EPOCH day (01/06/2024), so May 2024
// has orders. The page renderer stands in for the browser engine's PDF.
namespace {

struct Execucao {
    int codigo = -1;
    QString saida;
    QString mensagens;  // "title: text" per line
};

QString Demo()
{
    static QTemporaryDir pasta;
    static const QString drive = [] {
        PreparaInstalacaoDemo(pasta.filePath(QStringLiteral("demo")));
        return qEnvironmentVariable("PANTORO_DRIVE_C");
    }();
    return drive;
}

const QString Relatorios = QStringLiteral("/korva/relatorios");

Execucao Roda(const QStringList& argumentos, const QString& driveC = Demo())
{
    qputenv("PANTORO_DRIVE_C", QFile::encodeName(driveC));
    ambiente() = Ambiente{};
    const auto caixa = std::make_shared<CaixaGravadora>();
    const auto anterior = InstalaCaixaDeMensagem(caixa);
    Execucao execucao;
    QTextStream saida(&execucao.saida);
    try {
        execucao.codigo = ExecutaRelatorioSemJanela(DecideExecucao(argumentos, false).opcoes, GravaPdf, saida);
    } catch (const FimDoPrograma& fim) {
        execucao.codigo = fim.ExitCode();
    }
    for (const Mensagem& mensagem : caixa->mensagens)
        execucao.mensagens += mensagem.titulo + QStringLiteral(": ") + mensagem.prompt + u'\n';
    InstalaCaixaDeMensagem(anterior);
    ambiente().conexao.reset();
    return execucao;
}

class Execucoes : public ::testing::TestWithParam<Caso> {};

TEST_P(Execucoes, CodigoMensagensESaida)
{
    const Caso& caso = GetParam();
    QTemporaryDir pasta;
    DriveCTemporario vazio;
    const auto local = [&](QString texto) {
        return texto.replace(QStringLiteral("{pasta}"), pasta.path())
            .replace(QStringLiteral("{relatorios}"), Demo() + Relatorios);
    };
    QStringList argumentos;
    for (const QString& argumento : caso.lista("argumentos"))
        argumentos << local(argumento);
    const Execucao execucao = Roda(argumentos, caso("drive") == QLatin1String("demo") ? Demo() : vazio.raiz());
    EXPECT_EQ(execucao.codigo, caso.inteiro("codigo"));
    EXPECT_TRUE(execucao.mensagens.contains(local(caso("mensagem"))) &&
                execucao.mensagens.isEmpty() == caso("mensagem").isEmpty())
        << execucao.mensagens.toStdString();
    EXPECT_EQ(execucao.saida, local(caso("saida")));
    EXPECT_TRUE(Conteudo(Demo() + Relatorios + "/pantoro.html").contains(caso.bytes("no-relatorio")));
}

INSTANTIATE_TEST_SUITE_P(Tabela, Execucoes, ::testing::ValuesIn(Casos("cli/casos/execucoes.tsv")), NomeDoCaso);

// The Firebird server stops halfway through a run (a relay cut): exit 4 with
// the client's text, no password; once it is back the run writes the report.
TEST(ServidorQueCai, Sai4ComOTextoDoServidor)
{
    if (!BancoDeTeste::disponiveis().contains(Backend::Firebird))
        GTEST_SKIP() << "no Firebird server (scripts/firebird.sh start)";
    BancoDeTeste banco(Backend::Firebird);
    banco.executaScript(DadosDeTeste("fixtures/empresa.sql"));
    banco.executa(QStringLiteral("insert into usen (IDUSEN, usen) values (1, 'MARIA')"));
    ambiente().conexao.reset();
    DriveCTemporario drive;
    ASSERT_TRUE(QDir().mkpath(drive.raiz() + Relatorios));
    drive.escreve(QStringLiteral("korva/config/server_aplic.ini"), "c:\\^korva\\^\r\n");
    drive.escreve(QStringLiteral("korva/config/paths.ini"), "^^^^^^^^^c:\\korva\\relatorios\\^^^\r\n");
    const auto rodaPor = [&](const Retransmissor& relay) {
        QString conexao = banco.stringDeConexao();
        conexao.replace(QStringLiteral("127.0.0.1:"), QStringLiteral("127.0.0.1/%1:").arg(relay.porta()));
        drive.escreve(QStringLiteral("korva/config/server.ini"), "fb^^^^FIREBIRD^" + conexao.toUtf8() + "^False^\r\n");
        return Roda({"--relatorio", "detalhado", "--de", "01/05/2024", "--ate", "31/05/2024", "1^1^PRD^"},
                    drive.raiz());
    };

    int64_t bytesDeUmaExecucao = 0;
    {
        Retransmissor relay;
        const Execucao inteira = rodaPor(relay);
        ASSERT_EQ(inteira.codigo, 0) << inteira.mensagens.toStdString();
        bytesDeUmaExecucao = relay.bytesDosClientes();
    }
    {
        Retransmissor relay;
        relay.cortaApos(bytesDeUmaExecucao / 2);
        const Execucao caiu = rodaPor(relay);
        EXPECT_EQ(caiu.codigo, 4);
        EXPECT_TRUE(caiu.mensagens.contains(
            "ERP KORVA - Tevrano - Release 2014.08.05: Error reading data from the connection."))
            << caiu.mensagens.toStdString();
        EXPECT_FALSE(caiu.mensagens.contains(qEnvironmentVariable("PANTORO_FIREBIRD_PASSWORD")));
        EXPECT_TRUE(caiu.saida.isEmpty());
    }
    Retransmissor relay;
    EXPECT_EQ(rodaPor(relay).codigo, 0);
}

}  // namespace
