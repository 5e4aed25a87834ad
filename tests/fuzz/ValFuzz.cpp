// Val, CDbl and CInt on any text; CStr of the number read comes back to it.
#include "Entrada.h"
#include "platform/Conversions.h"
#include "platform/UserLocale.h"
#include "platform/VbError.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString texto = QString::fromUtf8(Entrada(data, size, k64K));
    for (const char* locale : {"pt_BR", "en_US"}) {
        DefinirLocaleUsuario(QLocale(QString::fromLatin1(locale)));
        const double n = Val(texto);
        if (std::isnan(n))
            std::abort();
        if (std::isfinite(n)) {
            const QString escrito = CStr(Variant::Double(n));
            // CStr keeps 15 significant digits; Val reads only ".".
            const double relido = Val(QString(escrito).replace(SeparadorDecimal(), QStringLiteral(".")));
            if (std::fabs(relido - n) > 1e-14 * std::fabs(n))
                std::abort();
        }
        try {
            CStr(Variant::Double(CDbl(texto)));
            CInt(texto);
        } catch (const VbError& erro) {
            if (erro.Number() != vb_error::TypeMismatch && erro.Number() != vb_error::Overflow)
                std::abort();
        }
    }
    return 0;
}
