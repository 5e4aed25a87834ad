#include "Paginacao.h"

Paginacao::Paginacao(double alturaUtil) : alturaUtil_(alturaUtil) {}

Paginacao::Pagina Paginacao::ItensDaPagina(int i) const
{
    return moldura_ + paginas_[static_cast<size_t>(i)];
}

QString Paginacao::Rodape(int i) const
{
    if (!terminada_)
        return QStringLiteral("Página %1").arg(i + 1);
    return QStringLiteral("Página %1 de %2").arg(i + 1).arg(Total());
}

void Paginacao::novaPagina()
{
    paginas_.emplace_back();
    y_ = topo_;
}

void Paginacao::poe(const DocumentoEmBlocos& documento, quint32 linha)
{
    paginas_.back().push_back(Item{linha, static_cast<float>(y_)});
    y_ += documento.AlturaDaLinha(static_cast<int>(linha));
}

void Paginacao::poeQuebrando(const DocumentoEmBlocos& documento, quint32 inicio, quint32 fim)
{
    for (quint32 i = inicio; i < fim; ++i) {
        const int cabecalho = documento.CabecalhoDaTabelaDe(static_cast<int>(i));
        double precisa = documento.AlturaDaLinha(static_cast<int>(i));
        // Column headings never stay alone at the foot of a page.
        if (cabecalho == static_cast<int>(i) && i + 1 < fim &&
            documento.CabecalhoDaTabelaDe(static_cast<int>(i + 1)) == cabecalho)
            precisa += documento.AlturaDaLinha(static_cast<int>(i + 1));
        if (y_ + precisa > fimDoCorpo_ && y_ > topo_) {
            novaPagina();
            if (cabecalho >= 0 && cabecalho < static_cast<int>(i))
                poe(documento, static_cast<quint32>(cabecalho));
        }
        poe(documento, i);
    }
}

void Paginacao::Continua(const DocumentoEmBlocos& documento)
{
    if (!iniciada_) {
        if (!documento.Terminado() && documento.BlocosCompletos() == 0)
            return;  // the frame's height is known once the body begins
        iniciada_ = true;
        double y = 0;
        for (int i = 0; i < documento.LinhasDaMoldura(); ++i) {
            moldura_.push_back(Item{static_cast<quint32>(i), static_cast<float>(y)});
            y += documento.AlturaDaLinha(i);
        }
        topo_ = documento.AlturaDaMoldura();
        fimDoCorpo_ = alturaUtil_ - AlturaDoRodape;
        novaPagina();
    }
    const auto& blocos = documento.Blocos();
    const int completos = documento.BlocosCompletos();
    for (; proximoBloco_ < completos; ++proximoBloco_) {
        const auto& bloco = blocos[static_cast<size_t>(proximoBloco_)];
        const quint32 fim = proximoBloco_ + 1 < static_cast<int>(blocos.size())
                                ? blocos[static_cast<size_t>(proximoBloco_ + 1)].primeiraLinha
                                : static_cast<quint32>(documento.QuantasLinhas());
        double altura = 0;
        for (quint32 i = bloco.primeiraLinha; i < fim; ++i)
            altura += documento.AlturaDaLinha(static_cast<int>(i));
        const double espaco = y_ > topo_ ? bloco.espacoAntes : 0;
        if (y_ + espaco + altura <= fimDoCorpo_) {
            y_ += espaco;
        } else if (altura <= fimDoCorpo_ - topo_) {
            novaPagina();
        } else {
            y_ += espaco;
            poeQuebrando(documento, bloco.primeiraLinha, fim);
            continue;
        }
        for (quint32 i = bloco.primeiraLinha; i < fim; ++i)
            poe(documento, i);
    }
    terminada_ = documento.Terminado() && proximoBloco_ == static_cast<int>(blocos.size());
}
