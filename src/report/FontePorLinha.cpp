#include "FontePorLinha.h"

#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/FlexGrid.h"
#include "report/ConsultasRelatorio.h"
#include "report/ExecucaoRelatorio.h"
#include "report/RelatorioEntregaVertical.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

int32_t FontePorLinha::IdMarca(const QString& marca, bool)
{
    QString descricao = marca;
    const Variant id = ::IdMarca(descricao);
    return id.IsNull() ? 0 : CLng(id);
}

QString FontePorLinha::NomeCliente(const PedidoListado& pedido)
{
    return NomeClientePedido(pedido.idCliente);
}

QString FontePorLinha::NomeVendedor(const PedidoListado& pedido)
{
    return NomeVendedorPedido(pedido.idVendedor);
}

double FontePorLinha::QtdeItens(const PedidoListado& pedido)
{
    return TotalQtdePedido(pedido.id, execucao_.idMarca);
}

double FontePorLinha::ValorItens(const PedidoListado& pedido)
{
    return TotalValorPedido(pedido.id, execucao_.idMarca);
}

double FontePorLinha::DescontoItens(const PedidoListado& pedido)
{
    return TotalDescontoPedido(pedido.id, execucao_.idMarca);
}

double FontePorLinha::DescontoCabecalho(const PedidoListado& pedido)
{
    return ::DescontoCabecalho(pedido.numero);
}

void FontePorLinha::ItensDoPedido(const PedidoListado& pedido, const std::function<void(const ItemPedido&)>& item)
{
    QString& sql2 = funcoes().Sql2;
    sql2 = QStringLiteral("SELECT pedi_veds_deta.*, prod.idprod, prod.codi_prod, prod.desc_prod ") +
           QStringLiteral("From pedi_veds_deta, prod ") +
           QStringLiteral("Where pedi_veds_deta.idprod = prod.idprod and ") +
           QStringLiteral("pedi_veds_deta.idPedi_Veds = ") + QString::number(pedido.id) + QStringLiteral(" ") +
           QStringLiteral("and pedi_veds_deta.data_desa is null  ");
    Recordset itens = AbreConsulta(sql2, adLockReadOnly);
    for (; !itens.Eof(); itens.MoveNext())
        item(LeItemPedido(itens, itens.Fields(QStringLiteral("codi_prod")), itens.Fields(QStringLiteral("Desc_PROD"))));
    itens.Close();
}

bool FontePorLinha::ModeloComStatus()
{
    return ::ModeloComStatus();
}

int16_t FontePorLinha::QtdeSubGrupo(const PedidoListado& pedido, size_t coluna, size_t status)
{
    return QtdeItensSubGrupo(pedido.id, SubGruposEntrega[coluna], QLatin1String(StatusEntrega[status]));
}

void FontePorLinha::SomaProdutosDoPedido(const PedidoListado& pedido, FlexGrid& grade)
{
    for (int linha = 1; linha < grade.Rows(); ++linha) {
        grade.SetRow(linha);
        const int16_t qtde = QtdeProdutoPedido(pedido.id, grade.TextMatrix(linha, grade_entrega::Codigo));
        grade.SetCol(grade_entrega::Qtde);
        grade.SetText(NumeroGeral(qtde + Val(grade.Text())));
    }
}

QString FontePorLinha::FigurasDoDia(const Recordset&, const QString& dia)
{
    QString idVendedor;
    if (!execucao_.filtro.vendedor.isEmpty()) {
        QString nome = Trim(execucao_.filtro.vendedor);
        idVendedor = ParaTexto(IdVendedor(nome));
    }
    return PAVendedorDia(dia, idVendedor);
}

QString FontePorLinha::DescricaoProduto(const QString& codigo)
{
    QString argumento = codigo;  // the lookup trims what it sends, not its argument
    return ParaTexto(DescProduto(argumento));
}
