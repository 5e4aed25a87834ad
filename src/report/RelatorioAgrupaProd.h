#pragma once

#include "report/ExecucaoRelatorio.h"

#include <QString>

// Product grouping: the quantity of every product code ordered in the
// period, whatever the company, customer, salesperson or order state. The
// order records only tell whether the period has data; the closing step
// writes everything.
class PassosAgrupaProd : public PassosRelatorio {
public:
    using PassosRelatorio::PassosRelatorio;
    QString PaginaInicial() override;
    QString ConsultaPedidos() override;
    void Linha(const Recordset&) override {}
    QString Fechamento() override;
};
