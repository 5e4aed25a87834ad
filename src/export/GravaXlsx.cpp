#include "GravaXlsx.h"

#include "platform/ArquivoDeSaida.h"

#include <QFile>
#include <QHash>
#include <xlsxwriter.h>

namespace {

constexpr double LarguraMinima = 6;
constexpr double LarguraMaxima = 60;
constexpr lxw_color_t FundoDoCabecalho = 0xD9D9D9;

// The workbook's formats, made once per combination.
class Formatos {
public:
    explicit Formatos(lxw_workbook* livro) : livro_(livro) {}

    lxw_format* celula(const CelulaPlanilha& celula, bool negrito)
    {
        QString numero;
        if (celula.tipo == TipoCelula::Data)
            numero = QStringLiteral("dd/mm/yyyy");
        else if (celula.tipo == TipoCelula::Numero && !celula.sufixo.isEmpty())
            numero =
                (celula.casas == 0 ? QStringLiteral("0") : QStringLiteral("General")) + u'"' + celula.sufixo + u'"';
        else if (celula.tipo == TipoCelula::Numero && celula.casas == 2)
            numero = QStringLiteral("#,##0.00");
        return formato(numero, negrito, alinhamentoDe(celula.tipo), 0);
    }
    lxw_format* cabecalho(TipoCelula tipo) { return formato(QString(), true, alinhamentoDe(tipo), FundoDoCabecalho); }
    lxw_format* titulo(int tamanho) { return formato(QString(), true, LXW_ALIGN_NONE, 0, tamanho); }

private:
    // Numbers on the right, dates centred, texts a little off the left
    // border so they do not run into the number beside them.
    static lxw_format_alignments alinhamentoDe(TipoCelula tipo)
    {
        switch (tipo) {
        case TipoCelula::Numero:
            return LXW_ALIGN_RIGHT;
        case TipoCelula::Data:
            return LXW_ALIGN_CENTER;
        default:
            return LXW_ALIGN_LEFT;
        }
    }

    lxw_format* formato(const QString& numero, bool negrito, lxw_format_alignments alinhamento, lxw_color_t fundo,
                        int tamanho = 0)
    {
        const QString chave =
            QStringLiteral("%1|%2|%3|%4|%5").arg(numero).arg(negrito).arg(alinhamento).arg(fundo).arg(tamanho);
        lxw_format*& existente = feitos_[chave];
        if (existente)
            return existente;
        existente = workbook_add_format(livro_);
        if (!numero.isEmpty())
            format_set_num_format(existente, numero.toUtf8().constData());
        if (negrito)
            format_set_bold(existente);
        if (alinhamento != LXW_ALIGN_NONE)
            format_set_align(existente, alinhamento);
        if (alinhamento == LXW_ALIGN_LEFT)
            format_set_indent(existente, 1);
        if (fundo) {
            format_set_bg_color(existente, fundo);
            format_set_bottom(existente, LXW_BORDER_THIN);
        }
        if (tamanho)
            format_set_font_size(existente, tamanho);
        return existente;
    }

    lxw_workbook* livro_;
    QHash<QString, lxw_format*> feitos_;
};

int colunasDe(const FolhaPlanilha& folha)
{
    int colunas = folha.cabecalho.size();
    for (const LinhaPlanilha& linha : folha.linhas)
        colunas = std::max(colunas, int(linha.celulas.size()));
    return colunas;
}

// What a column holds, for its heading's alignment: numbers or dates when
// every filled cell is one, else text.
TipoCelula tipoDaColuna(const FolhaPlanilha& folha, int coluna)
{
    TipoCelula tipoDaColuna = TipoCelula::Texto;
    bool primeira = true;
    for (const LinhaPlanilha& linha : folha.linhas) {
        const TipoCelula tipo = coluna < linha.celulas.size() ? linha.celulas[coluna].tipo : TipoCelula::Vazia;
        if (tipo == TipoCelula::Vazia)
            continue;
        if (!primeira && tipo != tipoDaColuna)
            return TipoCelula::Texto;
        tipoDaColuna = tipo;
        primeira = false;
    }
    return tipoDaColuna;
}

double largura(const FolhaPlanilha& folha, int coluna)
{
    int maior = folha.cabecalho.value(coluna).size();
    for (const LinhaPlanilha& linha : folha.linhas)
        if (coluna < linha.celulas.size())
            maior = std::max(maior, int(linha.celulas[coluna].texto.size() + linha.celulas[coluna].texto.size() / 4));
    return std::clamp(maior * 1.1 + 3, LarguraMinima, LarguraMaxima);
}

void escreveCelula(lxw_worksheet* folha, lxw_row_t linha, lxw_col_t coluna, const CelulaPlanilha& celula,
                   lxw_format* formato)
{
    switch (celula.tipo) {
    case TipoCelula::Texto:
        worksheet_write_string(folha, linha, coluna, celula.texto.toUtf8().constData(), formato);
        break;
    case TipoCelula::Numero:
        worksheet_write_number(folha, linha, coluna, celula.numero, formato);
        break;
    case TipoCelula::Data: {
        lxw_datetime data{celula.data.year(), celula.data.month(), celula.data.day(), 0, 0, 0};
        worksheet_write_datetime(folha, linha, coluna, &data, formato);
        break;
    }
    case TipoCelula::Vazia:
        break;
    }
}

void escreveFolha(lxw_workbook* livro, Formatos& formatos, const FolhaPlanilha& folha)
{
    lxw_worksheet* planilha = workbook_add_worksheet(livro, folha.nome.left(31).toUtf8().constData());
    lxw_row_t linha = 0;
    for (const QString& titulo : folha.titulo) {
        worksheet_write_string(planilha, linha, 0, titulo.toUtf8().constData(),
                               linha < 2 ? formatos.titulo(linha == 0 ? 13 : 12) : nullptr);
        ++linha;
    }
    const lxw_row_t cabecalho = folha.titulo.isEmpty() ? 0 : linha + 1;
    const int colunas = colunasDe(folha);
    for (int c = 0; c < colunas; ++c) {
        worksheet_set_column(planilha, lxw_col_t(c), lxw_col_t(c), largura(folha, c), nullptr);
        worksheet_write_string(planilha, cabecalho, lxw_col_t(c), folha.cabecalho.value(c).toUtf8().constData(),
                               formatos.cabecalho(tipoDaColuna(folha, c)));
    }
    linha = cabecalho;
    for (const LinhaPlanilha& dados : folha.linhas) {
        ++linha;
        for (int c = 0; c < dados.celulas.size(); ++c)
            escreveCelula(planilha, linha, lxw_col_t(c), dados.celulas[c],
                          formatos.celula(dados.celulas[c], dados.negrito));
    }
    worksheet_freeze_panes(planilha, cabecalho + 1, 0);
    if (colunas > 0)
        worksheet_autofilter(planilha, cabecalho, 0, linha, lxw_col_t(colunas - 1));
    worksheet_set_paper(planilha, 9);  // A4
    if (colunas > 8)
        worksheet_set_landscape(planilha);
    worksheet_fit_to_pages(planilha, 1, 0);
    worksheet_repeat_rows(planilha, cabecalho, cabecalho);
}

}  // namespace

void GravaXlsx(const Planilha& planilha, const QString& arquivo)
{
    GravaArquivoDeSaida(arquivo, [&](const QString& temporario) {
        lxw_workbook* livro = workbook_new(QFile::encodeName(temporario).constData());
        if (!livro)
            FalhaAoGravar(arquivo, QStringLiteral("não foi possível criar a planilha."));
        Formatos formatos(livro);
        for (const FolhaPlanilha& folha : planilha.folhas)
            escreveFolha(livro, formatos, folha);
        const lxw_error erro = workbook_close(livro);
        if (erro != LXW_NO_ERROR)
            FalhaAoGravar(arquivo, QString::fromUtf8(lxw_strerror(erro)));
    });
}
