#include "RodapeDaPagina.h"

#include "paging/FonteDePagina.h"
#include "paging/Paginacao.h"

#include <QPainter>

namespace {

const FonteDePagina& fonteDoRodape()
{
    static const FonteDePagina fonte(8, false, QString());
    return fonte;
}

// Room kept for the page number beside the period line, whatever the count.
double larguraDoNumero()
{
    return fonteDoRodape().Largura(u"Página 0000 de 0000") + 16;
}

}  // namespace

RodapeDaPagina::RodapeDaPagina(double largura, const QString& linhaDoPeriodo) : largura_(largura)
{
    if (linhaDoPeriodo.isEmpty())
        return;
    for (const QStringView linha : fonteDoRodape().Quebra(linhaDoPeriodo, largura - larguraDoNumero()))
        linhas_ << linha.toString();
}

double RodapeDaPagina::Altura() const
{
    return Paginacao::AlturaDoRodape + std::max<qsizetype>(0, linhas_.size() - 1) * fonteDoRodape().AlturaDaLinha();
}

void RodapeDaPagina::Pinta(QPainter& pintor, const QString& numeroDaPagina, double alturaUtil, double k) const
{
    const FonteDePagina& fonte = fonteDoRodape();
    pintor.setFont(fonte.Fonte());
    double y = alturaUtil - Altura() + (Paginacao::AlturaDoRodape - fonte.AlturaDaLinha()) / 2 + fonte.Ascendente();
    if (linhas_.isEmpty()) {
        fonte.Desenha(pintor, QPointF((largura_ - fonte.Largura(numeroDaPagina)) / 2, y), numeroDaPagina, k);
        return;
    }
    for (const QString& linha : linhas_) {
        fonte.Desenha(pintor, QPointF(0, y), linha, k);
        y += fonte.AlturaDaLinha();
    }
    y -= fonte.AlturaDaLinha();
    fonte.Desenha(pintor, QPointF(largura_ - fonte.Largura(numeroDaPagina), y), numeroDaPagina, k);
}
