#include "SaidaDoRelatorio.h"

#include "platform/TextFile.h"

#include <QScopeGuard>

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
    linhas_ = 0;
    // Emptied even when the write fails, so a failed write is not tried
    // again; the capacity stays for the next batch.
    const auto esvazia = qScopeGuard([this] { lote_.resize(0); });
    AcrescentaLinha(arquivo, lote_);
}
