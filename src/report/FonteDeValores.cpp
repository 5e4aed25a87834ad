#include "FonteDeValores.h"

#include "platform/Ado.h"
#include "platform/Conversions.h"

PedidoListado LePedido(const Recordset& registro)
{
    PedidoListado pedido;
    pedido.id = CLng(registro.Fields(QStringLiteral("idpedi_veds")));
    pedido.numero = registro.Fields(QStringLiteral("nume_pedi"));
    pedido.data = registro.Fields(QStringLiteral("data_pedi"));
    pedido.entrega = registro.Fields(QStringLiteral("DATA_REAL_ENTG"));
    pedido.idCliente = registro.Fields(QStringLiteral("idClie"));
    pedido.idVendedor = registro.Fields(QStringLiteral("idvend"));
    pedido.desconto = registro.Fields(QStringLiteral("VALO_DECT"));
    return pedido;
}

ItemPedido LeItemPedido(const Recordset& registro, const Variant& codigo, const Variant& descricao)
{
    ItemPedido item;
    item.codigo = codigo;
    item.descricao = descricao;
    item.status = registro.Fields(QStringLiteral("Status_PROD"));
    item.unitario = registro.Fields(QStringLiteral("VALO_UNIT"));
    item.desconto = registro.Fields(QStringLiteral("VALO_DECT"));
    item.liquido = registro.Fields(QStringLiteral("VALO_LIQU"));
    item.qtde = registro.Fields(QStringLiteral("Qtde"));
    item.total = registro.Fields(QStringLiteral("VALO_TOTA"));
    return item;
}
