#include "RelatorioStandard.h"

#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/Format.h"
#include "report/Cabecalhos.h"
#include "report/ConsultasRelatorio.h"
#include "report/HtmlRelatorio.h"
#include "shared/Funcoes.h"

namespace {

QString valor(double numero)
{
    return Format(Variant::Double(numero), QStringLiteral("###0.00"));
}

}  // namespace

double DescontoCabecalho(const Variant& numeroPedido)
{
    QString numero = ParaTexto(numeroPedido);
    const Variant desconto = DescontoPedido(numero);
    return desconto.IsNull() ? 0 : CDbl(desconto);
}

void SomasStandard::Acrescenta(const PedidoStandard& pedido)
{
    qtde += pedido.qtde;
    bruto += pedido.bruto;
    descontos += pedido.descontos;
    liquido += pedido.liquido;
}

QString LinhaPedidoStandard(const PedidoStandard& pedido)
{
    return QStringLiteral("<TR style='FONT-SIZE: 8pt; FONT-FAMILY: Tahoma; FONT-VARIANT: small'>") +
           Celula(10, Alinha::Esquerda, Format(pedido.numero, QStringLiteral("000000"))) +
           Celula(10, Alinha::Esquerda, Format(pedido.data, QStringLiteral("dd/mm/yyyy"))) +
           Celula(40, Alinha::Esquerda, pedido.cliente) + Celula(10, Alinha::Direita, valor(pedido.bruto)) +
           Celula(10, Alinha::Direita, valor(pedido.descontos)) + Celula(10, Alinha::Direita, valor(pedido.liquido)) +
           Celula(10, Alinha::Direita, NumeroGeral(pedido.qtde)) + Celula(10, Alinha::Esquerda, pedido.vendedor) +
           QStringLiteral("</TR>");
}

QString TotalStandard(const SomasStandard& somas)
{
    // No "</TR>": the table is closed right after the last cell.
    return LinhaNegrito() + Celula(10, Alinha::Esquerda, Espaco) + Celula(10, Alinha::Esquerda, Espaco) +
           Celula(40, Alinha::Direita, QStringLiteral("Total Geral")) +
           Celula(10, Alinha::Direita, valor(somas.bruto)) + Celula(10, Alinha::Direita, valor(somas.descontos)) +
           Celula(10, Alinha::Direita, valor(somas.liquido)) + QStringLiteral("        ") +
           Celula(10, Alinha::Direita, NumeroGeral(somas.qtde)) + Celula(10, Alinha::Esquerda, Espaco) +
           QStringLiteral("</TABLE>") + QStringLiteral("</BODY></HTML>");
}

QString PassosStandard::PaginaInicial()
{
    return CabecalhoRelStandard(execucao_.filtro);
}

QString PassosStandard::ConsultaPedidos()
{
    return ConsultaListaPedidos(execucao_);
}

void PassosStandard::Linha(const Recordset& rs)
{
    const int32_t id = CLng(rs.Fields(QStringLiteral("idpedi_veds")));
    const int32_t marca = execucao_.idMarca;
    const Variant numero = rs.Fields(QStringLiteral("nume_pedi"));

    PedidoStandard pedido;
    pedido.numero = numero;
    pedido.data = rs.Fields(QStringLiteral("data_pedi"));
    pedido.qtde = TotalQtdePedido(id, marca);
    const double totalItens = TotalValorPedido(id, marca);
    const double descontoItens = TotalDescontoPedido(id, marca);
    const double descontoPedido = DescontoCabecalho(numero);
    // The item and header discounts are asked again where the gross total
    // and the discount column use them: the per-row engine keeps the
    // queries of each row as they always were.
    pedido.bruto = totalItens + TotalDescontoPedido(id, marca);
    pedido.descontos = DescontoCabecalho(numero) + descontoItens;
    pedido.liquido = totalItens - descontoPedido;
    pedido.cliente = NomeClientePedido(rs.Fields(QStringLiteral("idClie")));
    pedido.vendedor = VendedorPedido(rs.Fields(QStringLiteral("idvend")));

    execucao_.Escreve(LinhaPedidoStandard(pedido));
    somas_.Acrescenta(pedido);
}

QString PassosStandard::Fechamento()
{
    return TotalStandard(somas_);
}
