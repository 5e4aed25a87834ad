#pragma once

#include "report/ExecucaoRelatorio.h"

#include <QString>

// Products per sale: one row per issue day with the day's sales, items and
// their ratio (PA), then the total row that closes CabecalhoRelPA's table.

struct DiaPA {
    QString dia;  // dd/mm/yyyy
    double vendas = 0;
    double itens = 0;
    double pa = 0;
    QString vendedor;  // trimmed salesperson box text, empty for everybody
};

QString LinhaDiaPA(const DiaPA& dia);
// The total PA is the ratio of the sums; 0.00 when no sale was counted.
QString TotalPA(double vendas, double itens);

class PassosPA : public PassosRelatorio {
public:
    using PassosRelatorio::PassosRelatorio;
    QString PaginaInicial() override;
    QString ConsultaPedidos() override;
    void Linha(const Recordset& dia) override;
    QString Fechamento() override;

private:
    double vendas_ = 0;
    double itens_ = 0;
};
