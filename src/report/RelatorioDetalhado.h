#pragma once

#include "platform/Variant.h"
#include "report/ExecucaoRelatorio.h"

#include <QString>

// The detailed report with values and the horizontal delivery report: each
// order as a heading block followed by its active item lines. The delivery
// variant shows quantities only, in the chosen font size, and has no totals.

enum class VarianteDetalhada { ComValores, Entrega };

struct CabecalhoPedido {
    Variant data;     // data_pedi
    Variant numero;   // nume_pedi
    Variant entrega;  // DATA_REAL_ENTG
    QString cliente;
    QString vendedor;  // the salesperson cell
};

struct ItemPedido {
    Variant codigo, descricao, status;
    Variant unitario, desconto, liquido, qtde, total;
};

// One item line of a recordset with the item query's columns (codi_prod,
// Desc_PROD, Status_PROD, VALO_UNIT, VALO_DECT, VALO_LIQU, Qtde, VALO_TOTA).
ItemPedido LeItemPedido(const Recordset& rs);
// The order's two-row table, closed.
QString BlocoPedido(VarianteDetalhada variante, int tamanhoFonte, const CabecalhoPedido& pedido);
QString LinhaItem(VarianteDetalhada variante, int tamanhoFonte, bool comStatus, const ItemPedido& item);
// Detailed report: the "Total Pedido" row, closing the item table.
QString TotalPedidoDetalhado(bool comStatus, double total);
// Detailed report: the "Total Geral" table and the page end.
QString TotalGeralDetalhado(bool comStatus, double total);

class PassosDetalhado : public PassosRelatorio {
public:
    PassosDetalhado(const ExecucaoRelatorio& execucao, VarianteDetalhada variante);
    QString PaginaInicial() override;
    QString ConsultaPedidos() override;
    void Linha(const Recordset& pedido) override;
    QString Fechamento() override;

private:
    VarianteDetalhada variante_;
    int tamanho_;  // the font size of the variant's rows
    double totalGeral_ = 0;
};
