#pragma once

#include "report/ConsultasEmConjunto.h"
#include "report/FonteDeValores.h"
#include "report/FontePorLinha.h"
#include "report/LinhasPorPedido.h"
#include "report/RelatorioEntregaVertical.h"

#include <QHash>
#include <QVector>
#include <array>
#include <optional>

struct ExecucaoRelatorio;

// The set-based value source (the default): the values of every order come
// from a few set statements per run (ConsultasEmConjunto), each sent at the
// first value it carries and read forward as the orders come, so a run holds
// one order's rows, not the period's. The lines of the file are written in
// batches (SaidaDoRelatorio::EmLotes).
//
// The per-row lookup is still sent, for that value only, where a set cannot
// give it exactly:
// - a 16-bit quantity sum (vertical delivery) over a fractional, negative or
//   larger-than-16-bit quantity, or past 32767: QtdeItensSubGrupo /
//   QtdeProdutoPedido of that order, which also raise the overflow;
// - a day of the products-per-sale layout that is not a midnight or has a
//   fractional quantity: PAVendedorDia of that day;
// - an order number carried by several orders, or null: DescontoPedido;
// - a product code carried by several products: IdProduto / DescProduto.
class FonteEmConjunto : public FonteDeValores {
public:
    explicit FonteEmConjunto(ExecucaoRelatorio& execucao);

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
    void CompletaProdutos(FlexGrid& grade) override;
    QString ConsultaDosDias(const QString& consultaDoLayout) override;
    QString FigurasDoDia(const Recordset& registro, const QString& dia) override;
    QString DescricaoProduto(const QString& codigo) override;

private:
    // What one set gives for the order last asked.
    struct Nomes {
        QString cliente, vendedor;
    };
    struct Somas {
        double qtde = 0, valor = 0, desconto = 0;
    };
    struct SubGrupos {
        // Per column, [0] every status, then Verde, Madura, Colorida.
        std::array<std::array<int16_t, StatusEntrega.size()>, SubGruposEntrega.size()> quantidades{};
        std::array<bool, SubGruposEntrega.size()> porLinha{};  // the lookups answer
    };
    template <typename Valor> struct DoPedido {
        std::optional<int32_t> pedido;
        Valor valor;
    };

    // The rows of the set `linhas` (sent at its first use) for `pedido`.
    void linhasDoPedido(std::optional<LinhasPorPedido>& linhas, const std::function<QString()>& consulta,
                        int32_t pedido, const std::function<void(const Recordset&)>& linha);
    const Nomes& nomes(const PedidoListado& pedido);
    const Somas& somas(const PedidoListado& pedido);
    const SubGrupos& subGrupos(const PedidoListado& pedido);
    // The product each grid row sums (IdProduto of its code), looked up once.
    const QVector<int32_t>& produtosDaGrade(const FlexGrid& grade);

    ExecucaoRelatorio& execucao_;
    FontePorLinha porLinha_;  // the lookups a set cannot answer
    std::optional<LinhasPorPedido> nomesDosPedidos_, itensDasSomas_, pedidosDoNumero_, itensDetalhados_,
        quantidadesSubGrupo_, paresIncomuns_;
    DoPedido<Nomes> nomes_;
    DoPedido<Somas> somas_;
    DoPedido<SubGrupos> subGrupos_;
    DoPedido<double> descontoCabecalho_;
    QHash<QString, double> descontoPorNumero_;  // numbers the lookup answered
    std::optional<bool> comStatus_;
    std::optional<QHash<int32_t, std::pair<Variant, Variant>>> produtosPorId_;
    std::optional<QVector<int32_t>> produtosDaGrade_;
    QHash<int32_t, double> ajustes_;  // per product: line-by-line sums less the plain ones
    QString idVendedor_;
    std::optional<QHash<QString, DescricaoDoCodigo>> descricoes_;
};
