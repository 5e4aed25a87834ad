#include "PintorDePaginas.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

using Item = Paginacao::Item;

constexpr double EspessuraDaGrade = 0.75;

// A run of rows of one table, one right under the other.
struct Trecho {
    const Item* inicio;
    const Item* fim;
};

class Pintor {
public:
    Pintor(QPainter& pintor, const DocumentoDeRelatorio& documento)
        : p_(pintor), doc_(documento), k_(pintor.device()->logicalDpiY() / 96.0)
    {}

    void pintaItens(const QVector<Item>& itens)
    {
        const Item* fim = itens.constData() + itens.size();
        for (const Item* inicio = itens.constData(); inicio < fim;) {
            const Item* final = inicio + 1;
            while (final < fim && continua(*(final - 1), *final))
                ++final;
            pintaTrecho(Trecho{inicio, final});
            inicio = final;
        }
    }

    void pintaRodape(const QString& texto, double alturaUtil, double largura)
    {
        static const FonteDePagina fonte(8, false, QString());
        p_.setFont(fonte.Fonte());
        const double y = alturaUtil - Paginacao::AlturaDoRodape +
                         (Paginacao::AlturaDoRodape - fonte.AlturaDaLinha()) / 2 + fonte.Ascendente();
        fonte.Desenha(p_, QPointF((largura - fonte.Largura(texto)) / 2, y), texto, k_);
    }

    // Draws the rows' glyphs gathered so far: they go in runs of rows of one
    // font, in reading order.
    void DesenhaGlifos()
    {
        if (fonteDosGlifos_)
            fonteDosGlifos_->Desenha(p_, glifos_, k_);
        glifos_ = FonteDePagina::Glifos();
    }

private:
    const DocumentoDeRelatorio::LinhaGuardada& linha(const Item& item) const
    {
        return doc_.LinhaNo(static_cast<int>(item.linha));
    }

    double pontos(double pixels) const { return EmPontos(pixels, k_); }

    bool continua(const Item& anterior, const Item& item) const
    {
        return linha(anterior).tabela == linha(item).tabela &&
               qAbs(anterior.y + linha(anterior).altura - item.y) < 0.01;
    }

    void pintaTrecho(const Trecho& trecho)
    {
        const auto& tabela = doc_.TabelaNo(static_cast<int>(linha(*trecho.inicio).tabela));
        if (tabela.borda)
            pintaGrade(trecho, tabela);
        for (const Item* item = trecho.inicio; item < trecho.fim; ++item)
            pintaTextos(*item);
    }

    void pintaGrade(const Trecho& trecho, const DocumentoDeRelatorio::TabelaGuardada& tabela)
    {
        QPen caneta(Qt::black);
        caneta.setWidthF(EspessuraDaGrade * k_);
        p_.setPen(caneta);
        // One line across the row above every row and below the last.
        double esquerda = pontos(tabela.x);
        double direita = pontos(tabela.x + tabela.largura);
        for (const Item* item = trecho.inicio; item < trecho.fim; ++item) {
            const auto& colunas = doc_.ColunasDe(linha(*item));
            if (!colunas.isEmpty()) {
                esquerda = pontos(colunas.first().x);
                direita = pontos(colunas.last().x + colunas.last().largura);
            }
            p_.drawLine(QPointF(esquerda, pontos(item->y)), QPointF(direita, pontos(item->y)));
        }
        const Item& ultimo = *(trecho.fim - 1);
        const double base = pontos(ultimo.y + linha(ultimo).altura);
        p_.drawLine(QPointF(esquerda, base), QPointF(direita, base));
        // One line down every column boundary while the rows keep their columns.
        for (const Item* inicio = trecho.inicio; inicio < trecho.fim;) {
            const Item* fim = inicio + 1;
            while (fim < trecho.fim && linha(*fim).colunas == linha(*inicio).colunas)
                ++fim;
            const double topo = pontos(inicio->y);
            const double baixo = pontos((fim - 1)->y + linha(*(fim - 1)).altura);
            const auto& colunas = doc_.ColunasDe(linha(*inicio));
            for (const auto& coluna : colunas)
                p_.drawLine(QPointF(pontos(coluna.x), topo), QPointF(pontos(coluna.x), baixo));
            if (!colunas.isEmpty()) {
                const double x = pontos(colunas.last().x + colunas.last().largura);
                p_.drawLine(QPointF(x, topo), QPointF(x, baixo));
            }
            inicio = fim;
        }
    }

    void pintaTextos(const Item& item)
    {
        const auto& guardada = linha(item);
        const FonteDePagina& fonte = doc_.FonteDe(guardada);
        if (&fonte != fonteAtual_) {
            p_.setFont(fonte.Fonte());
            fonteAtual_ = &fonte;
        }
        p_.setPen(Qt::black);
        const QStringList celulas = doc_.Celulas(static_cast<int>(item.linha));
        const auto& colunas = doc_.ColunasDe(guardada);
        const double margem = DocumentoDeRelatorio::Margem;
        for (int i = 0; i < celulas.size() && i < colunas.size(); ++i) {
            const QString& texto = celulas[i];
            if (texto.isEmpty() || texto == QChar(0x00A0))
                continue;
            const auto& coluna = colunas[i];
            const double espaco = coluna.largura - 2 * margem;
            double y = item.y + margem + fonte.Ascendente();
            if (!guardada.quebraTexto || fonte.Largura(texto) <= espaco) {
                pintaLinha(texto, fonte, coluna, y);
                continue;
            }
            for (const QStringView parte : fonte.Quebra(texto, espaco)) {
                pintaLinha(parte, fonte, coluna, y);
                y += fonte.AlturaDaLinha();
            }
        }
    }

    // One line of a cell's text at baseline `y`, placed by the cell's alignment.
    void pintaLinha(QStringView texto, const FonteDePagina& fonte, const DocumentoDeRelatorio::Coluna& coluna, double y)
    {
        const double margem = DocumentoDeRelatorio::Margem;
        const double largura = fonte.Largura(texto);
        double x = coluna.x + margem;
        if (coluna.alinhamento == AlinhamentoCelula::Direita)
            x = coluna.x + coluna.largura - margem - largura;
        else if (coluna.alinhamento == AlinhamentoCelula::Centro)
            x = coluna.x + (coluna.largura - largura) / 2;
        if (&fonte != fonteDosGlifos_) {
            DesenhaGlifos();
            fonteDosGlifos_ = &fonte;
        }
        if (!fonte.Junta(glifos_, QPointF(x, y), texto, k_))
            fonte.Desenha(p_, QPointF(x, y), texto, k_);
    }

    QPainter& p_;
    const DocumentoDeRelatorio& doc_;
    const double k_;
    const FonteDePagina* fonteAtual_ = nullptr;
    const FonteDePagina* fonteDosGlifos_ = nullptr;
    FonteDePagina::Glifos glifos_;
};

}  // namespace

void PintaPagina(QPainter& pintor, const DocumentoDeRelatorio& documento, const Paginacao& paginacao, int pagina)
{
    Pintor pinta(pintor, documento);
    pinta.pintaItens(paginacao.ItensDaPagina(pagina));
    pinta.DesenhaGlifos();
    pinta.pintaRodape(paginacao.Rodape(pagina), paginacao.AlturaUtil(), documento.LarguraUtil());
}
