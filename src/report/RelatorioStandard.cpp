#include "RelatorioStandard.h"

#include "platform/Conversions.h"
#include "platform/Format.h"
#include "report/Cabecalhos.h"
#include "report/ConsultasRelatorio.h"
#include "report/FonteDeValores.h"
#include "report/HtmlRelatorio.h"

namespace {

QString valor(double numero)
{
    return Format(Variant::Double(numero), QStringLiteral("###0.00"));
}

}  // namespace

QString PassosStandard::PaginaInicial()
{
    return CabecalhoRelStandard(execucao_.filtro);
}

QString PassosStandard::ConsultaPedidos()
{
    return ConsultaListaPedidos(execucao_);
}

void PassosStandard::Linha(const Recordset& registro)
{
    const PedidoListado pedido = LePedido(registro);
    const double qtde = fonte_.QtdeItens(pedido);
    const double totalItens = fonte_.ValorItens(pedido);
    const double descontoItens = fonte_.DescontoItens(pedido);
    const double descontoPedido = fonte_.DescontoCabecalho(pedido);
    // The item and header discounts are asked again where the gross total
    // and the discount column use them, as the per-row algorithm asks them.
    const double bruto = totalItens + fonte_.DescontoItens(pedido);
    const double descontos = fonte_.DescontoCabecalho(pedido) + descontoItens;
    const double liquido = totalItens - descontoPedido;
    const QString cliente = fonte_.NomeCliente(pedido);
    const QString vendedor = OuEspaco(fonte_.NomeVendedor(pedido));

    execucao_.Escreve(LinhaSimples() + Celula(10, Alinha::Esquerda, Format(pedido.numero, QStringLiteral("000000"))) +
                      Celula(10, Alinha::Esquerda, Format(pedido.data, QStringLiteral("dd/mm/yyyy"))) +
                      Celula(40, Alinha::Esquerda, cliente) + Celula(10, Alinha::Direita, valor(bruto)) +
                      Celula(10, Alinha::Direita, valor(descontos)) + Celula(10, Alinha::Direita, valor(liquido)) +
                      Celula(10, Alinha::Direita, NumeroGeral(qtde)) + Celula(10, Alinha::Esquerda, vendedor) +
                      QStringLiteral("</TR>"));
    qtde_ += qtde;
    bruto_ += bruto;
    descontos_ += descontos;
    liquido_ += liquido;
}

QString PassosStandard::Fechamento()
{
    // No "</TR>": the table is closed right after the last cell.
    return LinhaNegrito() + Celula(10, Alinha::Esquerda, Espaco) + Celula(10, Alinha::Esquerda, Espaco) +
           Celula(40, Alinha::Direita, QStringLiteral("Total Geral")) + Celula(10, Alinha::Direita, valor(bruto_)) +
           Celula(10, Alinha::Direita, valor(descontos_)) + Celula(10, Alinha::Direita, valor(liquido_)) +
           QStringLiteral("        ") + Celula(10, Alinha::Direita, NumeroGeral(qtde_)) +
           Celula(10, Alinha::Esquerda, Espaco) + QStringLiteral("</TABLE>") + QStringLiteral("</BODY></HTML>");
}
