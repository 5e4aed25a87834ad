#include "Planilha.h"

#include <QRegularExpression>
#include <optional>

namespace {

struct TabelaLida {
    QStringList cabecalho;            // the bold first row of a table of several rows
    QVector<LinhaDoRelatorio> corpo;  // the other rows
};

QVector<TabelaLida> tabelasDe(const QVector<LinhaDoRelatorio>& linhas)
{
    QVector<QVector<LinhaDoRelatorio>> grupos;
    int atual = -1;
    for (const LinhaDoRelatorio& linha : linhas) {
        if (grupos.isEmpty() || linha.tabela != atual)
            grupos.append(QVector<LinhaDoRelatorio>());
        atual = linha.tabela;
        grupos.last().append(linha);
    }
    QVector<TabelaLida> tabelas;
    for (const QVector<LinhaDoRelatorio>& grupo : grupos) {
        TabelaLida tabela;
        tabela.corpo = grupo;
        if (grupo.size() > 1 && grupo.first().negrito) {
            tabela.cabecalho = grupo.first().celulas;
            tabela.corpo.removeFirst();
        }
        tabelas.append(tabela);
    }
    return tabelas;
}

QString aparado(QString texto)
{
    return texto.replace(QChar(0x00A0), u' ').trimmed();
}

bool ehOrdem(const TabelaLida& tabela, const TabelaLida* seguinte)
{
    return !tabela.cabecalho.isEmpty() && tabela.corpo.size() == 1 && seguinte && !seguinte->cabecalho.isEmpty() &&
           seguinte->cabecalho != tabela.cabecalho;
}

// The heading of the one-row order blocks that item tables follow, if any.
std::optional<QStringList> cabecalhoDasOrdens(const QVector<TabelaLida>& dados)
{
    for (int i = 0; i + 1 < dados.size(); ++i)
        if (ehOrdem(dados[i], &dados[i + 1]))
            return dados[i].cabecalho;
    return std::nullopt;
}

class Montagem {
public:
    Montagem(const QLocale& local, const QStringList& titulo) : local_(local), titulo_(titulo) {}

    void novaFolha(const QStringList& cabecalho)
    {
        FolhaPlanilha folha;
        folha.nome = planilha_.folhas.isEmpty() ? QStringLiteral("Relatório")
                                                : QStringLiteral("Resumo %1").arg(planilha_.folhas.size()).trimmed();
        folha.titulo = titulo_;
        folha.cabecalho = cabecalho;
        planilha_.folhas.append(folha);
    }
    bool semFolhas() const { return planilha_.folhas.isEmpty(); }
    FolhaPlanilha& folha() { return planilha_.folhas.last(); }

    // A row of `textos`, put `deslocamento` columns in.
    void linha(const QStringList& textos, bool negrito, int deslocamento = 0)
    {
        LinhaPlanilha linha;
        linha.celulas.resize(deslocamento);
        for (const QString& texto : textos) {
            linha.celulas.append(CelulaDoTexto(texto, local_));
            negrito = negrito || aparado(texto).startsWith(QLatin1String("Total"));
        }
        linha.negrito = negrito;
        folha().linhas.append(linha);
    }

    Planilha termina(const QString& titulo)
    {
        planilha_.titulo = titulo;
        for (FolhaPlanilha& folha : planilha_.folhas)
            textoOndeHaZeros(folha);
        return planilha_;
    }

private:
    // A column that writes zero-padded numbers (order numbers) is text throughout.
    static void textoOndeHaZeros(FolhaPlanilha& folha)
    {
        int colunas = folha.cabecalho.size();
        for (const LinhaPlanilha& linha : folha.linhas)
            colunas = std::max(colunas, int(linha.celulas.size()));
        for (int c = 0; c < colunas; ++c) {
            bool comZeros = false;
            for (const LinhaPlanilha& linha : folha.linhas)
                comZeros = comZeros || (c < linha.celulas.size() && linha.celulas[c].tipo == TipoCelula::Texto &&
                                        linha.celulas[c].texto.size() > 1 && linha.celulas[c].texto.startsWith(u'0') &&
                                        linha.celulas[c].texto.toULongLong() > 0);
            if (!comZeros)
                continue;
            for (LinhaPlanilha& linha : folha.linhas)
                if (c < linha.celulas.size() && linha.celulas[c].tipo == TipoCelula::Numero &&
                    linha.celulas[c].casas == 0 && linha.celulas[c].sufixo.isEmpty())
                    linha.celulas[c].tipo = TipoCelula::Texto;
        }
    }

    const QLocale& local_;
    QStringList titulo_;
    Planilha planilha_;
};

// A cell of the page frame's tables, empty when the file has none there.
QString celulaDoQuadro(const QVector<TabelaLida>& tabelas, int tabela, int linha, int coluna)
{
    if (tabela >= tabelas.size())
        return QString();
    QVector<LinhaDoRelatorio> todas = tabelas[tabela].corpo;
    if (!tabelas[tabela].cabecalho.isEmpty())
        todas.prepend(LinhaDoRelatorio{0, true, tabelas[tabela].cabecalho});
    return linha < todas.size() ? aparado(todas[linha].celulas.value(coluna)) : QString();
}

QStringList tituloDe(const QVector<TabelaLida>& tabelas, const QString& linhaDoPeriodo)
{
    QStringList linhas;
    for (const QString& texto : {celulaDoQuadro(tabelas, 0, 0, 1), celulaDoQuadro(tabelas, 1, 0, 0),
                                 linhaDoPeriodo.isEmpty() ? celulaDoQuadro(tabelas, 1, 1, 0) : linhaDoPeriodo,
                                 celulaDoQuadro(tabelas, 0, 0, 2)})
        if (!texto.isEmpty())
            linhas.append(texto);
    return linhas;
}

}  // namespace

CelulaPlanilha CelulaDoTexto(const QString& texto, const QLocale& local)
{
    CelulaPlanilha celula;
    celula.texto = aparado(texto);
    if (celula.texto.isEmpty())
        return celula;
    static const QRegularExpression data(QStringLiteral(R"(^(\d{2})/(\d{2})/(\d{4})$)"));
    const QRegularExpressionMatch comoData = data.match(celula.texto);
    if (comoData.hasMatch()) {
        celula.data = QDate(comoData.captured(3).toInt(), comoData.captured(2).toInt(), comoData.captured(1).toInt());
        celula.tipo = celula.data.isValid() ? TipoCelula::Data : TipoCelula::Texto;
        return celula;
    }
    const QString separador = QRegularExpression::escape(local.decimalPoint());
    const QRegularExpression numero(QStringLiteral(R"(^(-?\d+)(?:%1(\d+))?( - [^"\\]+)?$)").arg(separador));
    const QRegularExpressionMatch comoNumero = numero.match(celula.texto);
    const bool zeroAEsquerda = celula.texto.size() > 1 && celula.texto.startsWith(u'0') &&
                               comoNumero.captured(2).isEmpty() && comoNumero.captured(1).size() > 1;
    if (!comoNumero.hasMatch() || zeroAEsquerda) {
        celula.tipo = TipoCelula::Texto;
        return celula;
    }
    celula.tipo = TipoCelula::Numero;
    celula.casas = int(comoNumero.captured(2).size());
    celula.numero =
        (comoNumero.captured(1) + u'.' + (celula.casas ? comoNumero.captured(2) : QStringLiteral("0"))).toDouble();
    celula.sufixo = comoNumero.captured(3);
    return celula;
}

Planilha MontaPlanilha(const QVector<LinhaDoRelatorio>& linhas, const QString& linhaDoPeriodo, const QLocale& local)
{
    const QVector<TabelaLida> tabelas = tabelasDe(linhas);
    Montagem montagem(local, tituloDe(tabelas, linhaDoPeriodo));
    const QVector<TabelaLida> dados = tabelas.mid(2);
    const std::optional<QStringList> ordens = cabecalhoDasOrdens(dados);

    std::optional<QStringList> ordem;  // the order block waiting for its item lines
    bool ordemEscrita = true;
    const auto escreveOrdemSozinha = [&] {
        if (ordem && !ordemEscrita)
            montagem.linha(*ordem, false);
        ordemEscrita = true;
    };
    for (int i = 0; i < dados.size(); ++i) {
        const TabelaLida& tabela = dados[i];
        if (montagem.semFolhas())
            montagem.novaFolha(tabela.cabecalho);
        FolhaPlanilha& folha = montagem.folha();
        if (ordens && tabela.cabecalho == *ordens) {
            escreveOrdemSozinha();
            ordem = tabela.corpo.value(0).celulas;
            ordemEscrita = false;
            continue;
        }
        if (ordens && ordem && !tabela.cabecalho.isEmpty()) {
            if (folha.cabecalho.isEmpty() || folha.cabecalho == *ordens)
                folha.cabecalho = *ordens + tabela.cabecalho;
            for (const LinhaDoRelatorio& linha : tabela.corpo)
                montagem.linha(*ordem + linha.celulas, linha.negrito);
            ordemEscrita = true;
            continue;
        }
        escreveOrdemSozinha();
        if (!tabela.cabecalho.isEmpty() && !folha.cabecalho.isEmpty() && tabela.cabecalho != folha.cabecalho &&
            !ordens) {
            montagem.novaFolha(tabela.cabecalho);
        } else if (folha.cabecalho.isEmpty()) {
            folha.cabecalho = tabela.cabecalho;
        }
        // Rows narrower than the heading (the grand total under the item
        // columns) line up with its last columns.
        for (const LinhaDoRelatorio& linha : tabela.corpo)
            montagem.linha(linha.celulas, linha.negrito,
                           ordens ? std::max(0, int(montagem.folha().cabecalho.size() - linha.celulas.size())) : 0);
    }
    escreveOrdemSozinha();
    if (montagem.semFolhas())
        montagem.novaFolha({});
    Planilha planilha = montagem.termina(celulaDoQuadro(tabelas, 1, 0, 0));
    planilha.linhaDoPeriodo = linhaDoPeriodo;
    return planilha;
}
