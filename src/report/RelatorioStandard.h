#pragma once

#include "platform/Variant.h"
#include "report/ExecucaoRelatorio.h"

#include <QString>

// Standard order list: one row per order, then the total row that closes
// the table CabecalhoRelStandard opened.

struct PedidoStandard {
    Variant numero;  // nume_pedi
    Variant data;    // data_pedi
    QString cliente;
    double bruto = 0;      // item total + item discount
    double descontos = 0;  // header discount + item discount
    double liquido = 0;    // item total - header discount
    double qtde = 0;
    QString vendedor;  // the salesperson cell
};

struct SomasStandard {
    double qtde = 0;
    double bruto = 0;
    double descontos = 0;
    double liquido = 0;
    void Acrescenta(const PedidoStandard& pedido);
};

QString LinhaPedidoStandard(const PedidoStandard& pedido);
// The header discount of an order number (DescontoPedido); a null one counts as none.
double DescontoCabecalho(const Variant& numeroPedido);
QString TotalStandard(const SomasStandard& somas);

class PassosStandard : public PassosRelatorio {
public:
    using PassosRelatorio::PassosRelatorio;
    QString PaginaInicial() override;
    QString ConsultaPedidos() override;
    void Linha(const Recordset& pedido) override;
    QString Fechamento() override;

private:
    SomasStandard somas_;
};
