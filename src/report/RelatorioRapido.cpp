#include "RelatorioRapido.h"

#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/FlexGrid.h"
#include "platform/Format.h"
#include "platform/VbError.h"
#include "report/Cabecalhos.h"
#include "report/ConsultasRapidas.h"
#include "report/ConsultasRelatorio.h"
#include "report/HtmlRelatorio.h"
#include "report/RelatorioAgrupaProd.h"
#include "report/RelatorioDetalhado.h"
#include "report/RelatorioEntregaVertical.h"
#include "report/RelatorioPA.h"
#include "report/RelatorioStandard.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QHash>
#include <QSet>
#include <optional>

namespace {

// Lines waiting to be written: one write per batch, each line followed by
// CRLF as its own write would have left it.
class Lote {
public:
    explicit Lote(const ExecucaoRelatorio& execucao) : execucao_(execucao) {}

    void Acrescenta(const QString& linha)
    {
        if (linhas_ > 0)
            texto_ += QStringLiteral("\r\n");
        texto_ += linha;
        ++linhas_;
        if (texto_.size() >= TamanhoLote)
            Descarrega();
    }

    void Descarrega()
    {
        if (linhas_ == 0)
            return;
        execucao_.Escreve(texto_);
        texto_.resize(0);  // keeps the capacity for the next batch
        linhas_ = 0;
    }

private:
    static constexpr qsizetype TamanhoLote = 1 << 16;
    const ExecucaoRelatorio& execucao_;
    QString texto_;
    int linhas_ = 0;
};

// What the order-list layouts share: the order list of the per-row run, the
// set-based queries, each run at its first use after writing the lines
// waiting (a failing query leaves the file as the per-row run would have
// left it), and the batch.
class PassosDeLista : public PassosRelatorio {
public:
    explicit PassosDeLista(const ExecucaoRelatorio& execucao) : PassosRelatorio(execucao), lote_(execucao) {}

    QString ConsultaPedidos() override
    {
        condicoes_ = CondicoesListaPedidos(execucao_);
        return ConsultaListaPedidos(condicoes_);
    }

protected:
    struct Nomes {
        QString cliente;
        QString vendedor;  // the salesperson cell
    };

    Nomes NomesDoPedido(const Recordset& pedido)
    {
        Nomes nomes;
        const Variant idVendedor = pedido.Fields(QStringLiteral("idvend"));
        Lidas(nomes_, NomesDosPedidos)
            .ParaCada(CLng(pedido.Fields(QStringLiteral("idpedi_veds"))), [&](const Recordset& linha) {
                nomes.cliente = ParaTexto(linha.Fields(QStringLiteral("nome_cliente")));
                const QString vendedor = ParaTexto(linha.Fields(QStringLiteral("nome_vendedor")));
                nomes.vendedor = idVendedor.IsNull() || vendedor.isEmpty() ? Espaco : vendedor;
            });
        return nomes;
    }

    LinhasPorPedido& Lidas(std::optional<LinhasPorPedido>& linhas,
                           const std::function<LinhasPorPedido(const QString&)>& consulta)
    {
        if (!linhas) {
            lote_.Descarrega();
            linhas = consulta(condicoes_);
        }
        return *linhas;
    }

    QString condicoes_;
    void EscrevePendentes() override { lote_.Descarrega(); }
    Lote lote_;

private:
    std::optional<LinhasPorPedido> nomes_;
};

class StandardRapido : public PassosDeLista {
public:
    using PassosDeLista::PassosDeLista;

    QString PaginaInicial() override { return CabecalhoRelStandard(execucao_.filtro); }

    void Linha(const Recordset& rs) override
    {
        const Nomes nomes = NomesDoPedido(rs);
        const int32_t marca = execucao_.idMarca;
        double qtde = 0;
        double valor = 0;
        double desconto = 0;
        // The three order totals of funcoes, in line order: a line whose
        // summed column is null adds nothing.
        Lidas(itens_, [marca](const QString& condicoes) {
            return ItensDasSomas(condicoes, marca);
        }).ParaCada(CLng(rs.Fields(QStringLiteral("idpedi_veds"))), [&](const Recordset& item) {
            const Variant q = item.Fields(QStringLiteral("QTDE"));
            const Variant v = item.Fields(QStringLiteral("VALO_TOTA"));
            const Variant d = item.Fields(QStringLiteral("VALO_DECT"));
            if (!q.IsNull())
                qtde += CDbl(q);
            if (!v.IsNull())
                valor += CDbl(v);
            if (!d.IsNull() && !q.IsNull())
                desconto += CDbl(q) * CDbl(d);
        });
        const Variant numero = rs.Fields(QStringLiteral("nume_pedi"));
        const double descontoPedido = descontoCabecalho(numero);

        PedidoStandard pedido;
        pedido.numero = numero;
        pedido.data = rs.Fields(QStringLiteral("data_pedi"));
        pedido.qtde = qtde;
        pedido.bruto = valor + desconto;
        pedido.descontos = descontoPedido + desconto;
        pedido.liquido = valor - descontoPedido;
        pedido.cliente = nomes.cliente;
        pedido.vendedor = nomes.vendedor;
        lote_.Acrescenta(LinhaPedidoStandard(pedido));
        somas_.Acrescenta(pedido);
    }

    QString Fechamento() override
    {
        lote_.Descarrega();
        return TotalStandard(somas_);
    }

private:
    // DescontoPedido takes the first order of the number: the set answers
    // when the number is unique, the lookup when it is not (or null).
    double descontoCabecalho(const Variant& numero)
    {
        if (!descontos_) {
            lote_.Descarrega();
            descontos_ = DescontosPorNumero(condicoes_);
        }
        const QString chave = ParaTexto(numero);
        const auto achado = descontos_->constFind(chave);
        if (!numero.IsNull() && achado != descontos_->constEnd() && achado->pedidos == 1)
            return achado->valor.IsNull() ? 0 : CDbl(achado->valor);
        const auto lido = repetidos_.constFind(chave);
        if (lido != repetidos_.constEnd())
            return *lido;
        lote_.Descarrega();
        const double desconto = DescontoCabecalho(numero);
        repetidos_.insert(chave, desconto);
        return desconto;
    }

    std::optional<LinhasPorPedido> itens_;
    std::optional<QHash<QString, DescontoDoNumero>> descontos_;
    QHash<QString, double> repetidos_;
    SomasStandard somas_;
};

class DetalhadoRapido : public PassosDeLista {
public:
    DetalhadoRapido(const ExecucaoRelatorio& execucao, VarianteDetalhada variante)
        : PassosDeLista(execucao), variante_(variante), tamanho_(execucao.tamanhoFonte)
    {}

    QString PaginaInicial() override
    {
        if (entrega())
            return CabecalhoRelEntrega(execucao_.filtro, tamanho_);
        return CabecalhoRelDeta(execucao_.filtro);
    }

    void Linha(const Recordset& rs) override
    {
        const Nomes nomes = NomesDoPedido(rs);
        CabecalhoPedido pedido;
        pedido.data = rs.Fields(QStringLiteral("data_pedi"));
        pedido.numero = rs.Fields(QStringLiteral("nume_pedi"));
        pedido.entrega = rs.Fields(QStringLiteral("DATA_REAL_ENTG"));
        pedido.cliente = nomes.cliente;
        pedido.vendedor = nomes.vendedor;
        lote_.Acrescenta(BlocoPedido(variante_, tamanho_, pedido));

        bool comItens = false;
        double totalPedido = 0;
        Lidas(itens_, ItensDetalhados)
            .ParaCada(CLng(rs.Fields(QStringLiteral("idpedi_veds"))), [&](const Recordset& linha) {
                if (!comItens)
                    lote_.Acrescenta(entrega() ? ColunasItensEntrega(tamanho_, comStatus())
                                               : ColunasItensDeta(comStatus()));
                comItens = true;
                const ItemPedido item = LeItemPedido(linha);
                lote_.Acrescenta(LinhaItem(variante_, tamanho_, comStatus(), item));
                if (!item.total.IsNull())
                    totalPedido += CDbl(item.total);
            });
        if (!comItens)
            return;
        if (entrega()) {
            lote_.Acrescenta(QStringLiteral("</TABLE>") + QStringLiteral("<br/>"));
            return;
        }
        lote_.Acrescenta(TotalPedidoDetalhado(comStatus(), totalPedido));
        totalGeral_ += totalPedido;
    }

    QString Fechamento() override
    {
        lote_.Descarrega();
        if (entrega())
            return QStringLiteral("</BODY></HTML>");
        return TotalGeralDetalhado(comStatus(), totalGeral_);
    }

private:
    bool entrega() const { return variante_ == VarianteDetalhada::Entrega; }

    // MODELO_PEDI_VEDS does not change during a run: read once.
    bool comStatus()
    {
        if (!comStatus_) {
            lote_.Descarrega();
            comStatus_ = ModeloComStatus();
        }
        return *comStatus_;
    }

    VarianteDetalhada variante_;
    int tamanho_;
    std::optional<bool> comStatus_;
    std::optional<LinhasPorPedido> itens_;
    double totalGeral_ = 0;
};

// The page start and the grid preparation are the per-row layout's; the
// quantities come from the sets.
class EntregaVerticalRapido : public PassosDeLista {
public:
    explicit EntregaVerticalRapido(const ExecucaoRelatorio& execucao) : PassosDeLista(execucao), porLinha_(execucao) {}

    QString PaginaInicial() override { return porLinha_.PaginaInicial(); }
    void Prepara() override { porLinha_.Prepara(); }

    void Linha(const Recordset& rs) override
    {
        const int32_t id = CLng(rs.Fields(QStringLiteral("idpedi_veds")));
        PedidoVertical pedido;
        pedido.data = rs.Fields(QStringLiteral("data_pedi"));
        pedido.numero = rs.Fields(QStringLiteral("nume_pedi"));
        pedido.entrega = rs.Fields(QStringLiteral("DATA_REAL_ENTG"));
        pedido.cliente = NomesDoPedido(rs).cliente;

        std::array<std::array<double, StatusEntrega.size()>, SubGruposEntrega.size()> somas{};
        std::array<bool, SubGruposEntrega.size()> incomum{};
        Lidas(subGrupos_, QuantidadesSubGrupo).ParaCada(id, [&](const Recordset& linha) {
            const size_t coluna = colunaDoSubGrupo(CLng(linha.Fields(QStringLiteral("subgrupo"))));
            const auto status = static_cast<size_t>(CLng(linha.Fields(QStringLiteral("situacao"))));
            const Variant qtde = linha.Fields(QStringLiteral("qtde"));
            somas[coluna][status] += qtde.IsNull() ? 0 : CDbl(qtde);
            incomum[coluna] = incomum[coluna] || CDbl(linha.Fields(QStringLiteral("incomuns"))) > 0;
        });
        for (size_t coluna = 0; coluna < SubGruposEntrega.size(); ++coluna) {
            auto& quantidades = pedido.quantidades[coluna];
            if (incomum[coluna]) {
                lote_.Descarrega();
                for (size_t status = 0; status < StatusEntrega.size(); ++status)
                    quantidades[status] =
                        QtdeItensSubGrupo(id, SubGruposEntrega[coluna], QLatin1String(StatusEntrega[status]));
                continue;
            }
            // Whole quantities from 0 to 32767: the step sum is the plain
            // sum, and past 32767 it overflows as the step sum would.
            double todas = 0;
            for (size_t status = 0; status < StatusEntrega.size(); ++status)
                todas += somas[coluna][status];
            quantidades[0] = ArredondaInteiro16(todas);
            for (size_t status = 1; status < StatusEntrega.size(); ++status)
                quantidades[status] = ArredondaInteiro16(somas[coluna][status]);
        }
        for (size_t coluna = 0; coluna < totais_.size(); ++coluna)
            totais_[coluna] = ArredondaInteiro16(double(totais_[coluna]) + pedido.quantidades[coluna][0]);
        lote_.Acrescenta(BlocoPedidoVertical(execucao_.tamanhoFonte, pedido));
        confereProdutos(id);
    }

    QString Fechamento() override
    {
        lote_.Descarrega();
        somaProdutos();
        return FechamentoVertical(execucao_.tamanhoFonte, totais_, FlexTemp());
    }

private:
    static constexpr int ColunaId = 0;
    static constexpr int ColunaCodigo = 1;
    static constexpr int ColunaQtde = 2;

    static size_t colunaDoSubGrupo(int32_t subGrupo)
    {
        size_t coluna = 0;
        while (SubGruposEntrega[coluna] != subGrupo)
            ++coluna;
        return coluna;
    }

    // The product each grid row sums (IdProduto of its code when several
    // products share it), looked up once.
    const QVector<int32_t>& produtosDaGrade()
    {
        if (produtosDaGrade_)
            return *produtosDaGrade_;
        lote_.Descarrega();
        const QHash<QString, ProdutoDoCodigo> resolvidos = ProdutosPorCodigo();
        const FlexGrid& grid = FlexTemp();
        QHash<QString, int32_t> porCodigo;
        QVector<int32_t> produtos(grid.Rows(), 0);
        for (int linha = 1; linha < grid.Rows(); ++linha) {
            const QString codigo = grid.TextMatrix(linha, ColunaCodigo);
            const ProdutoDoCodigo resolvido = resolvidos.value(grid.TextMatrix(linha, ColunaId));
            produtos[linha] = resolvido.idProduto;
            if (resolvido.achados > 1) {
                if (!porCodigo.contains(codigo)) {
                    QString argumento = codigo;
                    porCodigo.insert(codigo, CLng(IdProduto(argumento)));
                }
                produtos[linha] = porCodigo.value(codigo);
            }
        }
        produtosDaGrade_ = produtos;
        return *produtosDaGrade_;
    }

    // Right after the order's block, as the per-row run sums each grid
    // row's QtdeProdutoPedido: the order's pairs that the plain sums cannot
    // give are summed line by line here, in grid order, so an overflow
    // stops the run after the same block with the same message.
    void confereProdutos(int32_t pedido)
    {
        if (!pares_) {
            lote_.Descarrega();
            pares_.emplace();
            for (const ParIncomum& par : ParesIncomuns(condicoes_))
                (*pares_)[par.pedido].append(par);
        }
        const auto doPedido = pares_->constFind(pedido);
        if (doPedido == pares_->constEnd())
            return;
        const QVector<int32_t>& produtos = produtosDaGrade();
        const FlexGrid& grid = FlexTemp();
        QSet<int32_t> somados;  // grid rows of a shared code name the same product
        for (int linha = 1; linha < grid.Rows(); ++linha) {
            for (const ParIncomum& par : *doPedido) {
                if (par.produto != produtos[linha] || somados.contains(par.produto))
                    continue;
                lote_.Descarrega();
                ajustes_[par.produto] += QtdeProdutoPedido(pedido, grid.TextMatrix(linha, ColunaCodigo)) - par.regular;
                somados.insert(par.produto);
            }
        }
    }

    // Column QTDE of every grid row: the sum over the listed orders of
    // QtdeProdutoPedido for the row's code.
    void somaProdutos()
    {
        const QVector<int32_t>& produtos = produtosDaGrade();
        const QHash<int32_t, double> regulares = QuantidadesPorProduto(condicoes_);
        FlexGrid& grid = FlexTemp();
        for (int linha = 1; linha < grid.Rows(); ++linha) {
            const int32_t produto = produtos[linha];
            grid.SetTextMatrix(linha, ColunaQtde, NumeroGeral(regulares.value(produto) + ajustes_.value(produto)));
        }
    }

    PassosEntregaVertical porLinha_;
    std::optional<LinhasPorPedido> subGrupos_;
    std::array<int16_t, SubGruposEntrega.size()> totais_{};
    std::optional<QVector<int32_t>> produtosDaGrade_;
    std::optional<QHash<int32_t, QVector<ParIncomum>>> pares_;  // by order
    QHash<int32_t, double> ajustes_;                            // per product: line-by-line sums less the plain ones
};

class PARapido : public PassosRelatorio {
public:
    explicit PARapido(const ExecucaoRelatorio& execucao) : PassosRelatorio(execucao), lote_(execucao) {}

    QString PaginaInicial() override { return CabecalhoRelPA(execucao_.filtro); }

    QString ConsultaPedidos() override
    {
        if (!execucao_.filtro.vendedor.isEmpty()) {
            QString nome = Trim(execucao_.filtro.vendedor);
            idVendedor_ = ParaTexto(IdVendedor(nome));
        }
        return ConsultaDiasComFiguras(execucao_, idVendedor_);
    }

    void Linha(const Recordset& rs) override
    {
        DiaPA dia;
        dia.vendedor = Trim(execucao_.filtro.vendedor);
        const Variant data = rs.Fields(execucao_.colunaData);
        dia.dia = Format(data, QStringLiteral("dd/mm/yyyy"));
        QString registro = registroDoDia(rs, data, dia.dia);
        dia.itens = CDbl(Campo(2, registro));
        dia.vendas = CDbl(Campo(1, registro));
        dia.pa = CDbl(Campo(3, registro));
        lote_.Acrescenta(LinhaDiaPA(dia));
        itens_ += dia.itens;
        vendas_ += dia.vendas;
    }

    QString Fechamento() override
    {
        lote_.Descarrega();
        return TotalPA(vendas_, itens_);
    }

private:
    // PAVendedorDia's "count^items^PA^" for the day's midnight: the record's
    // own figures when it is a midnight and its quantities whole, the lookup
    // otherwise.
    QString registroDoDia(const Recordset& rs, const Variant& data, const QString& dia)
    {
        const bool meiaNoite = data.IsDate() && data.date().time() == QTime(0, 0);
        const Variant fracoes = rs.Fields(QStringLiteral("fracoes"));
        if (!meiaNoite || (!fracoes.IsNull() && CDbl(fracoes) > 0)) {
            lote_.Descarrega();
            return PAVendedorDia(dia, idVendedor_);
        }
        const Variant linhas = rs.Fields(QStringLiteral("linhas"));
        if (linhas.IsNull() || CDbl(linhas) == 0)
            return QStringLiteral("0^0^0^");
        const double pedidos = CDbl(rs.Fields(QStringLiteral("pedidos")));
        const Variant soma = rs.Fields(QStringLiteral("itens"));
        const double itens = soma.IsNull() ? 0 : CDbl(soma);
        const QString circ = QStringLiteral("^");
        return NumeroGeral(pedidos) + circ + NumeroGeral(itens) + circ + NumeroGeral(itens / pedidos) + circ;
    }

    void EscrevePendentes() override { lote_.Descarrega(); }
    Lote lote_;
    QString idVendedor_;
    double vendas_ = 0;
    double itens_ = 0;
};

class AgrupaProdRapido : public PassosAgrupaProd {
public:
    explicit AgrupaProdRapido(const ExecucaoRelatorio& execucao) : PassosAgrupaProd(execucao), lote_(execucao) {}

    QString Fechamento() override
    {
        Recordset resumo = AbreConsulta(ConsultaAgrupaProd(execucao_), adLockReadOnly);
        execucao_.Escreve(ColunasAgrupaProd());
        if (!resumo.Eof()) {
            const QHash<QString, DescricaoDoCodigo> descricoes = DescricoesPorCodigo();
            for (; !resumo.Eof(); resumo.MoveNext()) {
                const QString codigo = ParaTexto(resumo.Fields(QStringLiteral("codi_prod")));
                lote_.Acrescenta(
                    LinhaProdutoAgrupado(codigo, descricao(descricoes, codigo), resumo.Fields(QStringLiteral("Qtde"))));
            }
            lote_.Acrescenta(QStringLiteral("</TABLE>") + QStringLiteral("<br/>"));
            lote_.Descarrega();
        }
        resumo.Close();
        return QStringLiteral("</BODY></HTML>");
    }

private:
    // DescProduto takes the first product of the trimmed code: the set
    // answers when the code is a group's own and one product carries it, the
    // lookup otherwise (several products, or a code written another way).
    QString descricao(const QHash<QString, DescricaoDoCodigo>& descricoes, const QString& codigo)
    {
        const auto achado = descricoes.constFind(Trim(codigo));
        if (achado != descricoes.constEnd() && achado->achados == 1)
            return achado->descricao;
        lote_.Descarrega();
        QString argumento = codigo;
        return ParaTexto(DescProduto(argumento));
    }

    void EscrevePendentes() override { lote_.Descarrega(); }
    Lote lote_;
};

}  // namespace

std::unique_ptr<PassosRelatorio> PassosRapidos(const ExecucaoRelatorio& execucao)
{
    switch (execucao.filtro.layout) {
    case LayoutRelatorio::Standard:
        return std::make_unique<StandardRapido>(execucao);
    case LayoutRelatorio::PA:
        return std::make_unique<PARapido>(execucao);
    case LayoutRelatorio::Detalhado:
        return std::make_unique<DetalhadoRapido>(execucao, VarianteDetalhada::ComValores);
    case LayoutRelatorio::Entrega:
        return std::make_unique<DetalhadoRapido>(execucao, VarianteDetalhada::Entrega);
    case LayoutRelatorio::EntregaVertical:
        return std::make_unique<EntregaVerticalRapido>(execucao);
    case LayoutRelatorio::AgrupaProd:
        break;
    }
    return std::make_unique<AgrupaProdRapido>(execucao);
}
