#pragma once

#include <QFile>
#include <QString>
#include <QVector>
#include <exception>
#include <memory>

// Reads a report file the program wrote (CP1252 HTML) as a stream of tables,
// rows and cells, with the style each row asks for. The file is parsed in
// pieces, so even a year's report never sits in memory; what a receiver keeps
// is its own choice. The page renderer and the exports read through it.

enum class AlinhamentoCelula { Esquerda, Centro, Direita };

struct CelulaRelatorio {
    // As the page shows it: entities decoded, "&nbsp" with or without ";" a
    // no-break space (U+00A0), runs of blanks one blank, none at either end.
    QString texto;
    double larguraPercentual = 0;  // width=N% of the table; 0 when not given
    AlinhamentoCelula alinhamento = AlinhamentoCelula::Esquerda;
    int colunas = 1;  // colspan
};

struct LinhaRelatorio {
    double tamanhoFontePt = 12;  // FONT-SIZE of the row's style (12 when not given)
    bool negrito = false;        // FONT-WEIGHT: bold
    QString familiaFonte;        // FONT-FAMILY, empty when not given
    QVector<CelulaRelatorio> celulas;
};

struct TabelaRelatorio {
    int borda = 0;              // BORDER
    int larguraPx = 0;          // Width in pixels; 0 when not given
    bool centralizada = false;  // ALIGN=CENTER
    QString id;                 // ID ("Table1", "Table2" ...)
};

// What separates the tables of the body: <P> or <br>.
enum class QuebraRelatorio { Paragrafo, Linha };

// Receives the report in file order. A table's rows come between its
// InicioDeTabela and FimDeTabela; tables inside cells are read as text of
// the cell. An exception thrown here stops the reading and comes out of
// LePedaco / LeRelatorio unchanged.
class ReceptorDeRelatorio {
public:
    virtual ~ReceptorDeRelatorio() = default;
    virtual void Titulo(const QString& /*titulo*/) {}
    virtual void InicioDeTabela(const TabelaRelatorio& tabela) = 0;
    virtual void Linha(const LinhaRelatorio& linha) = 0;
    virtual void FimDeTabela() = 0;
    virtual void Quebra(QuebraRelatorio /*quebra*/) {}
};

// VbError numbers of a file that cannot be read as a report: FileNotFound
// (missing), PathFileAccess (unreadable) and this one (empty, cut short,
// not a report of this program). Every check that can be made before the
// first row is made in the constructor, so that a receiver gets nothing
// from a file it must refuse.
namespace vb_error {
constexpr long ArquivoInvalido = 321;  // VB's "Invalid file format"
}

class LeitorDeRelatorio {
public:
    // Opens and checks the file (present, not empty, ends with the page's
    // closing tag). Raises VbError with a message for the user.
    LeitorDeRelatorio(const QString& caminho, ReceptorDeRelatorio& receptor);
    ~LeitorDeRelatorio();
    LeitorDeRelatorio(const LeitorDeRelatorio&) = delete;
    LeitorDeRelatorio& operator=(const LeitorDeRelatorio&) = delete;

    // Parses the next piece of the file (a few hundred KB); false once the
    // whole file has been read. Raises VbError when the file turns out not
    // to be a report of this program (its first row is not the page frame's).
    bool LePedaco();

    qint64 Tamanho() const { return tamanho_; }
    qint64 Lidos() const { return lidos_; }

    struct Estado;

private:
    QFile arquivo_;
    qint64 tamanho_ = 0;
    qint64 lidos_ = 0;
    bool fim_ = false;
    std::unique_ptr<Estado> estado_;
};

// The whole file, piece by piece.
void LeRelatorio(const QString& caminho, ReceptorDeRelatorio& receptor);
