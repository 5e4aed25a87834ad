#include "RelatorioDetalhado.h"

#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/Format.h"
#include "report/Cabecalhos.h"
#include "report/ConsultasRelatorio.h"
#include "report/HtmlRelatorio.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

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

}  // namespace

ItemPedido LeItemPedido(const Recordset& rs)
{
    ItemPedido item;
    item.codigo = rs.Fields(QStringLiteral("codi_prod"));
    item.descricao = rs.Fields(QStringLiteral("Desc_PROD"));
    item.status = rs.Fields(QStringLiteral("Status_PROD"));
    item.unitario = rs.Fields(QStringLiteral("VALO_UNIT"));
    item.desconto = rs.Fields(QStringLiteral("VALO_DECT"));
    item.liquido = rs.Fields(QStringLiteral("VALO_LIQU"));
    item.qtde = rs.Fields(QStringLiteral("Qtde"));
    item.total = rs.Fields(QStringLiteral("VALO_TOTA"));
    return item;
}

QString BlocoPedido(VarianteDetalhada variante, int tamanhoFonte, const CabecalhoPedido& pedido)
{
    const int tamanho = variante == VarianteDetalhada::Entrega ? tamanhoFonte : 8;
    return AberturaTabela(marca::TabelaDoPedido) + LinhaNegrito(tamanho) +
           Celula(15, Alinha::Esquerda, QStringLiteral("Data do Pedido")) +
           Celula(15, Alinha::Esquerda, QStringLiteral("Nr. Pedido")) +
           Celula(15, Alinha::Esquerda, QStringLiteral("Data Entrega")) +
           Celula(45, Alinha::Esquerda, QStringLiteral("Cliente")) +
           Celula(35, Alinha::Esquerda, QStringLiteral("Vendedor")) + QStringLiteral("</TR>") + LinhaSimples(tamanho) +
           Celula(15, Alinha::Esquerda, data(pedido.data)) +
           Celula(15, Alinha::Esquerda, Format(pedido.numero, QStringLiteral("000000"))) +
           Celula(15, Alinha::Esquerda, data(pedido.entrega)) + Celula(45, Alinha::Esquerda, pedido.cliente) +
           Celula(35, Alinha::Esquerda, pedido.vendedor) + QStringLiteral("</TR>") + QStringLiteral("</TABLE>");
}

QString LinhaItem(VarianteDetalhada variante, int tamanhoFonte, bool comStatus, const ItemPedido& item)
{
    const QString descricao = ParaTexto(item.descricao);
    const QString status = ParaTexto(item.status);
    if (variante == VarianteDetalhada::Entrega) {
        QString texto = LinhaSimples(tamanhoFonte) + Celula(30, Alinha::Esquerda, ParaTexto(item.codigo));
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

QString TotalPedidoDetalhado(bool comStatus, double total)
{
    return linhaTotal(QStringLiteral("Total Pedido"), comStatus, total) + QStringLiteral("</TABLE>") +
           QStringLiteral("<br/>");
}

QString TotalGeralDetalhado(bool comStatus, double total)
{
    return AberturaTabela() + linhaTotal(QStringLiteral("Total Geral"), comStatus, total) + QStringLiteral("</TABLE>") +
           QStringLiteral("</BODY></HTML>");
}

PassosDetalhado::PassosDetalhado(const ExecucaoRelatorio& execucao, VarianteDetalhada variante)
    : PassosRelatorio(execucao), variante_(variante), tamanho_(execucao.tamanhoFonte)
{}

QString PassosDetalhado::PaginaInicial()
{
    if (variante_ == VarianteDetalhada::Entrega)
        return CabecalhoRelEntrega(execucao_.filtro, tamanho_);
    return CabecalhoRelDeta(execucao_.filtro);
}

QString PassosDetalhado::ConsultaPedidos()
{
    return ConsultaListaPedidos(execucao_);
}

void PassosDetalhado::Linha(const Recordset& rs)
{
    const bool entrega = variante_ == VarianteDetalhada::Entrega;
    CabecalhoPedido pedido;
    pedido.data = rs.Fields(QStringLiteral("data_pedi"));
    pedido.numero = rs.Fields(QStringLiteral("nume_pedi"));
    pedido.entrega = rs.Fields(QStringLiteral("DATA_REAL_ENTG"));
    pedido.cliente = NomeClientePedido(rs.Fields(QStringLiteral("idClie")));
    pedido.vendedor = VendedorPedido(rs.Fields(QStringLiteral("idvend")));
    execucao_.Escreve(BlocoPedido(variante_, tamanho_, pedido));

    QString& sql2 = funcoes().Sql2;
    sql2 = QStringLiteral("SELECT pedi_veds_deta.*, prod.idprod, prod.codi_prod, prod.desc_prod ") +
           QStringLiteral("From pedi_veds_deta, prod ") +
           QStringLiteral("Where pedi_veds_deta.idprod = prod.idprod and ") +
           QStringLiteral("pedi_veds_deta.idPedi_Veds = ") + CStr(rs.Fields(QStringLiteral("idpedi_veds"))) +
           QStringLiteral(" ") + QStringLiteral("and pedi_veds_deta.data_desa is null  ");
    Recordset itens = AbreConsulta(sql2, adLockReadOnly);
    if (itens.Eof()) {
        itens.Close();
        return;
    }
    execucao_.Escreve(entrega ? ColunasItensEntrega(tamanho_) : ColunasItensDeta());
    double totalPedido = 0;
    for (; !itens.Eof(); itens.MoveNext()) {
        const ItemPedido item = LeItemPedido(itens);
        execucao_.Escreve(LinhaItem(variante_, tamanho_, ModeloComStatus(), item));
        // A line without a total adds nothing.
        if (!item.total.IsNull())
            totalPedido += CDbl(item.total);
    }
    if (entrega)
        execucao_.Escreve(QStringLiteral("</TABLE>") + QStringLiteral("<br/>"));
    else
        execucao_.Escreve(TotalPedidoDetalhado(ModeloComStatus(), totalPedido));
    itens.Close();
    if (!entrega)
        totalGeral_ += totalPedido;
}

QString PassosDetalhado::Fechamento()
{
    if (variante_ == VarianteDetalhada::Entrega)
        return QStringLiteral("</BODY></HTML>");
    return TotalGeralDetalhado(ModeloComStatus(), totalGeral_);
}
