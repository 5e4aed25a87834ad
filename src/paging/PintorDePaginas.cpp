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
    {
    }

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
        const double y =
            alturaUtil - Paginacao::AlturaDoRodape + (Paginacao::AlturaDoRodape - fonte.AlturaDaLinha()) / 2 + fonte.Ascendente();
        fonte.Desenha(p_, QPointF((largura - fonte.Largura(texto)) / 2 * k_, y * k_), texto, k_);
    }

private:
    const DocumentoDeRelatorio::LinhaGuardada& linha(const Item& item) const
    {
        return doc_.LinhaNo(static_cast<int>(item.linha));
    }

    bool continua(const Item& anterior, const Item& item) const
    {
        return linha(anterior).tabela == linha(item).tabela && qAbs(anterior.y + linha(anterior).altura - item.y) < 0.01;
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
        double esquerda = tabela.x * k_;
        double direita = (tabela.x + tabela.largura) * k_;
        for (const Item* item = trecho.inicio; item < trecho.fim; ++item) {
            const auto& colunas = doc_.ColunasDe(linha(*item));
            if (!colunas.isEmpty()) {
                esquerda = colunas.first().x * k_;
                direita = (colunas.last().x + colunas.last().largura) * k_;
            }
            p_.drawLine(QPointF(esquerda, item->y * k_), QPointF(direita, item->y * k_));
        }
        const Item& ultimo = *(trecho.fim - 1);
        const double base = (ultimo.y + linha(ultimo).altura) * k_;
        p_.drawLine(QPointF(esquerda, base), QPointF(direita, base));
        // One line down every column boundary while the rows keep their columns.
        for (const Item* inicio = trecho.inicio; inicio < trecho.fim;) {
            const Item* fim = inicio + 1;
            while (fim < trecho.fim && linha(*fim).colunas == linha(*inicio).colunas)
                ++fim;
            const double topo = inicio->y * k_;
            const double baixo = ((fim - 1)->y + linha(*(fim - 1)).altura) * k_;
            const auto& colunas = doc_.ColunasDe(linha(*inicio));
            for (const auto& coluna : colunas)
                p_.drawLine(QPointF(coluna.x * k_, topo), QPointF(coluna.x * k_, baixo));
            if (!colunas.isEmpty()) {
                const double x = (colunas.last().x + colunas.last().largura) * k_;
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
        fonte.Desenha(p_, QPointF(x * k_, y * k_), texto, k_);
    }

    QPainter& p_;
    const DocumentoDeRelatorio& doc_;
    const double k_;
    const FonteDePagina* fonteAtual_ = nullptr;
};

}  // namespace

QString TextoDoRodape(int pagina, int total)
{
    if (total <= 0)
        return QStringLiteral("Página %1").arg(pagina);
    return QStringLiteral("Página %1 de %2").arg(pagina).arg(total);
}

void PintaPagina(QPainter& pintor, const DocumentoDeRelatorio& documento, const Paginacao& paginacao, int pagina,
                 int total)
{
    Pintor pinta(pintor, documento);
    QVector<Item> moldura;
    double y = 0;
    for (int i = 0; i < documento.LinhasDaMoldura(); ++i) {
        moldura.push_back(Item{static_cast<quint32>(i), static_cast<float>(y)});
        y += documento.LinhaNo(i).altura;
    }
    pinta.pintaItens(moldura);
    pinta.pintaItens(paginacao.PaginaNo(pagina));
    pinta.pintaRodape(TextoDoRodape(pagina + 1, total), paginacao.AlturaUtil(), documento.LarguraUtil());
}
