#pragma once

#include "report/ExecucaoRelatorio.h"

#include <QString>

// Standard order list: one row per order with its gross total, discounts,
// net total and item quantity, then the total row that closes the table
// CabecalhoRelStandard opened. Only this layout sums by the brand filter.
class PassosStandard : public PassosRelatorio {
public:
    using PassosRelatorio::PassosRelatorio;
    bool UsaMarca() const override { return true; }
    QString PaginaInicial() override;
    QString ConsultaPedidos() override;
    void Linha(const Recordset& registro) override;
    QString Fechamento() override;

private:
    double qtde_ = 0;
    double bruto_ = 0;
    double descontos_ = 0;
    double liquido_ = 0;
};
