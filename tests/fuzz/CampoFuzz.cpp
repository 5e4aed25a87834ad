// Campo on any text and any field number (negative, 0, up to 32767): the
// caller's text ends, once trimmed, with "^", and the field agrees with a
// plain split at "^".
#include "CampoDeReferencia.h"
#include "Entrada.h"
#include "platform/Conversions.h"
#include "startup/Ambiente.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    int16_t n;
    std::memcpy(&n, data, sizeof n);
    const QString original = QString::fromUtf8(Entrada(data + 2, size - 2, kUmMega));
    QString texto = original;
    const Variant campo = Campo(n, texto);

    if (original.isEmpty()) {
        if (!campo.IsEmpty() || !texto.isEmpty())
            std::abort();
        return 0;
    }
    const QString aparado = Trim(original);
    const QString esperadoDepois = aparado.endsWith(u'^') ? original : aparado + u'^';
    if (texto != esperadoDepois || !campo.IsString())
        std::abort();
    // The reference never holds a caret: neither does a field that equals it.
    if (campo.text() != CampoDeReferencia(texto, n))
        std::abort();
    return 0;
}
