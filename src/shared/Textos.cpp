#include "Textos.h"

#include "platform/Conversions.h"
#include "platform/VbError.h"

namespace {

constexpr long ChamadaInvalida = 5;  // VB's "Invalid procedure call or argument"

}  // namespace

QString AjustaTamanho(QString& texto, int16_t tamanho, bool alinhaEsquerda)
{
    if (tamanho < 0)
        throw VbError(ChamadaInvalida, QStringLiteral("AjustaTamanho: tamanho negativo (%1)").arg(tamanho));
    texto = Trim(texto);
    if (texto.isEmpty())
        texto = QString(tamanho, QLatin1Char(' '));
    if (texto.length() > tamanho)
        texto = texto.left(tamanho);
    const QString brancos(tamanho - texto.length(), QLatin1Char(' '));
    return alinhaEsquerda ? texto + brancos : brancos + texto;
}
