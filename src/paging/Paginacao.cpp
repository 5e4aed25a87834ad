#include "Paginacao.h"

Paginacao::Paginacao(double alturaUtil) : alturaUtil_(alturaUtil) {}

void Paginacao::novaPagina()
{
    paginas_.emplace_back();
    y_ = topo_;
}

void Paginacao::poe(const DocumentoDeRelatorio& documento, quint32 linha)
{
    paginas_.back().push_back(Item{linha, static_cast<float>(y_)});
    y_ += documento.LinhaNo(static_cast<int>(linha)).altura;
}

void Paginacao::poeQuebrando(const DocumentoDeRelatorio& documento, quint32 inicio, quint32 fim)
{
    for (quint32 i = inicio; i < fim; ++i) {
        const auto& linha = documento.LinhaNo(static_cast<int>(i));
        const auto& tabela = documento.TabelaNo(static_cast<int>(linha.tabela));
        double precisa = linha.altura;
        // Column headings never stay alone at the foot of a page.
        if (tabela.cabecalho == static_cast<qint32>(i) && i + 1 < fim &&
            documento.LinhaNo(static_cast<int>(i + 1)).tabela == linha.tabela)
            precisa += documento.LinhaNo(static_cast<int>(i + 1)).altura;
        if (y_ + precisa > fimDoCorpo_ && y_ > topo_) {
            novaPagina();
            if (tabela.cabecalho >= 0 && tabela.cabecalho < static_cast<qint32>(i))
                poe(documento, static_cast<quint32>(tabela.cabecalho));
        }
        poe(documento, i);
    }
}

void Paginacao::Continua(const DocumentoDeRelatorio& documento)
{
    if (!iniciada_) {
        if (!documento.Terminado() && documento.BlocosCompletos() == 0)
            return;  // the frame's height is known once the body begins
        iniciada_ = true;
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
            altura += documento.LinhaNo(static_cast<int>(i)).altura;
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
