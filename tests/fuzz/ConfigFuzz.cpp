// The three configuration readers on any file bytes (binary garbage, NUL
// bytes, 1 MB lines, CR-only ends, invalid CP1252/UTF-8): the fuzzed
// server_aplic.ini, server.ini and paths.ini are written in c:\korva\config\
// of a temporary drive, next to a small company database at
// c:\korva\dados\empresa.db, and LerServerAplic + LerPaths, then Conectar,
// run on them. Field values never hold a caret; a message always ends the
// program; only an SQLITE line opens a connection. server.ini never names
// FIREBIRD (the bytes are changed to "FIREBIRd"): a fuzzed host must not be
// looked up; ODBC has no driver registered and fails at once.
#include "Entrada.h"
#include "InstalacaoFuzz.h"
#include "platform/Conversions.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>
#include <cstdlib>
#include <string>

namespace {

InstalacaoFuzz* instalacao = nullptr;

void criaBancoDaEmpresa(const QString& caminho)
{
    sqlite3* banco = nullptr;
    const char* script =
        "create table empr (idempr integer, codi_empr text, nome_conh_empr text, PATH_DANFE text);"
        "insert into empr values (1, '001', 'Tevrano Matriz', null);"
        "insert into empr values (2, '002', 'Tevrano Filial', 'D:\\NFE\\');";
    if (sqlite3_open(caminho.toUtf8().constData(), &banco) != SQLITE_OK ||
        sqlite3_exec(banco, script, nullptr, nullptr, nullptr) != SQLITE_OK)
        std::abort();
    sqlite3_close(banco);
}

QByteArray arquivo(const std::string& bytes)
{
    return Entrada(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), kUmMega);
}

// A field as the readers keep it: no caret inside, and, when trimmed, no
// blank at either end.
void confereCampo(const QString& valor, bool aparado)
{
    if (valor.contains(u'^') || (aparado && Trim(valor) != valor))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    instalacao = new InstalacaoFuzz(argc, argv);
    QDir().mkpath(instalacao->raiz() + QStringLiteral("/korva/dados"));
    criaBancoDaEmpresa(instalacao->raiz() + QStringLiteral("/korva/dados/empresa.db"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The connection goes with each input: Qt's list of connections is gone
    // by the time the module variables would be destroyed at exit.
    struct Libera {
        ~Libera() { ambiente() = Ambiente{}; }
    } libera;
    FuzzedDataProvider entrada(data, size);
    static const char* const ambientes[] = {"PRD", "HIST", "DEV", "", "prd", "."};
    const QString codigo = QString::fromLatin1(entrada.PickValueInArray(ambientes));
    const int16_t idEmpresa = entrada.ConsumeIntegral<int16_t>();
    const QByteArray serverAplic = arquivo(entrada.ConsumeRandomLengthString());
    QByteArray server = arquivo(entrada.ConsumeRandomLengthString());
    server.replace("FIREBIRD", "FIREBIRd");
    const QByteArray paths = arquivo(entrada.ConsumeRemainingBytesAsString());
    instalacao->escreve(QStringLiteral("korva/config/server_aplic.ini"), serverAplic);
    instalacao->escreve(QStringLiteral("korva/config/server.ini"), server);
    instalacao->escreve(QStringLiteral("korva/config/paths.ini"), paths);

    const auto prepara = [&](Ambiente& a) {
        a.CodiAmbiente = codigo;
        a.IdEmpresa = idEmpresa;
    };
    if (instalacao->executa(prepara, [] {
            LerServerAplic();
            LerPaths();
        }))
        std::abort();  // server_aplic.ini is there: nothing to end for
    const Ambiente& a = ambiente();
    confereCampo(a.PrefixoConfig1, true);
    confereCampo(a.PrefixoConfig2, true);
    confereCampo(a.PastaRelatorios, true);
    if (!a.ArqPaths.endsWith(QLatin1String("config\\paths.ini")))
        std::abort();

    if (instalacao->executa(prepara, [] { Conectar(); })) {
        const QString& prompt = instalacao->ultimaMensagem().prompt;
        if (!prompt.startsWith(QStringLiteral("Conteúdo do Arquivo NÃO Encontrado!")) &&
            !prompt.startsWith(QStringLiteral("O Servidor de dados não está respondendo.")))
            std::abort();
        return 0;
    }
    for (const QString* campo : {&a.ServidorBD, &a.BancoDados, &a.UsuarioBD, &a.SenhaBD, &a.TipoServidor,
                                 &a.ConexaoFirebird})
        confereCampo(*campo, false);
    if (a.conexao && a.conexao->State() == adStateOpen && a.TipoServidor != QLatin1String("SQLITE"))
        std::abort();
    return 0;
}
