#pragma once

#include "platform/Variant.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <utility>

struct ExecucaoRelatorio;

// The set statements of FonteEmConjunto: a fixed number per run, whatever
// the number of orders, items or products. Texts are compared and grouped
// by the server (case-insensitive statuses and product codes), as the
// per-row lookups compare them.
//
// `condicoes` is the order list's WHERE conditions over pedi_veds, clie and
// pess (ExecucaoRelatorio::condicoesDaLista); they go into the queries
// upper-cased, as the order list is sent, and so do the texts the per-row
// lookups upper-case (the statuses). The per-order queries are sorted by
// order id, in their column "pedido", for LinhasPorPedido.
//
// "Line order" is the item lines' id order: the order in which SQLite (rowid
// or index scan) and Firebird (natural or index order of rows stored in id
// order) return an order's lines to the per-row statements, so sums of
// doubles are added in the same sequence.
//
// A quantity is "incomum" when a 16-bit step sum over it could depend on the
// order of the rows: fractional, negative or above 32767. Whole quantities
// from 0 to 32767 sum to the same total in any order, and that total
// overflows 16 bits exactly when some step of the per-row sum would.

// Per listed order, the customer's name (nome_cliente) and the salesperson's
// short name (nome_vendedor; null without one).
QString ConsultaNomesDosPedidos(const QString& condicoes);

// Every item line of the listed orders, deactivated ones too, with QTDE,
// VALO_TOTA and VALO_DECT, in line order; only the lines of the brand's
// products when `idMarca` is 1 or more.
QString ConsultaItensDasSomas(const QString& condicoes, int32_t idMarca);

// Per listed order, how many orders of any company carry its number
// ("pedidos"; 0 for a null number).
QString ConsultaPedidosDoNumero(const QString& condicoes);

// The active item lines (of a product that exists) of the listed orders,
// with the per-order item query's columns but the product's code and
// description, which ProdutosPorId gives: narrow rows, for a server that
// sends a batch of rows per round trip by their widest size.
QString ConsultaItensDetalhados(const QString& condicoes);
// The code and description (codi_prod, desc_prod) of every product, by id.
QHash<int32_t, std::pair<Variant, Variant>> ProdutosPorId();

// Per listed order, sub-group (column "subgrupo") and status (column
// "situacao": 1 Verde, 2 Madura, 3 Colorida, 0 any other): the sum of the
// active lines' quantities ("qtde", null without any) and how many of them
// are "incomum" ("incomuns").
QString ConsultaQuantidadesSubGrupo(const QString& condicoes);

// The (order, product) pairs whose per-order 16-bit sum needs a closer look
// (some line "incomum", or whole quantities summing past 32767): "pedido",
// "produto" and "regular", the sum of its whole quantities.
QString ConsultaParesIncomuns(const QString& condicoes);

// The product that IdProduto finds for the code of each active product, by
// the product's id as text: how many products carry that code and the one
// when there is only one.
struct ProdutoDoCodigo {
    long achados = 0;
    int32_t idProduto = 0;
};
QHash<QString, ProdutoDoCodigo> ProdutosPorCodigo();

// Per product: the sum of the whole quantities (not "incomum") of the listed
// orders' item lines, deactivated lines included.
QHash<int32_t, double> QuantidadesPorProduto(const QString& condicoes);

// Products per sale in one statement: the day records of `consultaDosDias`
// (ConsultaDiasPA), in the order of their instant, each with the figures
// PAVendedorDia gives for that very instant: the active orders of every
// company (of the salesperson when `idVendedor` is not empty) as "pedidos",
// their item lines as "linhas", the sum of the lines' quantities as "itens"
// and how many of those are fractional as "fracoes" (nulls without any).
QString ConsultaDiasComFiguras(const QString& consultaDosDias, const ExecucaoRelatorio& execucao,
                               const QString& idVendedor);

// Product grouping: the products of every code, grouped as the server
// compares codes, keyed by the group's code as the server returns it: how
// many products carry it and the description when only one does. Null codes
// are left out.
struct DescricaoDoCodigo {
    long achados = 0;
    QString descricao;
};
QHash<QString, DescricaoDoCodigo> DescricoesPorCodigo();
