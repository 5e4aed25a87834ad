#include "Ambiente.h"

#include "platform/Conversions.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "platform/TextoSql.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

namespace {

const QString pastaConfigFixa = QStringLiteral("c:\\korva\\config\\");
const QString arquivoServerAplic = pastaConfigFixa + QStringLiteral("server_aplic.ini");
const QString arquivoMarcador = pastaConfigFixa + QStringLiteral("ZAKTORP.txt");
const QString pastaDanfePadrao = QStringLiteral("C:\\Korva\\DANFE\\");
constexpr int tempoLimiteConexao = 400;
constexpr int fimComMensagem = 1;

[[noreturn]] void terminaComMensagem(const QString& prompt, IconeMensagem icone, const QString& titulo)
{
    MsgBox(prompt, icone, titulo);
    throw FimDoPrograma(fimComMensagem);
}

QString prefixoConfig()
{
    return ambiente().PrefixoConfig1 + ambiente().PrefixoConfig2;
}

// The file under the configuration prefix, or the one in the fixed folder
// when there is no prefix, no such file, or the prefix is not a valid path.
QString arquivoDeConfig(const QString& nome)
{
    const QString fixo = pastaConfigFixa + nome;
    const QString prefixo = prefixoConfig();
    if (prefixo.isEmpty())
        return fixo;
    const QString caminho = prefixo + QStringLiteral("config\\") + nome;
    try {
        return ArquivoExiste(caminho) ? caminho : fixo;
    } catch (const VbError& e) {
        if (e.Number() != vb_error::BadFileName)
            throw;
        return fixo;
    }
}

// Field n of a configuration line, blanks around removed.
QString campoAparado(int16_t n, QString& linha)
{
    return Trim(CStr(Campo(n, linha)));
}

QString semSenha(QString texto)
{
    const QString& senha = ambiente().SenhaBD;
    if (!senha.isEmpty())
        texto.replace(senha, QStringLiteral("****"));
    return texto;
}

// The embedded database named by server.ini field 2: a drive path, a POSIX
// path, or a path relative to the folder of server.ini.
QString arquivoSqlite(const QString& campo, const QString& arquivoServer)
{
    static const QRegularExpression comDrive(QStringLiteral(R"(^[A-Za-z]:)"));
    if (comDrive.match(campo).hasMatch() || campo.startsWith(u'/'))
        return CaminhoLocal(campo);
    const QString pasta = QFileInfo(CaminhoLocal(arquivoServer)).absolutePath();
    return QDir::cleanPath(pasta + u'/' + QString(campo).replace(u'\\', u'/'));
}

struct LinhaServidor {
    QString arquivo;
    int numero = 0;  // 1-based; 0 when the environment selects no line
    QString texto;
};

// Line 1 serves PRD and the empty code, line 2 HIST, line 3 DEV.
LinhaServidor linhaDoAmbiente(const QString& arquivo, const QString& ambienteCodigo)
{
    const QStringList linhas = LerLinhas(arquivo, 3);
    LinhaServidor linha{arquivo, 0, QString()};
    if (ambienteCodigo == QLatin1String("PRD") || ambienteCodigo.isEmpty())
        linha.numero = 1;
    else if (ambienteCodigo == QLatin1String("HIST"))
        linha.numero = 2;
    else if (ambienteCodigo == QLatin1String("DEV"))
        linha.numero = 3;
    if (linha.numero > 0)
        linha.texto = Trim(linhas.value(linha.numero - 1));
    return linha;
}

QString ondeNaConfig(const LinhaServidor& linha)
{
    return QStringLiteral("%1, linha %2").arg(linha.arquivo).arg(linha.numero);
}

// Builds the connection of the configured server type and opens it. Returns
// why no connection was opened when the type is unknown.
std::optional<QString> abreConexaoConfigurada(const LinhaServidor& linha)
{
    Ambiente& a = ambiente();
    const QString& tipo = a.TipoServidor;
    Backend backend = Backend::Odbc;
    QString stringConexao;
    bool comTempoLimite = true;
    if (tipo == QLatin1String("MS-SQL") || tipo == QLatin1String("MSSQL")) {
        a.StringConexao = QStringLiteral("driver={SQL Server};server=") + a.ServidorBD + QStringLiteral(";uid=") +
                          a.UsuarioBD + QStringLiteral(";pwd=") + a.SenhaBD + QStringLiteral(";database=") +
                          a.BancoDados;
    } else if (tipo == QLatin1String("MS-SQL2005WEB") || tipo == QLatin1String("MS-SQL2008WEB")) {
        const QString provedor =
            tipo == QLatin1String("MS-SQL2005WEB") ? QStringLiteral("SQLNCLI") : QStringLiteral("SQLNCLI10");
        a.StringConexao = QStringLiteral("Provider=") + provedor + QStringLiteral(";Server=") + a.ServidorBD +
                          QStringLiteral(";Database=") + a.BancoDados + QStringLiteral(";Uid=") + a.UsuarioBD +
                          QStringLiteral("; Pwd=") + a.SenhaBD + QStringLiteral(";");
    } else if (tipo == QLatin1String("MS-SQL-REMOTO")) {
        comTempoLimite = false;
        a.StringConexao = QStringLiteral("Provider=sqloledb;Network Library=DBMSSOCN;Data Source=") + a.ServidorBD +
                          QStringLiteral(";Initial Catalog=") + a.BancoDados + QStringLiteral(";User ID=") +
                          a.UsuarioBD + QStringLiteral("; Password=") + a.SenhaBD;
    } else if (tipo == QLatin1String("FIREBIRD")) {
        backend = Backend::Firebird;
        stringConexao = a.ConexaoFirebird;
    } else if (tipo == QLatin1String("SQLITE")) {
        backend = Backend::Sqlite;
        stringConexao = arquivoSqlite(a.BancoDados, linha.arquivo);
    } else {
        return QStringLiteral("%1: o tipo de servidor \"%2\" (campo 5) não é conhecido. Tipos aceitos: "
                              "MS-SQL, MSSQL, MS-SQL2005WEB, MS-SQL2008WEB, MS-SQL-REMOTO, FIREBIRD, SQLITE.")
            .arg(ondeNaConfig(linha), tipo);
    }
    if (backend == Backend::Odbc)
        stringConexao = a.StringConexao;

    Connection& conexao = Conexao();
    if (comTempoLimite)
        conexao.ConnectionTimeout = tempoLimiteConexao;
    conexao.Open(backend, stringConexao, QString(), QString(), adOptionUnspecified);
    return std::nullopt;
}

// A server that does not answer: the driver's reason follows (driver not
// registered, host not found, login refused), so that the administrator
// sees what to fix; the embedded file's failure needs none.
void mensagemServidorNaoResponde(const QString& motivoDoDriver)
{
    const Ambiente& a = ambiente();
    QString prompt = QStringLiteral("O Servidor de dados não está respondendo.") + QStringLiteral("\r\n\r\n") +
                     QStringLiteral("Verifique se o servidor NT/SQL/LINUX (") + a.ServidorBD +
                     QStringLiteral(") está ligado.") + u'\r' + QStringLiteral("O Ambiente selecionado (") +
                     a.CodiAmbiente + QStringLiteral(") pode não estar configurado!");
    if (a.TipoServidor != QLatin1String("SQLITE"))
        prompt += QStringLiteral("\r\n\r\n") + semSenha(motivoDoDriver);
    terminaComMensagem(prompt, IconeMensagem::Critico, TituloPrograma());
}

// Conectar, telling why it ended without an open connection where it keeps
// quiet (nullopt when the connection was opened).
std::optional<QString> conectar()
{
    Ambiente& a = ambiente();
    LinhaServidor linha;
    try {
        LerServerAplic();
        try {
            linha = linhaDoAmbiente(arquivoDeConfig(QStringLiteral("server.ini")), a.CodiAmbiente);
        } catch (const VbError& e) {
            return QStringLiteral("Não foi possível ler o arquivo server.ini (%1).").arg(e.Description());
        }
        if (linha.texto.isEmpty())
            terminaComMensagem(QStringLiteral("Conteúdo do Arquivo NÃO Encontrado!") + u'\r' +
                                   QStringLiteral("Contate o seu Desenvolvedor para posicionar a falha de Conexão!"),
                               IconeMensagem::Nenhum, QStringLiteral("Falha de Conexão com o Servidor"));

        QString texto = linha.texto + u'^';
        a.ServidorBD = CStr(Campo(1, texto));
        a.BancoDados = CStr(Campo(2, texto));
        a.UsuarioBD = CStr(Campo(3, texto));
        a.SenhaBD = CStr(Campo(4, texto));
        a.TipoServidor = CStr(Campo(5, texto));
        a.ConexaoFirebird = CStr(Campo(6, texto));
        const Variant aceitaAcentos = Campo(7, texto);
        try {
            a.AceitaAcentos = CBool(aceitaAcentos);
        } catch (const VbError&) {
            if (aceitaAcentos.text().isEmpty() || aceitaAcentos.text() == QLatin1String("."))
                return QStringLiteral("%1: falta o campo 7 (True ou False).").arg(ondeNaConfig(linha));
            return QStringLiteral("%1: o campo 7 (\"%2\") deve ser True, False ou um número.")
                .arg(ondeNaConfig(linha), aceitaAcentos.text());
        }
        if (a.TipoServidor.isEmpty())
            a.TipoServidor = QStringLiteral("MS-SQL");

        const std::optional<QString> motivo = abreConexaoConfigurada(linha);
        LerPaths();
        return motivo;
    } catch (const VbError& e) {
        if (e.Number() == vb_error::ProviderFailure)
            mensagemServidorNaoResponde(e.Description());
        return QStringLiteral("%1: não foi possível abrir o banco de dados (%2): %3")
            .arg(ondeNaConfig(linha), a.TipoServidor, semSenha(e.Description()));
    }
}

// Launch-string ids are 16-bit; a larger number cannot be held.
int16_t idDoCampo(int16_t n, const QString& nomeDoId)
{
    QString& chamada = ambiente().ParametrosChamada;
    const double numero = Val(CStr(Campo(n, chamada)));
    try {
        return CInt(Variant::Double(numero));
    } catch (const VbError&) {
        terminaComMensagem(
            QStringLiteral("Chamada inválida: o código %1 (%2) está fora do intervalo de -32768 a 32767.")
                .arg(nomeDoId, NumeroGeral(numero)),
            IconeMensagem::Critico, TituloPrograma());
    }
}

void conectarOuTerminar()
{
    const std::optional<QString> motivo = conectar();
    if (Conexao().State() == adStateOpen)
        return;
    terminaComMensagem(QStringLiteral("Não foi possível conectar ao banco de dados do ambiente (") +
                           ambiente().CodiAmbiente + QStringLiteral(").") + u'\r' +
                           motivo.value_or(QStringLiteral("A conexão não foi aberta.")),
                       IconeMensagem::Critico, QStringLiteral("Falha de Conexão com o Servidor"));
}

}  // namespace

Ambiente& ambiente()
{
    static Ambiente instancia;
    return instancia;
}

Connection& Conexao()
{
    Ambiente& a = ambiente();
    if (!a.conexao)
        a.conexao = std::make_unique<Connection>();
    return *a.conexao;
}

Recordset AbreConsultaMaiuscula(const QString& sql)
{
    Recordset rs;
    rs.CursorLocation = adUseClient;
    rs.Open(UCase(sql), Conexao(), adOpenStatic, adLockBatchOptimistic);
    return rs;
}

Recordset AbreConsulta(const QString& sql, int lockType)
{
    Recordset rs;
    rs.CursorLocation = adUseClient;
    rs.Open(sql, Conexao(), adOpenStatic, lockType, adOptionUnspecified);
    return rs;
}

Variant Campo(int16_t n, QString& texto)
{
    if (texto.isEmpty())
        return Variant();
    const QString aparado = Trim(texto);
    if (!aparado.endsWith(u'^'))
        texto = aparado + u'^';

    QString campo;
    int inicio = 0;
    for (int i = 1; i <= n; ++i) {
        const int caret = texto.indexOf(u'^', inicio);
        if (caret < 0)
            return Variant(QStringLiteral("."));
        campo = texto.mid(inicio, caret - inicio);
        inicio = caret + 1;
    }
    return Variant(campo);
}

LegendasDaJanela IniciarJanela(const QString& argumento, const QString& chamadaPadrao)
{
    Ambiente& a = ambiente();
    a.ParametrosChamada = argumento;
    if (MarcadorInstalacao() == QLatin1String("ZAKTORP"))
        a.ParametrosChamada = chamadaPadrao;
    if (Trim(a.ParametrosChamada).isEmpty())
        terminaComMensagem(QStringLiteral("Chamada Ilegal para esta rotina!"), IconeMensagem::Nenhum, TituloPrograma());

    a.IdUsuario = idDoCampo(1, QStringLiteral("do usuário"));
    a.IdEmpresa = idDoCampo(2, QStringLiteral("da empresa"));
    a.CodiAmbiente = CStr(Campo(3, a.ParametrosChamada));

    conectarOuTerminar();

    LegendasDaJanela legendas;
    try {
        const QString idEmpresa = QString::number(a.IdEmpresa);
        legendas.codiEmpresa = CodigoEmpresa(idEmpresa);
        legendas.nomeEmpresa = NomeEmpresa(idEmpresa);
        legendas.codiAmbiente = a.CodiAmbiente;
        BuscaUsuario(a.IdUsuario);
    } catch (const VbError& e) {
        terminaComMensagem(QStringLiteral("Erro em tempo de execução '%1':").arg(e.Number()) + QStringLiteral("\r\r") +
                               semSenha(e.Description()),
                           IconeMensagem::Critico, TituloPrograma());
    }
    legendas.titulo = TituloJanela();
    legendas.tituloEmVermelho = a.CodiAmbiente != QLatin1String("PRD");
    a.NomeTela = QStringLiteral("frmPantoro");
    return legendas;
}

QString MarcadorInstalacao()
{
    return ArquivoExiste(arquivoMarcador) ? QStringLiteral("ZAKTORP") : QStringLiteral("CLIENTE");
}

void BuscaUsuario(int16_t idUsuario)
{
    Ambiente& a = ambiente();
    const QString sql = QStringLiteral("SELECT * FROM USEN WHERE IDUSEN=") + QString::number(idUsuario);
    try {
        Recordset rs = AbreConsultaMaiuscula(sql);
        a.NomeUsuario = rs.Eof() ? QString() : CStr(rs.Fields(QStringLiteral("usen")));
        rs.Close();
    } catch (const VbError& e) {
        if (e.Number() != vb_error::ProviderFailure)
            return;
        MsgBox(QStringLiteral("Ocorreu uma Falha de Conexão com o Servidor de Banco de Dados (") + a.TipoServidor +
                   QStringLiteral(").") + u'\r' +
                   QStringLiteral("Tente Novamente, Caso o Problema Persista, Contate o Desenvolvedor!"),
               IconeMensagem::Critico, QStringLiteral("Falha de Conexão (") + a.TipoServidor + u')');
        FechaConexao(QStringLiteral("SAIR"));
    }
}

void Conectar()
{
    // Keeps quiet where the configuration is wrong; start-up explains it.
    conectar();
}

void LerServerAplic()
{
    Ambiente& a = ambiente();
    try {
        if (!ArquivoExiste(arquivoServerAplic))
            terminaComMensagem(
                QStringLiteral("Há Problemas de Configuração do Aplicativo KORVA!") + u'\r' +
                    QStringLiteral("Contate o Administrador do Sistema e informe este fato, identificado") + u'\r' +
                    QStringLiteral("o motivo [Falta do Arquivo Server_Aplic]!"),
                IconeMensagem::Critico, TituloRelease());
        QString linha = Trim(LerLinhas(arquivoServerAplic, 1).value(0)) + u'^';
        a.PrefixoConfig1 = campoAparado(1, linha);
        a.PrefixoConfig2 = campoAparado(2, linha);
    } catch (const VbError& e) {
        if (e.Number() == vb_error::BadFileName) {
            a.PrefixoConfig1.clear();
            a.PrefixoConfig2.clear();
        }
    }
}

void LerPaths()
{
    Ambiente& a = ambiente();
    try {
        a.ArqPaths = arquivoDeConfig(QStringLiteral("paths.ini"));
        QString linha = Trim(LerLinhas(a.ArqPaths, 1).value(0)) + u'^';
        a.PastaRelatorios = campoAparado(10, linha);
        const QString codigo = CodigoEmpresa(QString::number(a.IdEmpresa));
        a.PastaDanfe = PathDanfeEmpresa(codigo);
        if (Trim(a.PastaDanfe).isEmpty())
            a.PastaDanfe = pastaDanfePadrao;
    } catch (const VbError&) {
        // The folders keep what they had; the report run tells what is missing.
    }
}

void FechaConexao(const QString& modo)
{
    Ambiente& a = ambiente();
    try {
        if (a.conexao) {
            a.conexao->Close();
            a.conexao.reset();
        }
    } catch (const VbError&) {
        terminaComMensagem(QStringLiteral("Erro ao fechar banco de dados (") + a.TipoServidor + u')' + u'\r' +
                               QStringLiteral("Tente Novamente. Caso o problema persista, contate o Desenvolvedor!"),
                           IconeMensagem::Critico, QStringLiteral("Falha Conexão"));
    }
    // Only the fatal start-up path closes with "SAIR".
    if (modo == QLatin1String("SAIR"))
        throw FimDoPrograma(fimComMensagem);
}

QString CodigoEmpresa(const QString& idEmpresa)
{
    Recordset rs = AbreConsultaMaiuscula(QStringLiteral("select codi_empr ") + QStringLiteral("from empr ") +
                                         QStringLiteral("where idempr = ") + Trim(idEmpresa));
    const QString codigo = rs.Eof() ? QString() : Trim(CStr(rs.Fields(QStringLiteral("codi_empr"))));
    rs.Close();
    ambiente().CodiEmpresa = codigo;
    return codigo;
}

QString NomeEmpresa(const QString& idEmpresa)
{
    Recordset rs = AbreConsultaMaiuscula(QStringLiteral("select nome_conh_empr ") + QStringLiteral("from empr ") +
                                         QStringLiteral("where idempr = ") + Trim(idEmpresa));
    const QString nome = rs.Eof() ? QString() : ParaTexto(rs.Fields(QStringLiteral("nome_conh_empr")));
    rs.Close();
    return nome;
}

QString PathDanfeEmpresa(const QString& codigoEmpresa)
{
    Recordset rs =
        AbreConsultaMaiuscula(QStringLiteral("select PATH_DANFE ") + QStringLiteral("from empr ") +
                              QStringLiteral("where codi_empr = '") + DobraAspas(Trim(codigoEmpresa)) + u'\'');
    const QString pasta = rs.Eof() ? QString() : Trim(ParaTexto(rs.Fields(QStringLiteral("PATH_DANFE"))));
    rs.Close();
    return pasta;
}

QString TituloJanela()
{
    const Ambiente& a = ambiente();
    return TituloRelease() + QStringLiteral(" (") + a.CodiAmbiente + QStringLiteral(")(") + a.CodiEmpresa + u'/' +
           a.NomeUsuario + u')';
}
