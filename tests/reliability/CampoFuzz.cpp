// The launch string's field reader on any text and field number, against
// QString::split: the caller's text gets its closing caret, and the field
// returned is the one split finds ("." past the last caret, "" for n < 1).
#include "../fuzz/Entrada.h"
#include "platform/Conversions.h"
#include "startup/Ambiente.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int16_t n = static_cast<int16_t>(data[0] | (data[1] << 8));
    const QString chamada = QString::fromUtf8(Entrada(data + 2, size - 2, kUmMega / 8));
    QString texto = chamada;
    const Variant campo = Campo(n, texto);
    if (chamada.isEmpty()) {
        if (!campo.IsEmpty() || !texto.isEmpty())
            std::abort();
        return 0;
    }
    const QString aparado = Trim(chamada);
    if (texto != (aparado.endsWith(u'^') ? chamada : aparado + u'^'))
        std::abort();
    const QStringList campos = texto.split(u'^');
    const QString esperado = n < 1 ? QString() : n < campos.size() ? campos[n - 1] : QStringLiteral(".");
    if (!campo.IsString() || campo.text() != esperado)
        std::abort();
    return 0;
}
