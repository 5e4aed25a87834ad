#pragma once

#include "report/ExecucaoRelatorio.h"

#include <QString>
#include <array>
#include <cstdint>

class FlexGrid;

// Vertical delivery report: per order, the quantities of five banana
// sub-groups in the statuses Verde, Madura and Colorida; at the end the
// total per sub-group and the quantity of every product ordered, summed in
// the scratch grid FlexTemp.

// Sub-group ids in column order: the labels number the columns, so
// "2-PRATA" shows sub-group 4 and "4-MACA" sub-group 2.
constexpr std::array<int32_t, 5> SubGruposEntrega{1, 4, 3, 2, 5};
// The statuses asked per sub-group: empty text for every status, then the
// three status rows.
constexpr std::array<const char*, 4> StatusEntrega{"", "Verde", "Madura", "Colorida"};

// The product grid's columns: product id, code, quantity, description.
namespace grade_entrega {
constexpr int Id = 0;
constexpr int Codigo = 1;
constexpr int Qtde = 2;
constexpr int Descricao = 3;
}  // namespace grade_entrega

// The engine's scratch grid, for the process.
FlexGrid& FlexTemp();

class PassosEntregaVertical : public PassosRelatorio {
public:
    using PassosRelatorio::PassosRelatorio;
    QString PaginaInicial() override;
    void Prepara() override;
    QString ConsultaPedidos() override;
    void Linha(const Recordset& registro) override;
    QString Fechamento() override;

private:
    std::array<int16_t, SubGruposEntrega.size()> totais_{};
};
