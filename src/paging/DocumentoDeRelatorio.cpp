#include "DocumentoDeRelatorio.h"

#include "report/MarcasDoRelatorio.h"

#include <cmath>

namespace {

constexpr int TamanhoDoPedacoDeTexto = 1 << 20;
// Rows of a long table that decide its column widths (a year's order list
// is one table of some 25,000 rows).
constexpr int LinhasQueMedemATabela = 50000;

bool mesmoEstilo(const LinhaRelatorio& a, const LinhaRelatorio& b)
{
    return a.tamanhoFontePt == b.tamanhoFontePt && a.negrito == b.negrito && a.familiaFonte == b.familiaFonte;
}

// The share of the width each cell asks for, as the browser grants it: in
// order, until 100% is given out; what comes after gets none.
QVector<double> partes(const LinhaRelatorio& linha)
{
    QVector<double> partes;
    double dado = 0;
    for (const CelulaRelatorio& celula : linha.celulas) {
        partes << std::clamp(celula.larguraPercentual, 0.0, std::max(0.0, 100 - dado));
        dado += celula.larguraPercentual;
    }
    return partes;
}

QVector<int> vaos(const LinhaRelatorio& linha)
{
    QVector<int> vaos;
    for (const CelulaRelatorio& celula : linha.celulas)
        vaos << celula.colunas;
    return vaos;
}

// Widths from the shares, every column at least its minimum: columns below
// it get it, the others share what is left by their shares. A table whose
// minimums do not fit grows, as in the browser, up to `maximo`.
QVector<float> larguras(const QVector<double>& partes, const QVector<double>& minimos, double total, double maximo)
{
    const int n = static_cast<int>(partes.size());
    QVector<bool> fixa(n, false);
    QVector<float> resultado(n, 0);
    double somaMinimos = 0;
    for (double minimo : minimos)
        somaMinimos += minimo;
    if (somaMinimos >= total) {
        total = std::max(total, std::min(somaMinimos, maximo));
        for (int i = 0; i < n; ++i)
            resultado[i] = static_cast<float>(somaMinimos > 0 ? minimos[i] * total / somaMinimos : total / n);
        return resultado;
    }
    for (bool mudou = true; mudou;) {
        mudou = false;
        double livre = total;
        double somaPartes = 0;
        int soltas = 0;
        for (int i = 0; i < n; ++i) {
            if (fixa[i])
                livre -= minimos[i];
            else {
                somaPartes += partes[i];
                ++soltas;
            }
        }
        for (int i = 0; i < n; ++i) {
            if (fixa[i]) {
                resultado[i] = static_cast<float>(minimos[i]);
                continue;
            }
            const double largura = somaPartes > 0 ? livre * partes[i] / somaPartes : livre / soltas;
            resultado[i] = static_cast<float>(largura);
            if (largura < minimos[i]) {
                fixa[i] = true;
                mudou = true;
            }
        }
    }
    return resultado;
}

}  // namespace

DocumentoDeRelatorio::DocumentoDeRelatorio(double larguraUtil) : larguraUtil_(larguraUtil) {}

QStringList DocumentoDeRelatorio::Celulas(int i) const
{
    const LinhaGuardada& linha = LinhaNo(i);
    return texto_[linha.pedacoTexto].mid(linha.inicioTexto, linha.tamanhoTexto).split(Separador);
}

int DocumentoDeRelatorio::BlocosCompletos() const
{
    const int blocos = static_cast<int>(blocos_.size());
    return terminado_ || !blocoAberto_ ? blocos : blocos - 1;
}

void DocumentoDeRelatorio::Termina()
{
    guardaPendentes();
    terminado_ = true;
}

void DocumentoDeRelatorio::iniciaBloco()
{
    blocos_.push_back(Bloco{static_cast<quint32>(linhas_.size()), static_cast<float>(espacoPendente_)});
    espacoPendente_ = 0;
    blocoAberto_ = true;
}

void DocumentoDeRelatorio::Quebra(QuebraRelatorio quebra)
{
    guardaPendentes();
    if (naMoldura_ && quebra == QuebraRelatorio::Paragrafo) {
        naMoldura_ = false;
        linhasMoldura_ = static_cast<int>(linhas_.size());
        for (const LinhaGuardada& linha : linhas_)
            alturaMoldura_ += linha.altura;
        alturaMoldura_ += EspacoParagrafo;
        return;
    }
    if (naMoldura_)
        return;
    blocoAberto_ = false;
    espacoPendente_ += quebra == QuebraRelatorio::Paragrafo ? EspacoParagrafo : EspacoLinha;
}

void DocumentoDeRelatorio::InicioDeTabela(const TabelaRelatorio& tabela)
{
    guardaPendentes();
    if (!naMoldura_ && (!blocoAberto_ || tabela.id.compare(marca::TabelaDoPedido, Qt::CaseInsensitive) == 0))
        iniciaBloco();
    TabelaGuardada nova;
    nova.largura = static_cast<float>(tabela.larguraPx > 0 ? tabela.larguraPx : larguraUtil_);
    nova.x =
        tabela.centralizada && nova.largura < larguraUtil_ ? static_cast<float>((larguraUtil_ - nova.largura) / 2) : 0;
    nova.borda = tabela.borda > 0;
    tabelas_.push_back(nova);
    formas_.clear();
    linhasDaTabela_ = 0;
}

void DocumentoDeRelatorio::FimDeTabela()
{
    guardaPendentes();
}

void DocumentoDeRelatorio::Linha(const LinhaRelatorio& linha)
{
    if (tabelas_.empty())
        InicioDeTabela(TabelaRelatorio());
    pendentes_.push_back(linha);
    if (pendentes_.size() >= LinhasQueMedemATabela)
        guardaPendentes();
}

quint16 DocumentoDeRelatorio::estiloDe(const LinhaRelatorio& linha, double tamanhoPt)
{
    if (!linhas_.empty() && mesmoEstilo(anterior_, linha) && fontes_[linhas_.back().estilo].TamanhoPt() == tamanhoPt)
        return linhas_.back().estilo;
    const QString chave = QStringLiteral("%1|%2|%3").arg(tamanhoPt).arg(linha.negrito).arg(linha.familiaFonte);
    const auto achado = indiceFontes_.constFind(chave);
    if (achado != indiceFontes_.constEnd())
        return achado.value();
    fontes_.emplace_back(tamanhoPt, linha.negrito, linha.familiaFonte);
    const auto indice = static_cast<quint16>(fontes_.size() - 1);
    indiceFontes_.insert(chave, indice);
    return indice;
}

// The widths of the row's shape in the current table; a shape met for the
// first time is measured over the rows still pending (the table's first ones).
int DocumentoDeRelatorio::formaDe(const LinhaRelatorio& linha)
{
    const QVector<double> parte = partes(linha);
    const QVector<int> vao = vaos(linha);
    for (int i = 0; i < formas_.size(); ++i)
        if (formas_[i].partes == parte && formas_[i].vaos == vao)
            return i;
    QVector<double> minimos(parte.size(), 0);
    for (const LinhaRelatorio& outra : pendentes_) {
        if (outra.celulas.size() != linha.celulas.size() || partes(outra) != parte || vaos(outra) != vao)
            continue;
        const FonteDePagina& fonte = fontes_[estiloDe(outra, outra.tamanhoFontePt)];
        for (int i = 0; i < outra.celulas.size(); ++i)
            minimos[i] = std::max(minimos[i], fonte.MaiorPalavra(outra.celulas[i].texto) + 2 * Margem);
    }
    // Longest words wider together than the page: the text shrinks until
    // they fit, rather than break inside a word or run off the paper.
    double soma = 0;
    for (const double minimo : minimos)
        soma += minimo;
    const double margens = 2 * Margem * static_cast<double>(minimos.size());
    double escala = 1;
    if (soma > larguraUtil_ && larguraUtil_ > margens) {
        escala = (larguraUtil_ - margens) / (soma - margens);
        for (double& minimo : minimos)
            minimo = std::max(0.0, minimo - 2 * Margem) * escala + 2 * Margem;
    }
    formas_.push_back(Forma{parte, vao, larguras(parte, minimos, tabelas_.back().largura, larguraUtil_), escala});
    return static_cast<int>(formas_.size() - 1);
}

quint32 DocumentoDeRelatorio::colunasDe(const LinhaRelatorio& linha, const Forma& forma)
{
    const TabelaGuardada& tabela = tabelas_.back();
    double largura = 0;
    for (const float coluna : forma.larguras)
        largura += coluna;
    // A table grown past its width stays centred on the page.
    const double inicio = largura > tabela.largura ? std::max(0.0, (larguraUtil_ - largura) / 2) : tabela.x;
    QString chave = QString::number(inicio) + QLatin1Char(':');
    for (int i = 0; i < linha.celulas.size(); ++i)
        chave += QString::number(forma.larguras[i], 'f', 2) + QLatin1Char('/') +
                 QString::number(int(linha.celulas[i].alinhamento)) + QLatin1Char(';');
    const auto achado = indiceColunas_.constFind(chave);
    if (achado != indiceColunas_.constEnd())
        return achado.value();
    QVector<Coluna> colunas;
    double x = inicio;
    for (int i = 0; i < linha.celulas.size(); ++i) {
        colunas << Coluna{static_cast<float>(x), forma.larguras[i], linha.celulas[i].alinhamento};
        x += forma.larguras[i];
    }
    colunas_ << colunas;
    const auto indice = static_cast<quint32>(colunas_.size() - 1);
    indiceColunas_.insert(chave, indice);
    return indice;
}

void DocumentoDeRelatorio::guardaPendentes()
{
    for (const LinhaRelatorio& linha : pendentes_)
        guarda(linha);
    pendentes_.clear();
}

void DocumentoDeRelatorio::guarda(const LinhaRelatorio& linha)
{
    if (!naMoldura_ && !blocoAberto_)
        iniciaBloco();
    const bool mesmaFormaQueAAnterior =
        linhasDaTabela_ > 0 && anterior_.celulas.size() == linha.celulas.size() &&
        std::equal(linha.celulas.begin(), linha.celulas.end(), anterior_.celulas.begin(),
                   [](const CelulaRelatorio& a, const CelulaRelatorio& b) {
                       return a.larguraPercentual == b.larguraPercentual && a.colunas == b.colunas &&
                              a.alinhamento == b.alinhamento;
                   });
    LinhaGuardada guardada{};
    guardada.tabela = static_cast<quint32>(tabelas_.size() - 1);
    if (!mesmaFormaQueAAnterior) {
        formaAnterior_ = formaDe(linha);
        colunasAnteriores_ = colunasDe(linha, formas_[formaAnterior_]);
    }
    guardada.colunas = colunasAnteriores_;
    // A shrunk table's text a tenth of a point smaller still, so that its
    // longest words fit their columns whatever the rounding of the advances.
    const double escala = formas_[formaAnterior_].escalaDoTexto;
    guardada.estilo =
        estiloDe(linha, escala < 1 ? std::floor(linha.tamanhoFontePt * escala * 10 - 1) / 10 : linha.tamanhoFontePt);
    const FonteDePagina& fonte = fontes_[guardada.estilo];
    const QVector<Coluna>& colunas = colunas_[guardada.colunas];

    int linhasDeTexto = 1;
    qsizetype tamanho = linha.celulas.size();
    for (int i = 0; i < linha.celulas.size(); ++i) {
        const QString& texto = linha.celulas[i].texto;
        tamanho += texto.size();
        const double espaco = colunas[i].largura - 2 * Margem;
        if (fonte.Largura(texto) > espaco)
            linhasDeTexto = std::max(linhasDeTexto, static_cast<int>(fonte.Quebra(texto, espaco).size()));
    }
    guardada.quebraTexto = linhasDeTexto > 1;
    guardada.altura = static_cast<float>(linhasDeTexto * fonte.AlturaDaLinha() + 2 * Margem);

    if (texto_.empty() || texto_.back().size() + tamanho > TamanhoDoPedacoDeTexto) {
        texto_.emplace_back();
        texto_.back().reserve(std::max<qsizetype>(TamanhoDoPedacoDeTexto, tamanho));
    }
    QString& pedaco = texto_.back();
    guardada.pedacoTexto = static_cast<quint32>(texto_.size() - 1);
    guardada.inicioTexto = static_cast<quint32>(pedaco.size());
    for (int i = 0; i < linha.celulas.size(); ++i) {
        if (i > 0)
            pedaco += Separador;
        pedaco += linha.celulas[i].texto;
    }
    guardada.tamanhoTexto = static_cast<quint32>(pedaco.size() - guardada.inicioTexto);

    if (linhasDaTabela_ == 0 && linha.negrito)
        tabelas_.back().cabecalho = static_cast<qint32>(linhas_.size());
    linhas_.push_back(guardada);
    anterior_ = linha;
    ++linhasDaTabela_;
}
