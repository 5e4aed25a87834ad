#pragma once

#include "platform/Ado.h"
#include "platform/Variant.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>

struct ExecucaoRelatorio;

// The set-based queries of the fast report run: a fixed number per run,
// whatever the number of orders, items or products. Texts are compared and
// grouped by the server (case-insensitive statuses and product codes), as the
// per-row lookups compare them. Where a value cannot be given exactly from a
// set (a 16-bit sum whose result depends on the order of its rows, a product
// code or an order number shared by several rows, of which the lookup takes
// the first), the query says so and the run asks the per-row lookup for that
// corner only.
//
// "Line order" is the item lines' id order: the order in which SQLite (rowid
// or index scan) and Firebird (natural or index order of rows stored in id
// order) return an order's lines to the per-row statements, so sums of
// doubles are added in the same sequence.
//
// `condicoes` is the order list's "FROM ... WHERE ..." part
// (CondicoesListaPedidos); it goes into the queries upper-cased, as the order
// list is sent, and so do the texts the per-row lookups upper-case (the
// statuses).

// The rows of a recordset ordered by an order id column (`coluna`), taken
// order by order as the listed orders come, in the same order.
class LinhasPorPedido {
public:
    LinhasPorPedido() = default;
    explicit LinhasPorPedido(Recordset rs, QString coluna = QStringLiteral("pedido"))
        : rs_(std::move(rs)), coluna_(std::move(coluna))
    {}
    // Calls `linha` for each row of order `pedido`, in recordset order.
    void ParaCada(int32_t pedido, const std::function<void(const Recordset&)>& linha);

private:
    Recordset rs_;
    QString coluna_;
};

// Per listed order, the customer's name (nome_cliente) and the salesperson's
// short name (nome_vendedor; null without one).
LinhasPorPedido NomesDosPedidos(const QString& condicoes);

// Every item line of the listed orders, deactivated ones too, with QTDE,
// VALO_TOTA and VALO_DECT, in line order; only the lines of the brand's
// products when `idMarca` is 1 or more.
LinhasPorPedido ItensDasSomas(const QString& condicoes, int32_t idMarca);

// The header discount of the order numbers listed: how many orders of any
// company carry the number and, when only one does, its VALO_DECT. Keyed by
// the number as text.
struct DescontoDoNumero {
    long pedidos = 0;
    Variant valor;
};
QHash<QString, DescontoDoNumero> DescontosPorNumero(const QString& condicoes);

// The active item lines of the listed orders with their product's code and
// description, the per-order item query's columns, in line order.
LinhasPorPedido ItensDetalhados(const QString& condicoes);

// A quantity is "incomum" when a 16-bit step sum over it could depend on the
// order of the rows: fractional, negative or above 32767. Whole quantities
// from 0 to 32767 sum to the same total in any order, and that total
// overflows 16 bits exactly when some step of the per-row sum would.

// Per listed order, sub-group (column "subgrupo") and status (column
// "situacao": 1 Verde, 2 Madura, 3 Colorida, 0 any other): the sum of the
// active lines' quantities ("qtde", null without any) and how many of them
// are "incomum" ("incomuns").
LinhasPorPedido QuantidadesSubGrupo(const QString& condicoes);

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

// The (order, product) pairs whose per-order 16-bit sum needs a closer look:
// some line "incomum", or whole quantities summing past 32767.
struct ParIncomum {
    int32_t pedido = 0;
    int32_t produto = 0;
    double regular = 0;  // the sum of its whole quantities
    bool incomum = false;
};
QVector<ParIncomum> ParesIncomuns(const QString& condicoes);

// Products per sale in one statement: the day records of the per-row run
// (ConsultaDiasPA, in the order of their instant), each with the figures
// PAVendedorDia gives for that very instant: the active orders of every
// company (of the salesperson when `idVendedor` is not empty) as "pedidos",
// their item lines as "linhas", the sum of the lines' quantities as "itens"
// and how many of those are fractional as "fracoes" (nulls without any).
QString ConsultaDiasComFiguras(const ExecucaoRelatorio& execucao, const QString& idVendedor);

// Product grouping: the products of every code, grouped as the server
// compares codes, keyed by the group's code as the server returns it: how
// many products carry it and the description when only one does. Null codes
// are left out.
struct DescricaoDoCodigo {
    long achados = 0;
    QString descricao;
};
QHash<QString, DescricaoDoCodigo> DescricoesPorCodigo();
