#include "RelatorioEntregaVertical.h"

#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/FlexGrid.h"
#include "platform/Format.h"
#include "report/Cabecalhos.h"
#include "report/ConsultasRelatorio.h"
#include "report/HtmlRelatorio.h"
#include "shared/Funcoes.h"

#include <QObject>

namespace {

const std::array<const char*, 5> RotulosSubGrupo{"1-NANICA", "2-PRATA", "3-OURO", "4-MACA", "5-TERRA"};

constexpr int ColunaCodigo = 1;
constexpr int ColunaQtde = 2;
constexpr int ColunaDescricao = 3;

// The cells of one status for the five columns, e.g. "12 - Verde", and "</TR>".
QString celulasStatus(const PedidoVertical& pedido, int status)
{
    QString texto;
    for (const auto& coluna : pedido.quantidades)
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

QString BlocoPedidoVertical(int tamanhoFonte, const PedidoVertical& pedido)
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
             Celula(20, Alinha::Esquerda, pedido.cliente) + celulasStatus(pedido, 1);
    for (int status = 2; status <= 3; ++status)
        texto += celulasVazias(tamanhoFonte) + Celula(20, Alinha::Esquerda, Espaco) + celulasStatus(pedido, status);
    return texto + QStringLiteral("</TABLE>") + QStringLiteral("<br/>");
}

QString FechamentoVertical(int tamanhoFonte, const std::array<int16_t, 5>& totais, const FlexGrid& grid)
{
    QString texto =
        AberturaTabela() + celulasVazias(tamanhoFonte) + Celula(20, Alinha::Esquerda, QStringLiteral("Total"));
    for (int16_t total : totais)
        texto += Celula(10, Alinha::Esquerda, NumeroGeral(total));
    texto += QStringLiteral("</TR>") + QStringLiteral("</TABLE>") + QStringLiteral("<br/>");
    texto += AberturaTabela() + LinhaNegrito(tamanhoFonte) +
             Celula(30, Alinha::Esquerda, QStringLiteral("Codigo Produto")) +
             Celula(50, Alinha::Esquerda, QStringLiteral("Descrição")) +
             Celula(20, Alinha::Direita, QStringLiteral("Quantidade")) + QStringLiteral("</TR>");
    for (int linha = 1; linha < grid.Rows(); ++linha) {
        if (Val(grid.TextMatrix(linha, ColunaQtde)) <= 0)
            continue;
        texto += LinhaSimples(tamanhoFonte) + Celula(30, Alinha::Esquerda, grid.TextMatrix(linha, ColunaCodigo)) +
                 Celula(50, Alinha::Esquerda, grid.TextMatrix(linha, ColunaDescricao)) +
                 Celula(20, Alinha::Direita, grid.TextMatrix(linha, ColunaQtde)) + QStringLiteral("</TR>");
    }
    return texto + QStringLiteral("</TABLE>") + QStringLiteral("<br/>") + QStringLiteral("</BODY></HTML>");
}

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

void PassosEntregaVertical::Linha(const Recordset& rs)
{
    const int32_t id = CLng(rs.Fields(QStringLiteral("idpedi_veds")));
    PedidoVertical pedido;
    pedido.data = rs.Fields(QStringLiteral("data_pedi"));
    pedido.numero = rs.Fields(QStringLiteral("nume_pedi"));
    pedido.entrega = rs.Fields(QStringLiteral("DATA_REAL_ENTG"));
    pedido.cliente = NomeClientePedido(rs.Fields(QStringLiteral("idClie")));
    for (size_t coluna = 0; coluna < SubGruposEntrega.size(); ++coluna)
        for (size_t status = 0; status < StatusEntrega.size(); ++status)
            pedido.quantidades[coluna][status] =
                QtdeItensSubGrupo(id, SubGruposEntrega[coluna], QLatin1String(StatusEntrega[status]));
    // The totals are 16-bit, as the quantities: past 32767 the run stops
    // with an overflow error.
    for (size_t coluna = 0; coluna < totais_.size(); ++coluna)
        totais_[coluna] = ArredondaInteiro16(double(totais_[coluna]) + pedido.quantidades[coluna][0]);
    execucao_.Escreve(BlocoPedidoVertical(execucao_.tamanhoFonte, pedido));

    FlexGrid& grid = FlexTemp();
    for (int linha = 1; linha < grid.Rows(); ++linha) {
        grid.SetRow(linha);
        const int16_t qtde = QtdeProdutoPedido(id, grid.TextMatrix(linha, ColunaCodigo));
        grid.SetCol(ColunaQtde);
        grid.SetText(NumeroGeral(qtde + Val(grid.Text())));
    }
}

QString PassosEntregaVertical::Fechamento()
{
    return FechamentoVertical(execucao_.tamanhoFonte, totais_, FlexTemp());
}
