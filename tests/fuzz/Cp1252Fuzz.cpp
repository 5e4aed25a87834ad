// The code page both ways and the config decoder on any bytes: every byte
// survives CP1252 there and back; decoding never yields more characters than
// bytes. Each byte is mapped alone, so 4 KB inputs are long enough here (the
// line reader's target takes 1 MB).
#include "Entrada.h"
#include "platform/Cp1252.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Entrada(data, size, k4K);
    if (ParaCp1252(DeCp1252(bytes)) != bytes)
        std::abort();
    const QString texto = DecodificaTextoConfig(bytes);
    if (texto.size() > bytes.size())
        std::abort();
    ParaCp1252(QString::fromUtf8(bytes));
    return 0;
}
