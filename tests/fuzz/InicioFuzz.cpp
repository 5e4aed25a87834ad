// The caret fields and start-up on any input; each function below is the body
// of the libFuzzer target of its name (CMakeLists.txt defines PANTORO_FUZZ_ALVO).
// Drive C: is a temporary folder (and the working folder) holding a small
// company database; no ODBC driver or data source exists, so an ODBC string
// fails at once instead of reaching a server.
#include "Entrada.h"
#include "platform/Conversions.h"
#include "platform/MessageBox.h"
#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <optional>
#include <sqlite3.h>

namespace {

QTemporaryDir* drive = nullptr;
std::shared_ptr<CaixaGravadora> caixa = std::make_shared<CaixaGravadora>();

void escreve(const QString& caminhoRelativo, const QByteArray& bytes)
{
    QFile file(drive->filePath(caminhoRelativo));
    QDir().mkpath(QFileInfo(file).absolutePath());
    Confere(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
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

// Field n of a caret record as a plain split gives it: "" for n < 1, "."
// when the record has fewer than n carets.
QString campoDeReferencia(const QString& registro, int n)
{
    if (n < 1)
        return QString();
    return registro.count(u'^') < n ? QStringLiteral(".") : registro.section(u'^', n - 1, n - 1);
}

// The caller's text after Campo: left alone when, trimmed, it ends with "^".
QString textoDepois(const QString& original)
{
    const QString aparado = Trim(original);
    return aparado.endsWith(u'^') ? original : aparado + u'^';
}

// Campo with the field number of the first two bytes (Empty for an empty text).
void fuzz_campo_caret(const uint8_t* data, size_t size)
{
    if (size < 2)
        return;
    int16_t n;
    std::memcpy(&n, data, sizeof n);
    const QString original = QString::fromUtf8(Entrada(data + 2, size - 2, kUmMega));
    QString texto = original;
    const Variant campo = Campo(n, texto);
    if (original.isEmpty())
        return Confere(campo.IsEmpty() && texto.isEmpty());
    Confere(texto == textoDepois(original) && campo.IsString() && campo.text() == campoDeReferencia(texto, n));
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

// server_aplic.ini, server.ini and paths.ini from the input, then
// LerServerAplic + LerPaths and Conectar. Only an SQLITE line opens a
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
    escreve(QStringLiteral("korva/config/server_aplic.ini"), arquivo(entrada.ConsumeRandomLengthString()));
    escreve(QStringLiteral("korva/config/server.ini"),
            arquivo(entrada.ConsumeRandomLengthString()).replace("FIREBIRD", "FIREBIRd"));
    escreve(QStringLiteral("korva/config/paths.ini"), arquivo(entrada.ConsumeRemainingBytesAsString()));

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
    QDir().mkpath(drive->filePath(QStringLiteral("odbc")));
    QDir().mkpath(drive->filePath(QStringLiteral("korva/dados")));
    qputenv("PANTORO_DRIVE_C", drive->path().toLocal8Bit());
    qputenv("ODBCSYSINI", drive->filePath(QStringLiteral("odbc")).toLocal8Bit());
    qputenv("ODBCINI", drive->filePath(QStringLiteral("odbc/odbc.ini")).toLocal8Bit());
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
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PANTORO_FUZZ_ALVO(data, size);
    return 0;
}
