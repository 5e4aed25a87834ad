#pragma once

#include "report/ExecucaoRelatorio.h"

#include <QString>

// The detailed report with values and the horizontal delivery report: each
// order as a heading block followed by its active item lines. The delivery
// variant shows quantities only, in the chosen font size, and has no totals.
enum class VarianteDetalhada { ComValores, Entrega };

class PassosDetalhado : public PassosRelatorio {
public:
    PassosDetalhado(ExecucaoRelatorio& execucao, FonteDeValores& fonte, VarianteDetalhada variante)
        : PassosRelatorio(execucao, fonte), entrega_(variante == VarianteDetalhada::Entrega)
    {}
    QString PaginaInicial() override;
    QString ConsultaPedidos() override;
    void Linha(const Recordset& registro) override;
    QString Fechamento() override;

private:
    // The font size of the variant's rows.
    int tamanho() const { return entrega_ ? execucao_.tamanhoFonte : 8; }

    bool entrega_;
    double totalGeral_ = 0;
};
