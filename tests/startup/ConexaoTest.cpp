#include "support/AmbienteDeTeste.h"

#include "platform/Cp1252.h"
#include "support/BancoDeTeste.h"
#include "platform/VbError.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QFile>
#include <functional>

namespace {

const QString release = QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05");
const QString tituloSemConexao = QString::fromUtf8("Falha de Conexão com o Servidor");

QString servidorNaoResponde(const char* servidor, const char* codigoAmbiente)
{
    return QString::fromUtf8("O Servidor de dados não está respondendo.\r\n\r\nVerifique se o servidor NT/SQL/LINUX "
                             "(%1) está ligado.\rO Ambiente selecionado (%2) pode não estar configurado!")
        .arg(QString::fromLatin1(servidor), QString::fromLatin1(codigoAmbiente));
}

// Configurations that end start-up with one message, exit code 1.
struct CasoFalha {
    const char* nome;
    std::function<void(AmbienteDeTeste&)> prepara;
    QString argumento;
    QString prompt;  // exact, or a fragment of our own explanation
    bool promptExato;
    IconeMensagem icone;
    QString titulo;
};

class FalhaDeConfiguracao : public AmbienteDeTeste, public ::testing::WithParamInterface<CasoFalha> {};

TEST_P(FalhaDeConfiguracao, TerminaComUmaMensagem)
{
    const CasoFalha& caso = GetParam();
    caso.prepara(*this);

    EXPECT_EQ(inicia(caso.argumento), 1);

    ASSERT_EQ(caixa->mensagens.size(), 1);
    const Mensagem& m = caixa->mensagens[0];
    if (caso.promptExato)
        EXPECT_EQ(m.prompt, caso.prompt);
    else
        EXPECT_TRUE(m.prompt.contains(caso.prompt)) << m.prompt.toStdString();
    EXPECT_FALSE(m.prompt.contains(QStringLiteral("segredo"))) << m.prompt.toStdString();
    EXPECT_EQ(m.icone, caso.icone);
    EXPECT_EQ(m.titulo, caso.titulo);
}

void escreveServerIni(AmbienteDeTeste& t, const QByteArray& conteudo)
{
    t.escreve(QStringLiteral("korva/config/server.ini"), conteudo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FalhaDeConfiguracao,
    ::testing::Values(
        CasoFalha{"ServerAplicAusente",
                  [](AmbienteDeTeste& t) { QFile::remove(t.drive.raiz() + "/korva/config/server_aplic.ini"); },
                  "1^1^PRD^",
                  QString::fromUtf8("Há Problemas de Configuração do Aplicativo KORVA!\rContate o Administrador do "
                                    "Sistema e informe este fato, identificado\ro motivo [Falta do Arquivo "
                                    "Server_Aplic]!"),
                  true, IconeMensagem::Critico, release},
        CasoFalha{"ServerIniComUmaLinhaEHistorico",
                  [](AmbienteDeTeste& t) {
                      escreveServerIni(t, "local^c:\\korva\\dados\\empresa.db^^segredo^SQLITE^^False^\r\n");
                  },
                  "1^1^HIST^",
                  QString::fromUtf8("Conteúdo do Arquivo NÃO Encontrado!\rContate o seu Desenvolvedor para "
                                    "posicionar a falha de Conexão!"),
                  true, IconeMensagem::Nenhum, tituloSemConexao},
        CasoFalha{"LinhaDoAmbienteEmBranco",
                  [](AmbienteDeTeste& t) { escreveServerIni(t, "a^b^^^SQLITE^^False^\n\n   \n"); }, "1^1^DEV^",
                  QString::fromUtf8("Conteúdo do Arquivo NÃO Encontrado!"), false, IconeMensagem::Nenhum,
                  tituloSemConexao},
        CasoFalha{"ServerIniAusente",
                  [](AmbienteDeTeste& t) { QFile::remove(t.drive.raiz() + "/korva/config/server.ini"); },
                  "1^1^PRD^", "c:\\korva\\config\\server.ini", false, IconeMensagem::Critico, tituloSemConexao},
        CasoFalha{"SoSeisCampos",
                  [](AmbienteDeTeste& t) {
                      escreveServerIni(t, "local^c:\\korva\\dados\\empresa.db^sa^segredo^SQLITE^^\r\n");
                  },
                  "1^1^PRD^", "c:\\korva\\config\\server.ini, linha 1: falta o campo 7", false,
                  IconeMensagem::Critico, tituloSemConexao},
        CasoFalha{"SetimoCampoNaoBooleano",
                  [](AmbienteDeTeste& t) {
                      escreveServerIni(t, "x^y^z^w^SQLITE^^False^\r\nlocal^c:\\korva\\dados\\empresa.db^sa^segredo^"
                                          "SQLITE^^talvez^\r\n");
                  },
                  "1^1^HIST^", "linha 2: o campo 7 (\"talvez\")", false, IconeMensagem::Critico, tituloSemConexao},
        CasoFalha{"TipoEmMinusculas",
                  [](AmbienteDeTeste& t) { escreveServerIni(t, "srv^empresa^sa^segredo^ms-sql^^True^\r\n"); },
                  "1^1^PRD^", "\"ms-sql\" (campo 5)", false, IconeMensagem::Critico, tituloSemConexao},
        CasoFalha{"ServidorInacessivel",
                  [](AmbienteDeTeste& t) {
                      escreveServerIni(t, "srvdados^c:\\korva\\dados\\sumiu.db^sa^segredo^SQLITE^^False^\r\n");
                  },
                  "1^1^^", servidorNaoResponde("srvdados", ""), true, IconeMensagem::Critico, "Pantoro"},
        CasoFalha{"BancoCorrompido",
                  [](AmbienteDeTeste& t) {
                      t.escreve(QStringLiteral("korva/dados/empresa.db"), QByteArray(4096, '\x5a'));
                  },
                  "1^1^PRD^", servidorNaoResponde("local", "PRD"), true, IconeMensagem::Critico, "Pantoro"},
        CasoFalha{"BancoSemTabelas",
                  [](AmbienteDeTeste& t) { t.escreve(QStringLiteral("korva/dados/empresa.db"), QByteArray()); },
                  "1^1^PRD^", QString::fromUtf8("Erro em tempo de execução '-2147217900':\r\r"), false,
                  IconeMensagem::Critico, "Pantoro"}),
    [](const ::testing::TestParamInfo<CasoFalha>& info) { return std::string(info.param.nome); });

// Configurations that start: which files were read and what came of them.
struct CasoInicio {
    const char* nome;
    std::function<void(AmbienteDeTeste&)> prepara;
    QString argumento;
    std::function<void(const Ambiente&)> verifica;
};

class InicioConfigurado : public AmbienteDeTeste, public ::testing::WithParamInterface<CasoInicio> {};

TEST_P(InicioConfigurado, LeAConfiguracao)
{
    const CasoInicio& caso = GetParam();
    caso.prepara(*this);

    ASSERT_EQ(inicia(caso.argumento), 0) << (caixa->mensagens.isEmpty() ? std::string()
                                                                          : caixa->mensagens[0].prompt.toStdString());

    EXPECT_TRUE(caixa->mensagens.isEmpty());
    EXPECT_EQ(Conexao().State(), adStateOpen);
    caso.verifica(ambiente());
}

// server.ini whose HIST line alone names the database: only reading the
// right line of the file starts.
QByteArray soHistoricoValido(const char* fimDeLinha)
{
    return QByteArray("local^c:\\korva\\dados\\nada.db^^^SQLITE^^False^") + fimDeLinha +
           "local^c:\\korva\\dados\\empresa.db^^^SQLITE^^False^" + fimDeLinha +
           "local^c:\\korva\\dados\\nada.db^^^SQLITE^^False^" + fimDeLinha;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, InicioConfigurado,
    ::testing::Values(
        CasoInicio{"PrefixoKorva", [](AmbienteDeTeste&) {}, "1^1^PRD^",
                   [](const Ambiente& a) {
                       EXPECT_EQ(a.PrefixoConfig1, "c:\\");
                       EXPECT_EQ(a.PrefixoConfig2, "korva\\");
                       EXPECT_EQ(a.ArqPaths, "c:\\korva\\config\\paths.ini");
                       EXPECT_EQ(a.PastaRelatorios, "c:\\korva\\relatorios\\");
                       EXPECT_EQ(a.TipoServidor, "SQLITE");
                       EXPECT_FALSE(a.AceitaAcentos);
                   }},
        CasoInicio{"PrefixoDeOutraPasta",
                   [](AmbienteDeTeste& t) {
                       t.escreve("korva/config/server_aplic.ini", " c:\\ ^ outra\\ ^ignorado^\r\n");
                       t.escreve("outra/config/server.ini", "local^c:\\korva\\dados\\empresa.db^^^SQLITE^^-1^\r\n");
                       t.escreve("outra/config/paths.ini", "^^^^^^^^^c:\\outra\\rel\\^");
                   },
                   "1^1^PRD^",
                   [](const Ambiente& a) {
                       EXPECT_EQ(a.PrefixoConfig1, "c:\\");
                       EXPECT_EQ(a.PrefixoConfig2, "outra\\");
                       EXPECT_EQ(a.ArqPaths, "c:\\outra\\config\\paths.ini");
                       EXPECT_EQ(a.PastaRelatorios, "c:\\outra\\rel\\");
                       EXPECT_TRUE(a.AceitaAcentos);
                   }},
        CasoInicio{"PrefixoEmDriveNaoMapeadoUsaOsFixos",
                   [](AmbienteDeTeste& t) { t.escreve("korva/config/server_aplic.ini", "q:\\^korva\\^"); },
                   "1^1^PRD^",
                   [](const Ambiente& a) {
                       EXPECT_EQ(a.PrefixoConfig1, "q:\\");
                       EXPECT_EQ(a.ArqPaths, "c:\\korva\\config\\paths.ini");
                   }},
        CasoInicio{"LinhasCrLf", [](AmbienteDeTeste& t) { escreveServerIni(t, soHistoricoValido("\r\n")); },
                   "1^1^HIST^", [](const Ambiente& a) { EXPECT_EQ(a.BancoDados, "c:\\korva\\dados\\empresa.db"); }},
        CasoInicio{"Cp1252ComAcentos",
                   [](AmbienteDeTeste& t) {
                       t.criaBanco(QString::fromUtf8("korva/dados/ação.db"));
                       escreveServerIni(t, ParaCp1252(QString::fromUtf8(
                                               "São Paulo^c:\\korva\\dados\\ação.db^^^SQLITE^^False^\r\n")));
                       t.escreve("korva/config/paths.ini",
                                 ParaCp1252(QString::fromUtf8("^^^^^^^^^c:\\relatórios\\^\r\n")));
                   },
                   "1^1^PRD^",
                   [](const Ambiente& a) {
                       EXPECT_EQ(a.ServidorBD, QString::fromUtf8("São Paulo"));
                       EXPECT_EQ(a.PastaRelatorios, QString::fromUtf8("c:\\relatórios\\"));
                   }},
        CasoInicio{"BancoRelativoAPastaDeConfig",
                   [](AmbienteDeTeste& t) { escreveServerIni(t, "local^..\\dados\\empresa.db^^^SQLITE^^False^"); },
                   "1^1^PRD^", [](const Ambiente& a) { EXPECT_EQ(a.BancoDados, "..\\dados\\empresa.db"); }},
        CasoInicio{"BancoComCaminhoPosix",
                   [](AmbienteDeTeste& t) {
                       escreveServerIni(t, "local^" + t.drive.raiz().toUtf8() + "/korva/dados/empresa.db^^^SQLITE^^0^");
                   },
                   "1^1^PRD^", [](const Ambiente& a) { EXPECT_EQ(a.CodiEmpresa, "001"); }},
        CasoInicio{"DanfeEmBrancoECodigoComBrancos", [](AmbienteDeTeste&) {}, "1^2^PRD^",
                   [](const Ambiente& a) {
                       EXPECT_EQ(a.CodiEmpresa, "002");
                       EXPECT_EQ(a.PastaDanfe, "C:\\Korva\\DANFE\\");
                   }},
        CasoInicio{"DanfeDaEmpresa", [](AmbienteDeTeste&) {}, "1^3^PRD^",
                   [](const Ambiente& a) { EXPECT_EQ(a.PastaDanfe, "D:\\NFE\\"); }}),
    [](const ::testing::TestParamInfo<CasoInicio>& info) { return std::string(info.param.nome); });

}  // namespace

// The same start-up on every database server the tests can reach: the
// embedded file named in field 2, Firebird through field 6.
class InicioPorServidor : public AmbienteDeTeste, public ::testing::WithParamInterface<Backend> {};

TEST_P(InicioPorServidor, ConectaEAchaEmpresaEUsuario)
{
    BancoDeTeste banco(GetParam());
    insereEmpresasEUsuarios(banco);
    ambiente().conexao.reset();
    const QByteArray conexao = banco.stringDeConexao().toUtf8();
    escreveServerIni(*this, GetParam() == Backend::Firebird ? "fb^^^^FIREBIRD^" + conexao + "^False^\r\n"
                                                            : "local^" + conexao + "^^^SQLITE^^False^\r\n");

    ASSERT_EQ(inicia(QStringLiteral("5^2^PRD^")), 0) << (caixa->mensagens.isEmpty()
                                                            ? std::string()
                                                            : caixa->mensagens[0].prompt.toStdString());

    EXPECT_EQ(Conexao().backend(), GetParam());
    EXPECT_EQ(Conexao().ConnectionTimeout, 400);
    EXPECT_EQ(TituloJanela(), release + QStringLiteral(" (PRD)(002/JOSE)"));
    EXPECT_EQ(ambiente().PastaDanfe, QStringLiteral("C:\\Korva\\DANFE\\"));
    EXPECT_EQ(PathDanfeEmpresa(QStringLiteral("003")), QStringLiteral("D:\\NFE\\"));
    EXPECT_TRUE(ambiente().StringConexao.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Servidores, InicioPorServidor, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);
