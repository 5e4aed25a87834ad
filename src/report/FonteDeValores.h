#pragma once

#include "platform/Variant.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

class FlexGrid;
class Recordset;

// One record of the order list: the columns the layouts print and the value
// sources key on.
struct PedidoListado {
    int32_t id = 0;      // idpedi_veds
    Variant numero;      // nume_pedi
    Variant data;        // data_pedi
    Variant entrega;     // DATA_REAL_ENTG
    Variant idCliente;   // idClie
    Variant idVendedor;  // idvend
    Variant desconto;    // VALO_DECT, the header discount
};
PedidoListado LePedido(const Recordset& registro);

// One active item line of an order, with its product's code and description.
struct ItemPedido {
    Variant codigo, descricao, status;
    Variant unitario, desconto, liquido, qtde, total;
};
// The item query's columns (Status_PROD, VALO_UNIT, VALO_DECT, VALO_LIQU,
// Qtde, VALO_TOTA) of the current row, of a product with `codigo` and
// `descricao`.
ItemPedido LeItemPedido(const Recordset& registro, const Variant& codigo, const Variant& descricao);

// What the layouts read from the database besides their order records,
// asked in the order the per-row algorithm asks it: a layout's text and
// arithmetic are written once, whichever source feeds them.
//
// FontePorLinha sends the lookup of each call, the statement text letter for
// letter; FonteEmConjunto answers from a few set statements per run, read
// forward as the orders come (ascending idpedi_veds, as the order list is
// sorted), and sends the per-row lookup only for a value a set cannot give
// exactly. Both give the same values and raise the same errors (VbError of
// the database, overflow of a 16-bit sum) at the same point of the file.
class FonteDeValores {
public:
    virtual ~FonteDeValores() = default;

    // The brand id of the brand box's text (0 when not found). `usada`:
    // whether the layout sums by brand; the per-row run looks it up anyway.
    virtual int32_t IdMarca(const QString& marca, bool usada) = 0;

    // Per listed order. The names are empty when not found; the salesperson
    // is empty for a null idvend.
    virtual QString NomeCliente(const PedidoListado& pedido) = 0;
    virtual QString NomeVendedor(const PedidoListado& pedido) = 0;
    // The order totals over every item line (deactivated ones too), of the
    // run's brand when it has one (ExecucaoRelatorio::idMarca).
    virtual double QtdeItens(const PedidoListado& pedido) = 0;
    virtual double ValorItens(const PedidoListado& pedido) = 0;
    virtual double DescontoItens(const PedidoListado& pedido) = 0;
    // The header discount found by the order's number; 0 for a null one.
    virtual double DescontoCabecalho(const PedidoListado& pedido) = 0;
    // Calls `item` for each active item line of the order, in line order.
    virtual void ItensDoPedido(const PedidoListado& pedido, const std::function<void(const ItemPedido&)>& item) = 0;
    // MODELO_PEDI_VEDS is "3": the item lines carry the status column.
    virtual bool ModeloComStatus() = 0;
    // The 16-bit quantity of the vertical delivery's column `coluna` in
    // status `status` (indexes of SubGruposEntrega and StatusEntrega).
    virtual int16_t QtdeSubGrupo(const PedidoListado& pedido, size_t coluna, size_t status) = 0;
    // The order's product quantities into the product grid (FlexTemp), right
    // after the order's block; CompletaProdutos finishes the grid's QTDE
    // column before the closing step reads it.
    virtual void SomaProdutosDoPedido(const PedidoListado& pedido, FlexGrid& grade) = 0;
    virtual void CompletaProdutos(FlexGrid& grade) = 0;

    // Products per sale: the day records' query (the layout's, to be sent
    // upper-cased), and a day's "count^items^PA^" record for the day text
    // `dia` of the current day record.
    virtual QString ConsultaDosDias(const QString& consultaDoLayout) = 0;
    virtual QString FigurasDoDia(const Recordset& registro, const QString& dia) = 0;

    // Product grouping: the description found by a product code.
    virtual QString DescricaoProduto(const QString& codigo) = 0;
};
