#include "RelatorioEntregaVertical.h"

#include "platform/Conversions.h"
#include "platform/FlexGrid.h"
#include "platform/Format.h"
#include "report/Cabecalhos.h"
#include "report/ConsultasRelatorio.h"
#include "report/FonteDeValores.h"
#include "report/HtmlRelatorio.h"
#include "shared/Funcoes.h"

namespace {

const std::array<const char*, SubGruposEntrega.size()> RotulosSubGrupo{"1-NANICA", "2-PRATA", "3-OURO", "4-MACA",
                                                                       "5-TERRA"};

// Per column: [0] every status, then Verde, Madura, Colorida.
using Quantidades = std::array<std::array<int16_t, StatusEntrega.size()>, SubGruposEntrega.size()>;

// The cells of one status for the five columns, e.g. "12 - Verde", and "</TR>".
QString celulasStatus(const Quantidades& quantidades, size_t status)
{
    QString texto;
    for (const auto& coluna : quantidades)
        texto += Celula(10, Alinha::Esquerda,
                        NumeroGeral(coluna[status]) + QStringLiteral(" - ") + QLatin1String(StatusEntrega[status]));
    return texto + QStringLiteral("</TR>");
}

QString celulasVazias(int tamanhoFonte)
{
    QString texto = LinhaSimples(tamanhoFonte);
    for (int i = 0; i < 3; ++i)
        texto += Celula(10, Alinha::Esquerda, Espaco);
    return texto;
}

QString blocoPedido(int tamanhoFonte, const PedidoListado& pedido, const QString& cliente,
                    const Quantidades& quantidades)
{
    QString texto = AberturaTabela(marca::TabelaDoPedido) + LinhaNegrito(tamanhoFonte) +
                    Celula(10, Alinha::Esquerda, QStringLiteral("Data do Pedido")) +
                    Celula(10, Alinha::Esquerda, QStringLiteral("Nr. Pedido")) +
                    Celula(10, Alinha::Esquerda, QStringLiteral("Data Entrega")) +
                    Celula(20, Alinha::Esquerda, QStringLiteral("Cliente"));
    for (const char* rotulo : RotulosSubGrupo)
        texto += Celula(10, Alinha::Esquerda, QLatin1String(rotulo));
    texto += QStringLiteral("</TR>") + LinhaSimples(tamanhoFonte) +
             Celula(10, Alinha::Esquerda, Format(pedido.data, QStringLiteral("dd/mm/yyyy"))) +
             Celula(10, Alinha::Esquerda, Format(pedido.numero, QStringLiteral("000000"))) +
             Celula(10, Alinha::Esquerda, Format(pedido.entrega, QStringLiteral("dd/mm/yyyy"))) +
             Celula(20, Alinha::Esquerda, cliente) + celulasStatus(quantidades, 1);
    for (size_t status = 2; status < StatusEntrega.size(); ++status)
        texto +=
            celulasVazias(tamanhoFonte) + Celula(20, Alinha::Esquerda, Espaco) + celulasStatus(quantidades, status);
    return texto + QStringLiteral("</TABLE>") + QStringLiteral("<br/>");
}

void preparaGrid(FlexGrid& grid)
{
    struct Coluna {
        int largura;
        QString titulo;
    };
    const std::array<Coluna, 4> colunas{{{1500, QStringLiteral("IDPROD")},
                                         {2000, QStringLiteral("CODIPROD")},
                                         {2000, QStringLiteral("QTDE")},
                                         {2000, QStringLiteral("Descrição")}}};
    grid.Clear();
    grid.SetSelectionMode(1);
    grid.SetRows(1);
    grid.SetCols(static_cast<int>(colunas.size()));
    grid.SetRow(0);
    grid.SetCol(0);
    for (int c = 0; c < static_cast<int>(colunas.size()); ++c) {
        grid.SetCol(c);
        grid.SetColWidth(c, colunas[c].largura);
        grid.SetText(colunas[c].titulo);
    }
}

}  // namespace

FlexGrid& FlexTemp()
{
    // Lives for the process: the grid keeps its rows until the next run.
    static FlexGrid* grade = new FlexGrid;
    return *grade;
}

QString PassosEntregaVertical::PaginaInicial()
{
    return CabecalhoRelEntrega(execucao_.filtro, execucao_.tamanhoFonte);
}

void PassosEntregaVertical::Prepara()
{
    preparaGrid(FlexTemp());
    CarregaFlexTemp(FlexTemp());
}

QString PassosEntregaVertical::ConsultaPedidos()
{
    return ConsultaListaPedidos(execucao_);
}

void PassosEntregaVertical::Linha(const Recordset& registro)
{
    const PedidoListado pedido = LePedido(registro);
    const QString cliente = fonte_.NomeCliente(pedido);
    Quantidades quantidades{};
    for (size_t coluna = 0; coluna < SubGruposEntrega.size(); ++coluna)
        for (size_t status = 0; status < StatusEntrega.size(); ++status)
            quantidades[coluna][status] = fonte_.QtdeSubGrupo(pedido, coluna, status);
    // The totals are 16-bit, as the quantities: past 32767 the run stops
    // with an overflow error.
    for (size_t coluna = 0; coluna < totais_.size(); ++coluna)
        totais_[coluna] = ArredondaInteiro16(double(totais_[coluna]) + quantidades[coluna][0]);
    execucao_.Escreve(blocoPedido(execucao_.tamanhoFonte, pedido, cliente, quantidades));
    fonte_.SomaProdutosDoPedido(pedido, FlexTemp());
}

QString PassosEntregaVertical::Fechamento()
{
    const int tamanho = execucao_.tamanhoFonte;
    FlexGrid& grid = FlexTemp();
    fonte_.CompletaProdutos(grid);
    QString texto = AberturaTabela() + celulasVazias(tamanho) + Celula(20, Alinha::Esquerda, QStringLiteral("Total"));
    for (int16_t total : totais_)
        texto += Celula(10, Alinha::Esquerda, NumeroGeral(total));
    texto += QStringLiteral("</TR>") + QStringLiteral("</TABLE>") + QStringLiteral("<br/>");
    texto += AberturaTabela() + LinhaNegrito(tamanho) + Celula(30, Alinha::Esquerda, QStringLiteral("Codigo Produto")) +
             Celula(50, Alinha::Esquerda, QStringLiteral("Descrição")) +
             Celula(20, Alinha::Direita, QStringLiteral("Quantidade")) + QStringLiteral("</TR>");
    for (int linha = 1; linha < grid.Rows(); ++linha) {
        if (Val(grid.TextMatrix(linha, grade_entrega::Qtde)) <= 0)
            continue;
        texto += LinhaSimples(tamanho) + Celula(30, Alinha::Esquerda, grid.TextMatrix(linha, grade_entrega::Codigo)) +
                 Celula(50, Alinha::Esquerda, grid.TextMatrix(linha, grade_entrega::Descricao)) +
                 Celula(20, Alinha::Direita, grid.TextMatrix(linha, grade_entrega::Qtde)) + QStringLiteral("</TR>");
    }
    return texto + QStringLiteral("</TABLE>") + QStringLiteral("<br/>") + QStringLiteral("</BODY></HTML>");
}
