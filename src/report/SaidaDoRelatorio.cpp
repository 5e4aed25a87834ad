#include "SaidaDoRelatorio.h"

#include "platform/TextFile.h"

#include <utility>

namespace {

constexpr qsizetype TamanhoDoLote = 1 << 16;

}  // namespace

void SaidaDoRelatorio::Escreve(const QString& linha)
{
    if (!emLotes_) {
        AcrescentaLinha(arquivo, linha);
        return;
    }
    // Each line but the last of a batch ends as its own write would end it.
    if (linhas_ > 0)
        lote_ += QStringLiteral("\r\n");
    lote_ += linha;
    ++linhas_;
    if (lote_.size() >= TamanhoDoLote)
        Descarrega();
}

void SaidaDoRelatorio::Descarrega()
{
    if (linhas_ == 0)
        return;
    // Taken before the write: a failed write is not tried again.
    const QString texto = std::exchange(lote_, QString());
    linhas_ = 0;
    AcrescentaLinha(arquivo, texto);
}
