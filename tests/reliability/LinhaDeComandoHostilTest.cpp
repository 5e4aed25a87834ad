#include "PastaMontada.h"
#include "Retransmissor.h"

#include "startup/Ambiente.h"
#include "support/BancoDeTeste.h"
#include "support/ExecucaoDoPrograma.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <iostream>
#include <memory>

// The built program on the command line, given what it should refuse:
// a report folder it cannot write, a launch string of carets, filter
// texts and dates no user should type. It always ends with its exit code
// and a message, never with a crash.
namespace {

const QString Titulo = QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05");

Saida roda(const QStringList& argumentos, const QProcessEnvironment& ambiente = QProcessEnvironment::systemEnvironment())
{
    return RodaPrograma(QStringLiteral(PANTORO_EXECUTAVEL), argumentos, ambiente);
}

// One demo installation for the suite; May 2024 has orders (its database
// is built for the fixed SOURCE_DATE_EPOCH day).
class LinhaDeComandoHostil : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        pasta = new QTemporaryDir;
        const Saida criacao = roda(argumentos("standard", {}));
        ASSERT_EQ(criacao.codigo, 0) << criacao.erro.toStdString();
    }
    static void TearDownTestSuite() { delete pasta; }

    static QString relatorios() { return pasta->path() + QStringLiteral("/demo/c/korva/relatorios"); }

    static QStringList argumentos(const char* layout, const QStringList& extras, const char* de = "01/05/2024")
    {
        return QStringList{QStringLiteral("--demo"), pasta->path() + QStringLiteral("/demo"),
                           QStringLiteral("--relatorio"), QLatin1String(layout),
                           QStringLiteral("--de"), QLatin1String(de),
                           QStringLiteral("--ate"), QStringLiteral("31/05/2024")} +
               extras;
    }

    static QTemporaryDir* pasta;
};

QTemporaryDir* LinhaDeComandoHostil::pasta = nullptr;

// The report folder swapped for one that takes no file; put back after.
struct PastaTrocada {
    const char* nome;
    const char* mensagem;
    // Makes `pasta` unusable; false when this machine cannot.
    std::function<bool(const QString& pasta, std::unique_ptr<PastaMontada>& montagem)> troca;
};

bool MontaEmCima(const QString& pasta, PastaMontada::Tipo tipo, std::unique_ptr<PastaMontada>& montagem)
{
    montagem = std::make_unique<PastaMontada>(tipo);
    if (!montagem->montada())
        return false;
    return QDir().rmdir(pasta) && QFile::link(montagem->caminho(), pasta);
}

const PastaTrocada PastasTrocadas[] = {
    {"PastaSomenteLeitura", "Path/File access error",
     [](const QString& pasta, std::unique_ptr<PastaMontada>& montagem) {
         return MontaEmCima(pasta, PastaMontada::Tipo::SomenteLeitura, montagem);
     }},
    {"DiscoCheio", "Disk full",
     [](const QString& pasta, std::unique_ptr<PastaMontada>& montagem) {
         return MontaEmCima(pasta, PastaMontada::Tipo::Cheia, montagem);
     }},
};

TEST_F(LinhaDeComandoHostil, PastaDeRelatoriosQueNaoRecebeSai4)
{
    for (const PastaTrocada& caso : PastasTrocadas) {
        SCOPED_TRACE(caso.nome);
        QDir(relatorios()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(relatorios()));
        std::unique_ptr<PastaMontada> montagem;
        if (!caso.troca(relatorios(), montagem)) {
            std::cout << "[ SKIPPED  ] " << caso.nome << ": needs root to mount a tmpfs\n";
            continue;
        }
        const Saida saida = roda(argumentos("detalhado", {}));
        EXPECT_EQ(saida.codigo, 4);
        EXPECT_TRUE(saida.erro.contains(Titulo + QStringLiteral(": ") + QLatin1String(caso.mensagem) +
                                        QStringLiteral(": c:\\korva\\relatorios\\pantoro.html")))
            << saida.erro.toStdString();
        EXPECT_TRUE(saida.saida.isEmpty());
        montagem.reset();
        QFile::remove(relatorios());
        ASSERT_TRUE(QDir().mkpath(relatorios()));
        const Saida depois = roda(argumentos("detalhado", {}));
        EXPECT_EQ(depois.codigo, 0) << depois.erro.toStdString();
    }
}

// Every field of the launch string is empty: no user, no company, so no
// order; the run says so and ends with exit code 3.
TEST_F(LinhaDeComandoHostil, CemMilCircunflexosNaChamadaSai3)
{
    const Saida saida = roda(argumentos("standard", {QString(100000, u'^')}));
    EXPECT_EQ(saida.codigo, 3);
    EXPECT_TRUE(saida.erro.contains(Titulo + QStringLiteral(": Não há dados para exibir!"))) << saida.erro.toStdString();
    EXPECT_TRUE(saida.saida.isEmpty());
}

// A hostile filter text does on the command line what a name the demo
// company does not have does: the same exit code and the same messages.
TEST_F(LinhaDeComandoHostil, FiltrosHostisSaoSoNomesDesconhecidos)
{
    const QString textos[] = {QStringLiteral("'"), QStringLiteral("''"), QStringLiteral("\"; DROP TABLE pess; --"),
                              QStringLiteral("%"), QStringLiteral("_"), QString(10000, u'X'),
                              QStringLiteral("ÁÇÃÕ àèì"), QStringLiteral("BANANA \U0001F34C")};
    for (const char* opcao : {"--cliente", "--marca", "--vendedor", "--tipo"}) {
        const Saida referencia = roda(argumentos("standard", {QLatin1String(opcao), QStringLiteral("NOME QUE NAO EXISTE")}));
        ASSERT_NE(referencia.codigo, -1);
        for (const QString& texto : textos) {
            SCOPED_TRACE(std::string(opcao) + " " + texto.left(30).toStdString());
            const Saida saida = roda(argumentos("standard", {QLatin1String(opcao), texto}));
            EXPECT_EQ(saida.codigo, referencia.codigo) << saida.erro.left(300).toStdString();
            EXPECT_EQ(saida.erro, referencia.erro);
        }
    }
    // The database is as it was: the whole report as before.
    EXPECT_EQ(roda(argumentos("standard", {})).codigo, 0);
}

// Dates the mask lets through: the start date goes into the statement as
// typed. "00/00/0000" compares below every stored date, so the report runs
// from the first order; the other two select nothing.
TEST_F(LinhaDeComandoHostil, DatasInvalidas)
{
    const std::pair<const char*, int> casos[] = {{"31/02/2026", 3}, {"00/00/0000", 0}, {"__/__/____", 3}};
    for (const auto& [data, codigo] : casos) {
        SCOPED_TRACE(data);
        const Saida saida = roda(argumentos("standard", {}, data));
        EXPECT_EQ(saida.codigo, codigo) << saida.erro.toStdString();
        EXPECT_EQ(saida.saida.isEmpty(), codigo != 0);
    }
}

// Company 001 with its user and thirty orders in May 2024, each a line.
QString DadosDoServidor()
{
    QString script = QStringLiteral(
        "insert into empr (idempr, codi_empr, nome_conh_empr) values (1, '001', 'MATRIZ');"
        "insert into usen (IDUSEN, usen) values (1, 'MARIA');"
        "insert into pess (idpess, nome_pess, nome_conh) values (1, 'MERCADO SAO JOAO', 'SAO JOAO');"
        "insert into clie (idclie, idpess) values (1, 1);"
        "insert into prod (idprod, codi_prod, desc_prod, idmarc) values (1, 'BN01', 'BANANA NANICA CX', 1);");
    for (int i = 1; i <= 30; ++i)
        script += QStringLiteral(
                      "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, valo_dect) "
                      "values (%1, %1, '001', '2024-05-%2 00:00:00', 1, 0);"
                      "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, qtde, valo_unit, "
                      "valo_dect, valo_tota) values (%1, %1, 1, 2, 10, 0, 20);")
                      .arg(i)
                      .arg(1 + i % 28, 2, 10, QLatin1Char('0'));
    return script;
}

// The Firebird server stops while the command line runs a report: its
// connection runs through a relay cut halfway through the bytes a whole run
// sends, well after start-up. The run ends with the client's text, exit 4,
// no password; once the server is back the same command writes the report.
TEST(ServidorQueCaiNaLinhaDeComando, Sai4ComOTextoDoServidor)
{
    if (!BancoDeTeste::disponiveis().contains(Backend::Firebird))
        GTEST_SKIP() << "no Firebird server (scripts/firebird.sh start)";
    BancoDeTeste banco(Backend::Firebird);
    banco.executaScript(DadosDoServidor());
    ambiente().conexao.reset();

    QTemporaryDir drive;
    const QString config = drive.path() + QStringLiteral("/korva/config/");
    ASSERT_TRUE(QDir().mkpath(config));
    ASSERT_TRUE(QDir().mkpath(drive.path() + QStringLiteral("/korva/relatorios")));
    const auto escreve = [&config](const char* nome, const QByteArray& bytes) {
        QFile arquivo(config + QLatin1String(nome));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(bytes);
    };
    escreve("server_aplic.ini", "c:\\^korva\\^\r\n");
    escreve("paths.ini", "^^^^^^^^^c:\\korva\\relatorios\\^^^\r\n");
    QProcessEnvironment ambienteDoProcesso = QProcessEnvironment::systemEnvironment();
    ambienteDoProcesso.insert(QStringLiteral("PANTORO_DRIVE_C"), drive.path());
    const QString senha = qEnvironmentVariable("PANTORO_FIREBIRD_PASSWORD");

    const auto rodaPor = [&](const Retransmissor& relay) {
        QString conexao = banco.stringDeConexao();
        conexao.replace(QStringLiteral("127.0.0.1:"), QStringLiteral("127.0.0.1/%1:").arg(relay.porta()));
        escreve("server.ini", "fb^^^^FIREBIRD^" + conexao.toUtf8() + "^False^\r\n");
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
        EXPECT_FALSE(caiu.erro.contains(senha));
        EXPECT_TRUE(caiu.saida.isEmpty());
    }
    Retransmissor relay;
    const Saida depois = rodaPor(relay);
    EXPECT_EQ(depois.codigo, 0) << depois.erro.toStdString();
}

}  // namespace
