#pragma once

#include "report/ExecucaoRelatorio.h"

#include <QString>

// Products per sale: one row per issue day with the day's sales, items and
// their ratio (PA), then the total row that closes CabecalhoRelPA's table.
class PassosPA : public PassosRelatorio {
public:
    using PassosRelatorio::PassosRelatorio;
    QString PaginaInicial() override;
    QString ConsultaPedidos() override;
    void Linha(const Recordset& registro) override;
    QString Fechamento() override;

private:
    double vendas_ = 0;
    double itens_ = 0;
};
