#include "fixtures/BancoDeTeste.h"
#include "report/Relatorio.h"
#include "startup/Ambiente.h"
#include "support/Casos.h"
#include "support/ExecucaoDoPrograma.h"
#include "support/PastaTemporaria.h"
#include "support/Retransmissor.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The built program as a script runs it: exit codes, stdout, stderr, the
// report file. One demo installation for the suite; its database is built
// for the fixed SOURCE_DATE_EPOCH day (01/06/2024), so May 2024 has orders.
namespace {

const QString Titulo = QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05");

Saida roda(const QStringList& argumentos,
           const QProcessEnvironment& ambiente = QProcessEnvironment::systemEnvironment())
{
    return RodaPrograma(QStringLiteral(PANTORO_EXECUTAVEL), argumentos, ambiente);
}

class LinhaDeComando : public ::testing::Test {
protected:
    static void SetUpTestSuite() { pasta = new QTemporaryDir; }
    static void TearDownTestSuite() { delete pasta; }
    static QString relatorios() { return pasta->path() + QStringLiteral("/demo/c/korva/relatorios"); }
    static QStringList argumentos(const char* layout, const QStringList& extras, const char* de = "01/05/2024",
                                  const char* ate = "31/05/2024")
    {
        return QStringList{QStringLiteral("--demo"),      pasta->path() + QStringLiteral("/demo"),
                           QStringLiteral("--relatorio"), QLatin1String(layout),
                           QStringLiteral("--de"),        QLatin1String(de),
                           QStringLiteral("--ate"),       QLatin1String(ate)} +
               extras;
    }

    static QTemporaryDir* pasta;
};

QTemporaryDir* LinhaDeComando::pasta = nullptr;

// Each layout over the demo company: exit 0 with the file's path on stdout,
// and the set-based engine (the default) and --fiel write the same bytes.
TEST_F(LinhaDeComando, CadaLayoutSai0EOsDoisMotoresEscrevemOsMesmosBytes)
{
    const QString arquivo = relatorios() + QStringLiteral("/pantoro.html");
    for (const auto& [layout, tipo] : NomesDosLayouts) {
        SCOPED_TRACE(layout);
        const QStringList comando =
            argumentos(layout, {QStringLiteral("--fonte"), QStringLiteral("14")}, "01/05/2024", "06/05/2024");
        const Saida rapida = roda(comando);
        ASSERT_EQ(rapida.codigo, 0) << rapida.erro.toStdString();
        EXPECT_EQ(rapida.saida.trimmed(), QDir::cleanPath(arquivo));
        const QByteArray rapido = Conteudo(arquivo);
        EXPECT_TRUE(rapido.startsWith("<HTML><HEAD>") && rapido.contains("<TD width=40% ALIGN='CENTER'>001-"));
        ASSERT_EQ(roda(comando + QStringList{QStringLiteral("--fiel")}).codigo, 0);
        EXPECT_TRUE(Conteudo(arquivo) == rapido);
    }
}

// Every way a run ends besides a report: the exit code, the message on
// stderr, nothing on stdout. Start-up runs on an empty drive C; the missing
// report folder is the one a second installation's paths.ini names.
TEST_F(LinhaDeComando, CadaFimTemSeuCodigoESuaMensagem)
{
    QTemporaryDir driveVazio;
    QTemporaryDir outra;
    EscreveArquivo(outra.path() + QStringLiteral("/demo/c/korva/config/paths.ini"),
                   "^^^^^^^^^c:\\korva\\sumiu\\^^^\r\n");
    QStringList semPasta = argumentos("pa", {});
    semPasta[1] = outra.path() + QStringLiteral("/demo");
    const QString usage = QStringLiteral("usage:");
    const QString semDados = Titulo + QStringLiteral(": Não há dados para exibir!");
    const struct {
        QStringList argumentos;
        bool semConfiguracao;
        int codigo;
        QString erro;
    } casos[] = {
        {{QStringLiteral("--relatorio"), QStringLiteral("lista")}, false, 2, usage},
        {{QStringLiteral("--relatorio"), QStringLiteral("pa"), QStringLiteral("--fonte"), QStringLiteral("9")},
         false,
         2,
         usage},
        {{QStringLiteral("--relatorio"), QStringLiteral("pa"), QStringLiteral("--data"), QStringLiteral("ontem")},
         false,
         2,
         usage},
        {{QStringLiteral("--de"), QStringLiteral("01/05/2024")}, false, 2, usage},
        {{QStringLiteral("--fiel")}, false, 2, usage},
        {{QStringLiteral("--relatorio"), QStringLiteral("pa"), QStringLiteral("--de")}, false, 2, usage},
        // A period without orders, and a launch string of 100,000 carets (no user, no company).
        {argumentos("detalhado", {}, "01/01/2020", "02/01/2020"), false, 3, semDados},
        {argumentos("standard", {QString(100000, u'^')}), false, 3, semDados},
        // No launch string and no marker file; a drive C without configuration.
        {{QStringLiteral("--relatorio"), QStringLiteral("standard")},
         true,
         1,
         QStringLiteral("Chamada Ilegal para esta rotina!")},
        {{QStringLiteral("--relatorio"), QStringLiteral("standard"), QStringLiteral("1^1^PRD^")},
         true,
         1,
         QStringLiteral("Falta do Arquivo Server_Aplic")},
        {semPasta, false, 4, Titulo + QStringLiteral(": Path not found: c:\\korva\\sumiu\\pantoro.html")},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.argumentos.join(u' ').left(120).toStdString());
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        if (caso.semConfiguracao)
            ambiente.insert(QStringLiteral("PANTORO_DRIVE_C"), driveVazio.path());
        const Saida saida = roda(caso.argumentos, ambiente);
        EXPECT_EQ(saida.codigo, caso.codigo) << saida.erro.left(300).toStdString();
        EXPECT_TRUE(saida.erro.contains(caso.erro)) << saida.erro.left(300).toStdString();
        EXPECT_TRUE(saida.saida.isEmpty());
    }
}

// Every argument that is not one of our options is a word of the launch
// string, joined with one blank: "-9 1^2^PRD^" is user -91 of company 2.
TEST_F(LinhaDeComando, PalavrasQueNaoSaoOpcoesFormamALinhaDeChamada)
{
    const Saida saida = roda(argumentos("standard", {QStringLiteral("-9"), QStringLiteral("1^2^PRD^")}));
    ASSERT_EQ(saida.codigo, 0) << saida.erro.toStdString();
    EXPECT_TRUE(Conteudo(relatorios() + QStringLiteral("/pantoro.html")).contains("<TD width=40% ALIGN='CENTER'>002-"));
}

// The Firebird server stops halfway through the bytes a whole run sends
// (a relay cut in the middle): exit 4 with the client's text, no password;
// once the server is back the same command writes the report.
TEST(ServidorQueCaiNaLinhaDeComando, Sai4ComOTextoDoServidor)
{
    if (!BancoDeTeste::disponiveis().contains(Backend::Firebird))
        GTEST_SKIP() << "no Firebird server (scripts/firebird.sh start)";
    BancoDeTeste banco(Backend::Firebird);
    banco.executaScript(DadosDeTeste("fixtures/empresa.sql"));
    banco.executa(QStringLiteral("insert into usen (IDUSEN, usen) values (1, 'MARIA')"));
    ambiente().conexao.reset();

    QTemporaryDir drive;
    const QString config = drive.path() + QStringLiteral("/korva/config/");
    ASSERT_TRUE(QDir().mkpath(drive.path() + QStringLiteral("/korva/relatorios")));
    EscreveArquivo(config + "server_aplic.ini", "c:\\^korva\\^\r\n");
    EscreveArquivo(config + "paths.ini", "^^^^^^^^^c:\\korva\\relatorios\\^^^\r\n");
    QProcessEnvironment ambienteDoProcesso = QProcessEnvironment::systemEnvironment();
    ambienteDoProcesso.insert(QStringLiteral("PANTORO_DRIVE_C"), drive.path());
    const auto rodaPor = [&](const Retransmissor& relay) {
        QString conexao = banco.stringDeConexao();
        conexao.replace(QStringLiteral("127.0.0.1:"), QStringLiteral("127.0.0.1/%1:").arg(relay.porta()));
        EscreveArquivo(config + "server.ini", "fb^^^^FIREBIRD^" + conexao.toUtf8() + "^False^\r\n");
        return roda({QStringLiteral("--relatorio"), QStringLiteral("detalhado"), QStringLiteral("--de"),
                     QStringLiteral("01/05/2024"), QStringLiteral("--ate"), QStringLiteral("31/05/2024"),
                     QStringLiteral("1^1^PRD^")},
                    ambienteDoProcesso);
    };

    int64_t bytesDeUmaExecucao = 0;
    {
        Retransmissor relay;
        const Saida inteira = rodaPor(relay);
        ASSERT_EQ(inteira.codigo, 0) << inteira.erro.toStdString();
        bytesDeUmaExecucao = relay.bytesDosClientes();
    }
    {
        Retransmissor relay;
        relay.cortaApos(bytesDeUmaExecucao / 2);
        const Saida caiu = rodaPor(relay);
        EXPECT_EQ(caiu.codigo, 4) << caiu.erro.toStdString();
        EXPECT_TRUE(caiu.erro.contains(Titulo + QStringLiteral(": Error reading data from the connection.")))
            << caiu.erro.toStdString();
        EXPECT_FALSE(caiu.erro.contains(qEnvironmentVariable("PANTORO_FIREBIRD_PASSWORD")));
        EXPECT_TRUE(caiu.saida.isEmpty());
    }
    Retransmissor relay;
    EXPECT_EQ(rodaPor(relay).codigo, 0);
}

}  // namespace
