#include "RelatorioDetalhado.h"

#include "platform/Conversions.h"
#include "platform/Format.h"
#include "report/Cabecalhos.h"
#include "report/ConsultasRelatorio.h"
#include "report/FonteDeValores.h"
#include "report/HtmlRelatorio.h"

namespace {

QString valor(const Variant& numero)
{
    return Format(numero, QStringLiteral("###0.00"));
}

QString data(const Variant& dia)
{
    return Format(dia, QStringLiteral("dd/mm/yyyy"));
}

// The description (and status) cells left empty in a total row.
QString descricaoVazia(bool comStatus)
{
    if (comStatus)
        return Celula(20, Alinha::Esquerda, Espaco) + Celula(10, Alinha::Esquerda, Espaco);
    return Celula(30, Alinha::Esquerda, Espaco);
}

QString linhaTotal(const QString& rotulo, bool comStatus, double total)
{
    QString texto = LinhaNegrito() + Celula(20, Alinha::Esquerda, rotulo) + descricaoVazia(comStatus);
    for (int i = 0; i < 4; ++i)
        texto += Celula(10, Alinha::Direita, Espaco);
    return texto + Celula(10, Alinha::Direita, valor(Variant::Double(total))) + QStringLiteral("</TR>");
}

QString blocoPedido(int tamanho, const PedidoListado& pedido, const QString& cliente, const QString& vendedor)
{
    return AberturaTabela(marca::TabelaDoPedido) + LinhaNegrito(tamanho) +
           Celula(15, Alinha::Esquerda, QStringLiteral("Data do Pedido")) +
           Celula(15, Alinha::Esquerda, QStringLiteral("Nr. Pedido")) +
           Celula(15, Alinha::Esquerda, QStringLiteral("Data Entrega")) +
           Celula(45, Alinha::Esquerda, QStringLiteral("Cliente")) +
           Celula(35, Alinha::Esquerda, QStringLiteral("Vendedor")) + QStringLiteral("</TR>") + LinhaSimples(tamanho) +
           Celula(15, Alinha::Esquerda, data(pedido.data)) +
           Celula(15, Alinha::Esquerda, Format(pedido.numero, QStringLiteral("000000"))) +
           Celula(15, Alinha::Esquerda, data(pedido.entrega)) + Celula(45, Alinha::Esquerda, cliente) +
           Celula(35, Alinha::Esquerda, vendedor) + QStringLiteral("</TR>") + QStringLiteral("</TABLE>");
}

QString linhaItem(bool entrega, int tamanho, bool comStatus, const ItemPedido& item)
{
    const QString descricao = ParaTexto(item.descricao);
    const QString status = ParaTexto(item.status);
    if (entrega) {
        QString texto = LinhaSimples(tamanho) + Celula(30, Alinha::Esquerda, ParaTexto(item.codigo));
        if (comStatus)
            texto += Celula(35, Alinha::Esquerda, descricao) + Celula(15, Alinha::Esquerda, status);
        else
            texto += Celula(50, Alinha::Esquerda, descricao);
        return texto + Celula(20, Alinha::Direita, valor(item.qtde)) + QStringLiteral("</TR>");
    }
    QString texto = LinhaSimples() + Celula(20, Alinha::Esquerda, ParaTexto(item.codigo));
    if (comStatus)
        texto += Celula(20, Alinha::Esquerda, descricao) + Celula(10, Alinha::Esquerda, status);
    else
        texto += Celula(30, Alinha::Esquerda, descricao);
    for (const Variant* numero : {&item.unitario, &item.desconto, &item.liquido, &item.qtde, &item.total})
        texto += Celula(10, Alinha::Direita, valor(*numero));
    return texto + QStringLiteral("</TR>");
}

}  // namespace

QString PassosDetalhado::PaginaInicial()
{
    if (entrega_)
        return CabecalhoRelEntrega(execucao_.filtro, tamanho());
    return CabecalhoRelDeta(execucao_.filtro);
}

QString PassosDetalhado::ConsultaPedidos()
{
    return ConsultaListaPedidos(execucao_);
}

void PassosDetalhado::Linha(const Recordset& registro)
{
    const PedidoListado pedido = LePedido(registro);
    const QString cliente = fonte_.NomeCliente(pedido);
    const QString vendedor = OuEspaco(fonte_.NomeVendedor(pedido));
    execucao_.Escreve(blocoPedido(tamanho(), pedido, cliente, vendedor));

    bool comItens = false;
    double totalPedido = 0;
    fonte_.ItensDoPedido(pedido, [&](const ItemPedido& item) {
        if (!comItens)
            execucao_.Escreve(entrega_ ? ColunasItensEntrega(tamanho(), fonte_.ModeloComStatus())
                                       : ColunasItensDeta(fonte_.ModeloComStatus()));
        comItens = true;
        execucao_.Escreve(linhaItem(entrega_, tamanho(), fonte_.ModeloComStatus(), item));
        // A line without a total adds nothing.
        if (!item.total.IsNull())
            totalPedido += CDbl(item.total);
    });
    if (!comItens)
        return;
    if (entrega_) {
        execucao_.Escreve(QStringLiteral("</TABLE>") + QStringLiteral("<br/>"));
        return;
    }
    execucao_.Escreve(linhaTotal(QStringLiteral("Total Pedido"), fonte_.ModeloComStatus(), totalPedido) +
                      QStringLiteral("</TABLE>") + QStringLiteral("<br/>"));
    totalGeral_ += totalPedido;
}

QString PassosDetalhado::Fechamento()
{
    if (entrega_)
        return QStringLiteral("</BODY></HTML>");
    return AberturaTabela() + linhaTotal(QStringLiteral("Total Geral"), fonte_.ModeloComStatus(), totalGeral_) +
           QStringLiteral("</TABLE>") + QStringLiteral("</BODY></HTML>");
}
