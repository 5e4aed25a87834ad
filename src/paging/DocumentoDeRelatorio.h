#pragma once

#include "paging/DocumentoEmBlocos.h"
#include "paging/FonteDePagina.h"
#include "paging/LeitorRelatorio.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <deque>

// A report file as the page layout needs it, measured but not yet on pages:
// every row with its table, its columns (x and width in CSS pixels inside
// the page's content width) and its height, the cell texts packed in one
// buffer. Built from the reader's events as the file is read, so that pages
// can be laid out while the rest is still coming.
//
// The page frame is every table before the first paragraph; the body is cut
// in blocks that the layout keeps on one page where they fit: a block ends
// at a <br> or <P>, and an order's heading table (marca::TabelaDoPedido) starts one.
// A table's first row, when bold, is its column headings (marca).
class DocumentoDeRelatorio : public ReceptorDeRelatorio, public DocumentoEmBlocos {
public:
    // Gaps between tables, in CSS pixels, as the browser leaves them.
    static constexpr double EspacoParagrafo = 16;
    static constexpr double EspacoLinha = 18;
    // Inside a cell, on every side: cellPadding=1 and the 1 px border.
    static constexpr double Margem = 2;

    // `larguraUtil`: the page's content width; tables wider than it are not
    // cut, they start at its left edge.
    explicit DocumentoDeRelatorio(double larguraUtil);

    struct Coluna {
        float x;
        float largura;
        AlinhamentoCelula alinhamento;
    };
    struct LinhaGuardada {
        quint32 tabela;
        quint32 pedacoTexto;  // which piece of the text buffer
        quint32 inicioTexto;  // cells separated by Separador
        quint32 tamanhoTexto;
        quint32 colunas;   // index into Colunas()
        quint16 estilo;    // index into Fontes()
        bool quebraTexto;  // a cell wraps onto more lines
        float altura;
    };
    struct TabelaGuardada {
        float x;
        float largura;
        bool borda;
        qint32 cabecalho = -1;  // its first row, when bold: the column headings
    };
    static constexpr QChar Separador = QChar(0x1F);

    double LarguraUtil() const { return larguraUtil_; }
    const LinhaGuardada& LinhaNo(int i) const { return linhas_[static_cast<size_t>(i)]; }
    const TabelaGuardada& TabelaNo(int i) const { return tabelas_[static_cast<size_t>(i)]; }
    const QVector<Coluna>& ColunasDe(const LinhaGuardada& linha) const { return colunas_[linha.colunas]; }
    const FonteDePagina& FonteDe(const LinhaGuardada& linha) const { return fontes_[linha.estilo]; }
    QStringList Celulas(int linha) const;

    int LinhasDaMoldura() const override { return linhasMoldura_; }
    double AlturaDaMoldura() const override { return alturaMoldura_; }
    int QuantasLinhas() const override { return static_cast<int>(linhas_.size()); }
    double AlturaDaLinha(int linha) const override { return LinhaNo(linha).altura; }
    int CabecalhoDaTabelaDe(int linha) const override { return TabelaNo(int(LinhaNo(linha).tabela)).cabecalho; }
    const std::deque<Bloco>& Blocos() const override { return blocos_; }
    int BlocosCompletos() const override;
    bool Terminado() const override { return terminado_; }
    // The file has ended: the rows still pending are measured.
    void Termina();

    void InicioDeTabela(const TabelaRelatorio& tabela) override;
    void Linha(const LinhaRelatorio& linha) override;
    void FimDeTabela() override;
    void Quebra(QuebraRelatorio quebra) override;

private:
    // Column widths of one shape of row (cells, their shares and spans).
    struct Forma {
        QVector<double> partes;
        QVector<int> vaos;
        QVector<float> larguras;
        double escalaDoTexto;  // below 1 when its words had to shrink to fit the page
    };
    quint16 estiloDe(const LinhaRelatorio& linha, double tamanhoPt);
    int formaDe(const LinhaRelatorio& linha);
    quint32 colunasDe(const LinhaRelatorio& linha, const Forma& forma);
    void guardaPendentes();
    void guarda(const LinhaRelatorio& linha);
    void iniciaBloco();

    double larguraUtil_;
    std::deque<LinhaGuardada> linhas_;
    std::deque<TabelaGuardada> tabelas_;
    std::deque<Bloco> blocos_;
    std::deque<QString> texto_;  // pieces of about a million characters, never moved
    QVector<QVector<Coluna>> colunas_;
    QHash<QString, quint32> indiceColunas_;
    std::deque<FonteDePagina> fontes_;
    QHash<QString, quint16> indiceFontes_;
    // The current table's rows not yet measured: its columns are as wide as
    // its rows' longest words need, as the browser sizes them.
    QVector<LinhaRelatorio> pendentes_;
    QVector<Forma> formas_;
    int linhasDaTabela_ = 0;
    int formaAnterior_ = 0;
    quint32 colunasAnteriores_ = 0;
    LinhaRelatorio anterior_;
    bool naMoldura_ = true;
    int linhasMoldura_ = 0;
    double alturaMoldura_ = 0;
    double espacoPendente_ = 0;
    bool blocoAberto_ = false;
    bool terminado_ = false;
};
