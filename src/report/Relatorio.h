#pragma once

#include <QString>
#include <functional>

// The order report engine. It takes a snapshot of the filter form (plain
// values, never widgets), writes pantoro.html in the report folder and says
// what the form must change. Messages go through MsgBox; a database or file
// error propagates as VbError, leaving the file as far as it was written.
// Each layout's text and arithmetic are written once (report/Relatorio<X>),
// fed by one of two value sources that write the same bytes.

enum class LayoutRelatorio { Standard, PA, Detalhado, Entrega, EntregaVertical, AgrupaProd };
enum class DataRelatorio { Emissao, Entrega, Fechamento };

// The layouts by the names the command line and the benchmark use, in the
// order of the form's options.
struct NomeDoLayout {
    const char* nome;
    LayoutRelatorio layout;
};
inline constexpr NomeDoLayout NomesDosLayouts[] = {{"standard", LayoutRelatorio::Standard},
                                                   {"pa", LayoutRelatorio::PA},
                                                   {"detalhado", LayoutRelatorio::Detalhado},
                                                   {"entrega", LayoutRelatorio::Entrega},
                                                   {"entrega-vertical", LayoutRelatorio::EntregaVertical},
                                                   {"agrupamento", LayoutRelatorio::AgrupaProd}};

struct FiltroRelatorio {
    LayoutRelatorio layout = LayoutRelatorio::Standard;
    DataRelatorio data = DataRelatorio::Emissao;
    QString dtDe;           // text of mskDtDe
    QString dtAte;          // text of mskDtAte
    QString marca;          // text of cboMarca
    QString vendedor;       // text of cboVendedor
    QString tipoCliente;    // text of cboTipoCli
    QString cliente;        // caption of lblCliente
    int tamanhoFonte = 10;  // the selected opTF option (8 when none)
    QString codiEmpresa;    // caption of lblCodiEmpresa
    QString nomeEmpresa;    // caption of lblNomeEmpresa
    QString tituloJanela;   // the form's caption (title of the brand and PA messages)
};

struct ResultadoRelatorio {
    QString dtAte;                    // mskDtAte after the end-date fallback
    bool dataEmissaoForcada = false;  // the PA layout selected opDtEmissaoPedido
    bool semDados = false;            // "Não há dados para exibir!" was shown
    QString arquivo;                  // ArquivoHTML: the file to show (empty when semDados)
};

// The value source that feeds the layouts.
enum class MotorRelatorio {
    Fiel,   // per row: the lookups of the per-row algorithm, statement for statement (--fiel)
    Rapido  // set-based: a few statements per run, whatever the orders, items or products
};

// What the form shows while the run goes on, so that a run that stops on an
// error leaves the form as far as the run had changed it.
struct GanchosRelatorio {
    std::function<void(bool ligada)> ampulheta;           // the form's hourglass
    std::function<void(const QString& dtAte)> dataFinal;  // mskDtAte after the end-date fallback
    std::function<void()> dataEmissaoForcada;             // the PA layout selects opDtEmissaoPedido
};

// `arquivoRelatorio`: where the report file goes (a Windows or local path);
// empty, pantoro.html in the report folder, the file the window shows. A
// scheduled run writes its own file and leaves the window's alone.
ResultadoRelatorio ExecutaRelatorio(const FiltroRelatorio& filtro, MotorRelatorio motor,
                                    const GanchosRelatorio& ganchos = {}, const QString& arquivoRelatorio = {});

// Module variables of the report run.
struct VariaveisRelatorio {
    QString ArqRelatorio;
    QString ArquivoHTML;
    QString Periodo;  // "De dd/mm/yyyy até dd/mm/yyyy" of the report in ArquivoHTML
};
VariaveisRelatorio& relatorio();
