// The start-up sequence on any launch string, with no configuration on the
// drive: it reads the user and company ids (16-bit) and the environment from
// fields 1 to 3 and stops at the missing server_aplic.ini with its message,
// or earlier at an empty launch string or an id out of range. No database is
// reached.
#include "CampoDeReferencia.h"
#include "Entrada.h"
#include "InstalacaoFuzz.h"
#include "platform/Conversions.h"

#include <cstdlib>
#include <optional>

namespace {

InstalacaoFuzz* instalacao = nullptr;

std::optional<int16_t> idEsperado(const QString& campo)
{
    try {
        return CInt(Variant::Double(Val(campo)));
    } catch (const VbError&) {
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    instalacao = new InstalacaoFuzz(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString chamada = QString::fromUtf8(Entrada(data, size, kUmMega));
    const auto nada = [](Ambiente&) {};
    if (!instalacao->executa(nada, [&] { IniciarSemJanela(chamada, QStringLiteral("1^1^PRD^")); }))
        std::abort();  // no configuration: start-up always ends
    const QString& prompt = instalacao->ultimaMensagem().prompt;
    const Ambiente& a = ambiente();

    const QString aparado = Trim(chamada);
    if (aparado.isEmpty()) {
        if (prompt != QLatin1String("Chamada Ilegal para esta rotina!"))
            std::abort();
        return 0;
    }
    const QString depois = aparado.endsWith(u'^') ? chamada : aparado + u'^';
    if (a.ParametrosChamada != depois)
        std::abort();
    const std::optional<int16_t> usuario = idEsperado(CampoDeReferencia(depois, 1));
    const std::optional<int16_t> empresa = usuario ? idEsperado(CampoDeReferencia(depois, 2)) : std::nullopt;
    if (!usuario || !empresa) {
        const QString qual = usuario ? QStringLiteral("da empresa") : QStringLiteral("do usuário");
        if (!prompt.startsWith(QStringLiteral("Chamada inválida: o código ") + qual))
            std::abort();
        return 0;
    }
    if (a.IdUsuario != *usuario || a.IdEmpresa != *empresa || a.CodiAmbiente != CampoDeReferencia(depois, 3) ||
        !prompt.contains(QLatin1String("[Falta do Arquivo Server_Aplic]")))
        std::abort();
    return 0;
}
