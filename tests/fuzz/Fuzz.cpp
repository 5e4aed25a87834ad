// The libFuzzer targets: each function fuzz_NAME below is the body of the
// target of its name (CMakeLists.txt defines PANTORO_FUZZ_ALVO). Drive C: is
// a temporary folder, also the working folder, with the suite's folders in
// two spellings of case and a small company database; no ODBC driver or data
// source exists, so an ODBC string fails at once instead of reaching a
// server. LIKE and the collation run on an in-memory SQLite.
#include "platform/Conversions.h"
#include "platform/DialetoConexao.h"
#include "platform/DialetoSql.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/SqliteTexto.h"
#include "platform/TextFile.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"
#include "startup/Ambiente.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

QTemporaryDir* drive = nullptr;
std::shared_ptr<CaixaGravadora> caixa = std::make_shared<CaixaGravadora>();
sqlite3_stmt* comandoLike = nullptr;  // LIKE and the collation on ?1 and ?2

// Input sizes a first byte 0xFF asks for: the rest of the bytes repeated to
// about that size, so long texts are reached without a large max_len.
constexpr qsizetype kUmMega = 1 << 20;
constexpr qsizetype k64K = 1 << 16;
constexpr qsizetype kCaminhoMaisLongo = 32767;  // the longest path Windows takes

QByteArray Entrada(const uint8_t* data, size_t size, qsizetype longo)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.isEmpty() || static_cast<unsigned char>(bytes[0]) != 0xFF)
        return bytes;
    const QByteArray padrao = bytes.mid(1);
    return padrao.isEmpty() ? padrao : padrao.repeated(longo / padrao.size() + 1);
}

// A property that does not hold ends the run as a crash.
void Confere(bool vale)
{
    if (!vale)
        std::abort();
}

// IsDate agrees with LerData, and a date read is written and read back
// unchanged.
void fuzz_data(const uint8_t* data, size_t size)
{
    const QString texto = QString::fromUtf8(Entrada(data, size, k64K));
    const auto lida = LerData(texto);
    Confere(lida.has_value() == IsDate(texto));
    if (lida) {
        const auto relida = LerData(Format(*lida, QStringLiteral("dd/mm/yyyy hh:mm:ss")));
        Confere(relida && relida->date() == lida->date() && relida->time() == lida->time());
    }
    for (const char* mascara : {"dd/mm/yyyy", "yyyymmdd 00:00", "yyyymmdd 23:59"})
        Format(texto, QString::fromLatin1(mascara));
}

// SQL Server gets the text unchanged; SQLite and Firebird the same text, as
// many quotes, never shorter, unchanged without eight digits in a row, and
// a second pass changes nothing.
void fuzz_dialetosql(const uint8_t* data, size_t size)
{
    static const QRegularExpression oitoDigitos(QStringLiteral("[0-9]{8}"));
    const QString sql = QString::fromUtf8(Entrada(data, size, k64K));
    const QString sqlite = TraduzSql(Backend::Sqlite, sql);
    Confere(TraduzSql(Backend::Odbc, sql) == sql && TraduzSql(Backend::Firebird, sql) == sqlite);
    Confere(sqlite.count(u'\'') == sql.count(u'\'') && sqlite.size() >= sql.size());
    Confere(sql.contains(oitoDigitos) || sqlite == sql);
    Confere(TraduzSql(Backend::Sqlite, sqlite) == sqlite);
}

// Keys come out trimmed and not empty; the ODBC string reads back as the
// pairs it was made of: an OLE DB string's server, database, login and
// password under the ODBC keys, any other string's own pairs; a server may
// gain the default port.
void fuzz_dialetoconexao(const uint8_t* data, size_t size)
{
    const QString texto = QString::fromUtf8(Entrada(data, size, k64K));
    const ParesDeConexao pares = LerPares(texto);
    for (const auto& par : pares)
        Confere(!par.first.isEmpty() && par.first == par.first.trimmed());
    LerConexaoFirebird(texto);
    const QString odbc = ConexaoOdbc(texto);
    ParesDeConexao esperados = pares;
    if (!ValorDoPar(pares, {QStringLiteral("Provider")}).isEmpty()) {
        const std::pair<const char*, QStringList> mapa[] = {
            {"server", {"Server", "Data Source", "Address", "Addr"}},
            {"database", {"Database", "Initial Catalog"}},
            {"uid", {"Uid", "User ID"}},
            {"pwd", {"Password", "PWD"}},
        };
        esperados = {{QStringLiteral("driver"), QStringLiteral("SQL Server")}};
        for (const auto& [chaveOdbc, chavesOleDb] : mapa)
            esperados.emplace_back(QString::fromLatin1(chaveOdbc), ValorDoPar(pares, chavesOleDb));
    }
    const ParesDeConexao lidos = LerPares(odbc);
    Confere(lidos.size() == esperados.size());
    for (size_t i = 0; i < lidos.size(); ++i) {
        const auto& [chave, valor] = esperados[i];
        const bool servidor = chave.compare(QLatin1String("server"), Qt::CaseInsensitive) == 0;
        Confere(lidos[i].first == chave &&
                (lidos[i].second == valor || (servidor && lidos[i].second == valor + QStringLiteral(",1433"))));
    }
    Confere(SenhaOdbc(odbc) == ValorDoPar(esperados, {QStringLiteral("Password"), QStringLiteral("PWD")}));
}

// A path maps or raises error 52; a path on drive C: never leaves its folder.
void fuzz_caminho(const uint8_t* data, size_t size)
{
    const QString caminho = QString::fromUtf8(Entrada(data, size, kCaminhoMaisLongo));
    try {
        const QString local = CaminhoLocal(caminho);
        Confere(!caminho.startsWith(QLatin1String("c:"), Qt::CaseInsensitive) || local == drive->path() ||
                local.startsWith(drive->path() + u'/'));
    } catch (const VbError& erro) {
        Confere(erro.Number() == vb_error::BadFileName);
    }
}

// casa[j]: the pattern so far matches the first j characters of the text.
bool likeDeReferencia(QStringView texto, QStringView padrao, QChar escape)
{
    std::vector<char> casa(texto.size() + 1, 0);
    casa[0] = 1;
    for (qsizetype p = 0; p < padrao.size(); ++p) {
        const bool literal = !escape.isNull() && padrao[p] == escape && p + 1 < padrao.size();
        const QChar c = literal ? padrao[++p] : padrao[p];
        std::vector<char> proximo(texto.size() + 1, 0);
        for (qsizetype j = 0; j <= texto.size(); ++j) {
            if (!literal && c == u'%')
                proximo[j] = casa[j] || (j > 0 && proximo[j - 1]);
            else if (j > 0 && casa[j - 1])
                proximo[j] = (!literal && c == u'_') || c.toCaseFolded() == texto[j - 1].toCaseFolded();
        }
        casa.swap(proximo);
    }
    return casa[texto.size()];
}

// CombinaLike agrees with a plain table-driven matcher; SQL's LIKE gives what
// CombinaLike gives; the collation orders any two texts one way only, and
// ignores trailing blanks and ASCII case.
void fuzz_sqlitetexto(const uint8_t* data, size_t size)
{
    FuzzedDataProvider entrada(data, size);
    const std::string escape = entrada.ConsumeRandomLengthString(4);
    const std::string padrao = entrada.ConsumeRandomLengthString();
    const std::string texto = entrada.ConsumeRemainingBytesAsString();
    const QString padraoQt = QString::fromStdString(padrao);
    const QString textoQt = QString::fromStdString(texto);
    const QString escapeQt = QString::fromStdString(escape);
    const QChar umEscape = escapeQt.size() == 1 ? escapeQt[0] : QChar();
    const bool casaSemEscape = CombinaLike(textoQt, padraoQt);
    Confere(textoQt.size() * padraoQt.size() > (1 << 20) ||
            (casaSemEscape == likeDeReferencia(textoQt, padraoQt, QChar()) &&
             CombinaLike(textoQt, padraoQt, umEscape) == likeDeReferencia(textoQt, padraoQt, umEscape)));

    // SQLite reads the bytes as UTF-8: it agrees only where they are valid.
    const bool utf8 = padraoQt.toStdString() == padrao && textoQt.toStdString() == texto;
    sqlite3_bind_text(comandoLike, 1, texto.data(), static_cast<int>(texto.size()), SQLITE_STATIC);
    sqlite3_bind_text(comandoLike, 2, padrao.data(), static_cast<int>(padrao.size()), SQLITE_STATIC);
    Confere(sqlite3_step(comandoLike) == SQLITE_ROW);
    Confere(!utf8 || sqlite3_column_int(comandoLike, 0) == casaSemEscape);
    Confere(sqlite3_column_int(comandoLike, 1) + sqlite3_column_int(comandoLike, 2) +
                    sqlite3_column_int(comandoLike, 3) ==
                1 &&
            sqlite3_column_int(comandoLike, 4) == 1 && sqlite3_column_int(comandoLike, 5) == 1);
    sqlite3_reset(comandoLike);
}

// A configuration file of c:\korva\config\ holding `bytes`, as LerLinhas
// reads it: no line holds a line end, no more lines than line ends plus one.
void escreveConfig(const QString& nome, const QByteArray& bytes)
{
    QFile file(drive->filePath(QStringLiteral("korva/config/") + nome));
    Confere(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();
    const QStringList linhas = LerLinhas(QStringLiteral("c:\\korva\\config\\") + nome, 1 << 30);
    Confere(linhas.size() <= bytes.count('\r') + bytes.count('\n') + 1);
    for (const QString& linha : linhas)
        Confere(!linha.contains(u'\r') && !linha.contains(u'\n'));
}

// Runs `passo` on fresh module variables (`prepara` may set some first). The
// program may end (exit code 1) only right after one message, and never shows
// a message without ending; no VbError gets out. Whether the program ended.
template <typename Preparo, typename Passo> bool executa(Preparo prepara, Passo passo)
{
    ambiente() = Ambiente{};
    caixa->mensagens.clear();
    prepara(ambiente());
    bool terminou = false;
    try {
        passo();
    } catch (const FimDoPrograma& fim) {
        Confere(fim.ExitCode() == 1);
        terminou = true;
    } catch (const VbError&) {
        std::abort();
    }
    Confere(caixa->mensagens.size() == (terminou ? 1 : 0));
    return terminou;
}

// Field n (from 1) of a caret record as a plain split gives it: "." when
// the record has fewer than n carets.
QString campoDeReferencia(const QString& registro, int n)
{
    return registro.count(u'^') < n ? QStringLiteral(".") : registro.section(u'^', n - 1, n - 1);
}

// The caller's text after Campo: left alone when, trimmed, it ends with "^".
QString textoDepois(const QString& original)
{
    const QString aparado = Trim(original);
    return aparado.endsWith(u'^') ? original : aparado + u'^';
}

std::optional<int16_t> idEsperado(const QString& campo)
{
    try {
        return CInt(Variant::Double(Val(campo)));
    } catch (const VbError&) {
        return std::nullopt;
    }
}

// No configuration on the drive: start-up always ends after one message,
// the blank call's, the id out of range's, or the missing server_aplic.ini's,
// with the ids and the environment as a split at "^" gives them.
void fuzz_inicio(const uint8_t* data, size_t size)
{
    const QString chamada = QString::fromUtf8(Entrada(data, size, kUmMega));
    Confere(executa([](Ambiente&) {}, [&] { IniciarJanela(chamada, QStringLiteral("1^1^PRD^")); }));
    const QString& prompt = caixa->mensagens.constLast().prompt;
    const Ambiente& a = ambiente();
    if (Trim(chamada).isEmpty())
        return Confere(prompt == QLatin1String("Chamada Ilegal para esta rotina!"));
    const QString depois = textoDepois(chamada);
    Confere(a.ParametrosChamada == depois);
    const auto usuario = idEsperado(campoDeReferencia(depois, 1));
    const auto empresa = usuario ? idEsperado(campoDeReferencia(depois, 2)) : std::nullopt;
    if (!usuario || !empresa)
        return Confere(prompt.startsWith(QStringLiteral("Chamada inválida: o código ") +
                                         (usuario ? QStringLiteral("da empresa") : QStringLiteral("do usuário"))));
    Confere(a.IdUsuario == *usuario && a.IdEmpresa == *empresa && a.CodiAmbiente == campoDeReferencia(depois, 3) &&
            prompt.contains(QLatin1String("[Falta do Arquivo Server_Aplic]")));
}

// A field as the readers keep it: no caret inside and, when trimmed, no
// blank at either end.
void confereCampo(const QString& valor, bool aparado)
{
    Confere(!valor.contains(u'^') && (!aparado || Trim(valor) == valor));
}

// server_aplic.ini, server.ini and paths.ini from the input, read line by
// line, then LerServerAplic + LerPaths and Conectar. Only an SQLITE line opens a
// connection. A fuzzed host must not be looked up: server.ini never names
// FIREBIRD (the bytes become "FIREBIRd").
void fuzz_config(const uint8_t* data, size_t size)
{
    // The connection goes with each input: Qt's list of connections is gone
    // by the time the module variables would be destroyed at exit.
    struct Libera {
        ~Libera() { ambiente() = Ambiente{}; }
    } libera;
    FuzzedDataProvider entrada(data, size);
    const auto arquivo = [](const std::string& bytes) {
        return Entrada(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), kUmMega);
    };
    static const char* const ambientes[] = {"PRD", "HIST", "DEV", "", "prd", "."};
    const QString codigo = QString::fromLatin1(entrada.PickValueInArray(ambientes));
    const int16_t idEmpresa = entrada.ConsumeIntegral<int16_t>();
    escreveConfig(QStringLiteral("server_aplic.ini"), arquivo(entrada.ConsumeRandomLengthString()));
    escreveConfig(QStringLiteral("server.ini"),
                  arquivo(entrada.ConsumeRandomLengthString()).replace("FIREBIRD", "FIREBIRd"));
    escreveConfig(QStringLiteral("paths.ini"), arquivo(entrada.ConsumeRemainingBytesAsString()));

    const auto prepara = [&](Ambiente& a) {
        a.CodiAmbiente = codigo;
        a.IdEmpresa = idEmpresa;
    };
    Confere(!executa(prepara, [] {
        LerServerAplic();
        LerPaths();
    }));  // server_aplic.ini is there: nothing to end for
    const Ambiente& a = ambiente();
    for (const QString* campo : {&a.PrefixoConfig1, &a.PrefixoConfig2, &a.PastaRelatorios})
        confereCampo(*campo, true);
    Confere(a.ArqPaths.endsWith(QLatin1String("config\\paths.ini")));

    if (executa(prepara, [] { Conectar(); })) {
        const QString& prompt = caixa->mensagens.constLast().prompt;
        return Confere(prompt.startsWith(QStringLiteral("Conteúdo do Arquivo NÃO Encontrado!")) ||
                       prompt.startsWith(QStringLiteral("O Servidor de dados não está respondendo.")));
    }
    for (const QString* campo :
         {&a.ServidorBD, &a.BancoDados, &a.UsuarioBD, &a.SenhaBD, &a.TipoServidor, &a.ConexaoFirebird})
        confereCampo(*campo, false);
    Confere(!a.conexao || a.conexao->State() != adStateOpen || a.TipoServidor == QLatin1String("SQLITE"));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    new QCoreApplication(*argc, *argv);
    drive = new QTemporaryDir;
    for (const char* pasta : {"odbc", "korva/dados", "korva/config", "Korva/Config", "korva/RELATORIOS"})
        QDir().mkpath(drive->filePath(QString::fromLatin1(pasta)));
    qputenv("PANTORO_DRIVE_C", drive->path().toLocal8Bit());
    qputenv("ODBCSYSINI", drive->filePath(QStringLiteral("odbc")).toLocal8Bit());
    qputenv("ODBCINI", drive->filePath(QStringLiteral("odbc/odbc.ini")).toLocal8Bit());
    // Relative paths are looked up here too: a small folder, not the caller's.
    QDir::setCurrent(drive->path());
    InstalaCaixaDeMensagem(caixa);
    const QByteArray empresa = drive->filePath(QStringLiteral("korva/dados/empresa.db")).toUtf8();
    const char* script = "create table empr (idempr integer, codi_empr text, nome_conh_empr text, PATH_DANFE text);"
                         "insert into empr values (1, '001', 'Tevrano Matriz', null);"
                         "insert into empr values (2, '002', 'Tevrano Filial', 'D:\\NFE\\');";
    sqlite3* banco = nullptr;
    Confere(sqlite3_open(empresa.constData(), &banco) == SQLITE_OK &&
            sqlite3_exec(banco, script, nullptr, nullptr, nullptr) == SQLITE_OK);
    sqlite3_close(banco);
    Confere(sqlite3_open(":memory:", &banco) == SQLITE_OK);
    RegistraTextoSqlite(banco);
    Confere(sqlite3_prepare_v2(banco,
                               "select ?1 like ?2, (?1 collate nocase) = ?2, (?1 collate nocase) < ?2, "
                               "(?2 collate nocase) < ?1, (?1 collate nocase) = ?1 || '  ', "
                               "(?1 collate nocase) = upper(?1)",
                               -1, &comandoLike, nullptr) == SQLITE_OK);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PANTORO_FUZZ_ALVO(data, size);
    return 0;
}
