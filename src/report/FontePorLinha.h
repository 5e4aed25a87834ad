#pragma once

#include "report/FonteDeValores.h"

struct ExecucaoRelatorio;

// The per-row value source (--fiel, the reference): every call sends the
// per-row algorithm's lookups for that one value, nothing kept from one
// call to the next, so a run's statements are the algorithm's, letter for
// letter and in its order. Lines are written one at a time.
class FontePorLinha : public FonteDeValores {
public:
    explicit FontePorLinha(const ExecucaoRelatorio& execucao) : execucao_(execucao) {}

    int32_t IdMarca(const QString& marca, bool usada) override;
    QString NomeCliente(const PedidoListado& pedido) override;
    QString NomeVendedor(const PedidoListado& pedido) override;
    double QtdeItens(const PedidoListado& pedido) override;
    double ValorItens(const PedidoListado& pedido) override;
    double DescontoItens(const PedidoListado& pedido) override;
    double DescontoCabecalho(const PedidoListado& pedido) override;
    void ItensDoPedido(const PedidoListado& pedido, const std::function<void(const ItemPedido&)>& item) override;
    bool ModeloComStatus() override;
    int16_t QtdeSubGrupo(const PedidoListado& pedido, size_t coluna, size_t status) override;
    void SomaProdutosDoPedido(const PedidoListado& pedido, FlexGrid& grade) override;
    // Each order has added its quantities to the grid already.
    void CompletaProdutos(FlexGrid&) override {}
    QString ConsultaDosDias(const QString& consultaDoLayout) override { return consultaDoLayout; }
    QString FigurasDoDia(const Recordset& registro, const QString& dia) override;
    QString DescricaoProduto(const QString& codigo) override;

private:
    const ExecucaoRelatorio& execucao_;
};
