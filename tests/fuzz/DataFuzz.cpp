// IsDate, LerData and the date masks of Format on any text; a date read is
// written and read back unchanged. The first 8 bytes also go in as a serial.
#include "Entrada.h"
#include "platform/Conversions.h"
#include "platform/Format.h"
#include "platform/VbError.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString texto = QString::fromUtf8(Entrada(data, size, k64K));
    const auto lida = LerData(texto);
    if (lida.has_value() != IsDate(texto))
        std::abort();
    if (lida) {
        const QString escrita = Format(*lida, QStringLiteral("dd/mm/yyyy hh:mm:ss"));
        const auto relida = LerData(escrita);
        if (!relida || relida->date() != lida->date() || relida->time() != lida->time())
            std::abort();
    }
    for (const char* mascara : {"dd/mm/yyyy", "yyyymmdd 00:00", "yyyymmdd 23:59"})
        Format(texto, QString::fromLatin1(mascara));

    if (size >= sizeof(double)) {
        double serial = 0;
        std::memcpy(&serial, data, sizeof serial);
        try {
            const QDateTime d = CDate(Variant::Double(serial));
            Format(d, QStringLiteral("dd/mm/yyyy hh:mm:ss"));
            Format(Variant::Double(serial), QStringLiteral("###0.00"));
        } catch (const VbError& erro) {
            if (erro.Number() != vb_error::Overflow)
                std::abort();
        }
    }
    return 0;
}
