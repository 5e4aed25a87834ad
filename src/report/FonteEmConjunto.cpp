#include "FonteEmConjunto.h"

#include "platform/Conversions.h"
#include "platform/FlexGrid.h"
#include "report/ExecucaoRelatorio.h"
#include "shared/Funcoes.h"

#include <QSet>
#include <QTime>

namespace {

size_t colunaDoSubGrupo(int32_t subGrupo)
{
    size_t coluna = 0;
    while (SubGruposEntrega[coluna] != subGrupo)
        ++coluna;
    return coluna;
}

double numeroOuZero(const Variant& valor)
{
    return valor.IsNull() ? 0 : CDbl(valor);
}

}  // namespace

FonteEmConjunto::FonteEmConjunto(ExecucaoRelatorio& execucao) : execucao_(execucao), porLinha_(execucao)
{
    execucao_.saida.EmLotes();
}

void FonteEmConjunto::linhasDoPedido(std::optional<LinhasPorPedido>& linhas, const std::function<QString()>& consulta,
                                     int32_t pedido, const std::function<void(const Recordset&)>& linha)
{
    if (!linhas) {
        linhas.emplace(consulta());
    }
    linhas->ParaCada(pedido, linha);
}

int32_t FonteEmConjunto::IdMarca(const QString& marca, bool usada)
{
    return usada ? porLinha_.IdMarca(marca, usada) : 0;
}

const FonteEmConjunto::Nomes& FonteEmConjunto::nomes(const PedidoListado& pedido)
{
    if (nomes_.pedido == pedido.id)
        return nomes_.valor;
    nomes_ = {pedido.id, {}};
    linhasDoPedido(
        nomesDosPedidos_, [this] { return ConsultaNomesDosPedidos(execucao_.condicoesDaLista); }, pedido.id,
        [this](const Recordset& linha) {
            nomes_.valor.cliente = ParaTexto(linha.Fields(QStringLiteral("nome_cliente")));
            nomes_.valor.vendedor = ParaTexto(linha.Fields(QStringLiteral("nome_vendedor")));
        });
    return nomes_.valor;
}

QString FonteEmConjunto::NomeCliente(const PedidoListado& pedido)
{
    return nomes(pedido).cliente;
}

QString FonteEmConjunto::NomeVendedor(const PedidoListado& pedido)
{
    return nomes(pedido).vendedor;
}

const FonteEmConjunto::Somas& FonteEmConjunto::somas(const PedidoListado& pedido)
{
    if (somas_.pedido == pedido.id)
        return somas_.valor;
    somas_ = {pedido.id, {}};
    // The three order totals of funcoes, in line order: a line whose summed
    // column is null adds nothing.
    linhasDoPedido(
        itensDasSomas_, [this] { return ConsultaItensDasSomas(execucao_.condicoesDaLista, execucao_.idMarca); },
        pedido.id,
        [this](const Recordset& item) {
            const Variant qtde = item.Fields(QStringLiteral("QTDE"));
            const Variant valor = item.Fields(QStringLiteral("VALO_TOTA"));
            const Variant desconto = item.Fields(QStringLiteral("VALO_DECT"));
            if (!qtde.IsNull())
                somas_.valor.qtde += CDbl(qtde);
            if (!valor.IsNull())
                somas_.valor.valor += CDbl(valor);
            if (!desconto.IsNull() && !qtde.IsNull())
                somas_.valor.desconto += CDbl(qtde) * CDbl(desconto);
        });
    return somas_.valor;
}

double FonteEmConjunto::QtdeItens(const PedidoListado& pedido)
{
    return somas(pedido).qtde;
}

double FonteEmConjunto::ValorItens(const PedidoListado& pedido)
{
    return somas(pedido).valor;
}

double FonteEmConjunto::DescontoItens(const PedidoListado& pedido)
{
    return somas(pedido).desconto;
}

double FonteEmConjunto::DescontoCabecalho(const PedidoListado& pedido)
{
    if (descontoCabecalho_.pedido == pedido.id)
        return descontoCabecalho_.valor;
    long pedidos = 0;
    linhasDoPedido(
        pedidosDoNumero_, [this] { return ConsultaPedidosDoNumero(execucao_.condicoesDaLista); }, pedido.id,
        [&pedidos](const Recordset& linha) { pedidos = CLng(linha.Fields(QStringLiteral("pedidos"))); });
    double desconto = 0;
    // DescontoPedido takes the first order of the number: the order's own
    // discount when it is the only one, the lookup otherwise (or for null).
    const QString numero = ParaTexto(pedido.numero);
    if (!pedido.numero.IsNull() && pedidos == 1) {
        desconto = numeroOuZero(pedido.desconto);
    } else if (descontoPorNumero_.contains(numero)) {
        desconto = descontoPorNumero_.value(numero);
    } else {
        desconto = porLinha_.DescontoCabecalho(pedido);
        descontoPorNumero_.insert(numero, desconto);
    }
    descontoCabecalho_ = {pedido.id, desconto};
    return desconto;
}

void FonteEmConjunto::ItensDoPedido(const PedidoListado& pedido, const std::function<void(const ItemPedido&)>& item)
{
    linhasDoPedido(
        itensDetalhados_, [this] { return ConsultaItensDetalhados(execucao_.condicoesDaLista); }, pedido.id,
        [&](const Recordset& linha) {
            if (!produtosPorId_)
                produtosPorId_ = ProdutosPorId();
            const auto [codigo, descricao] = produtosPorId_->value(CLng(linha.Fields(QStringLiteral("idprod"))));
            item(LeItemPedido(linha, codigo, descricao));
        });
}

bool FonteEmConjunto::ModeloComStatus()
{
    // MODELO_PEDI_VEDS does not change during a run: read once.
    if (!comStatus_) {
        comStatus_ = porLinha_.ModeloComStatus();
    }
    return *comStatus_;
}

const FonteEmConjunto::SubGrupos& FonteEmConjunto::subGrupos(const PedidoListado& pedido)
{
    if (subGrupos_.pedido == pedido.id)
        return subGrupos_.valor;
    std::array<std::array<double, StatusEntrega.size()>, SubGruposEntrega.size()> somas{};
    std::array<bool, SubGruposEntrega.size()> incomum{};
    linhasDoPedido(
        quantidadesSubGrupo_, [this] { return ConsultaQuantidadesSubGrupo(execucao_.condicoesDaLista); }, pedido.id,
        [&](const Recordset& linha) {
            const size_t coluna = colunaDoSubGrupo(CLng(linha.Fields(QStringLiteral("subgrupo"))));
            const auto status = static_cast<size_t>(CLng(linha.Fields(QStringLiteral("situacao"))));
            somas[coluna][status] += numeroOuZero(linha.Fields(QStringLiteral("qtde")));
            incomum[coluna] = incomum[coluna] || CDbl(linha.Fields(QStringLiteral("incomuns"))) > 0;
        });
    subGrupos_ = {pedido.id, {}};
    for (size_t coluna = 0; coluna < SubGruposEntrega.size(); ++coluna) {
        // Whole quantities from 0 to 32767: the step sums are the plain
        // sums. Past 32767 the lookups raise the overflow as they do.
        double todas = 0;
        for (double soma : somas[coluna])
            todas += soma;
        subGrupos_.valor.porLinha[coluna] = incomum[coluna] || todas > 32767;
        if (subGrupos_.valor.porLinha[coluna])
            continue;
        auto& quantidades = subGrupos_.valor.quantidades[coluna];
        quantidades[0] = ArredondaInteiro16(todas);
        for (size_t status = 1; status < StatusEntrega.size(); ++status)
            quantidades[status] = ArredondaInteiro16(somas[coluna][status]);
    }
    return subGrupos_.valor;
}

int16_t FonteEmConjunto::QtdeSubGrupo(const PedidoListado& pedido, size_t coluna, size_t status)
{
    const SubGrupos& doPedido = subGrupos(pedido);
    if (!doPedido.porLinha[coluna])
        return doPedido.quantidades[coluna][status];
    return porLinha_.QtdeSubGrupo(pedido, coluna, status);
}

const QVector<int32_t>& FonteEmConjunto::produtosDaGrade(const FlexGrid& grade)
{
    if (produtosDaGrade_)
        return *produtosDaGrade_;
    const QHash<QString, ProdutoDoCodigo> resolvidos = ProdutosPorCodigo();
    QHash<QString, int32_t> porCodigo;
    QVector<int32_t> produtos(grade.Rows(), 0);
    for (int linha = 1; linha < grade.Rows(); ++linha) {
        const QString codigo = grade.TextMatrix(linha, grade_entrega::Codigo);
        const ProdutoDoCodigo resolvido = resolvidos.value(grade.TextMatrix(linha, grade_entrega::Id));
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

void FonteEmConjunto::SomaProdutosDoPedido(const PedidoListado& pedido, FlexGrid& grade)
{
    // The order's pairs that the plain sums cannot give are summed line by
    // line, in grid order, as the per-row run sums each grid row's
    // QtdeProdutoPedido: an overflow stops the run after the same block
    // with the same message.
    QVector<std::pair<int32_t, double>> pares;  // product, its whole quantities' sum
    linhasDoPedido(
        paresIncomuns_, [this] { return ConsultaParesIncomuns(execucao_.condicoesDaLista); }, pedido.id,
        [&pares](const Recordset& linha) {
            pares.append(
                {CLng(linha.Fields(QStringLiteral("produto"))), numeroOuZero(linha.Fields(QStringLiteral("regular")))});
        });
    if (pares.isEmpty())
        return;
    const QVector<int32_t>& produtos = produtosDaGrade(grade);
    QSet<int32_t> somados;  // grid rows of a shared code name the same product
    for (int linha = 1; linha < grade.Rows(); ++linha) {
        for (const auto& [produto, regular] : pares) {
            if (produto != produtos[linha] || somados.contains(produto))
                continue;
            ajustes_[produto] += QtdeProdutoPedido(pedido.id, grade.TextMatrix(linha, grade_entrega::Codigo)) - regular;
            somados.insert(produto);
        }
    }
}

void FonteEmConjunto::CompletaProdutos(FlexGrid& grade)
{
    // Column QTDE of every grid row: the sum over the listed orders of
    // QtdeProdutoPedido for the row's code.
    const QVector<int32_t>& produtos = produtosDaGrade(grade);
    const QHash<int32_t, double> regulares = QuantidadesPorProduto(execucao_.condicoesDaLista);
    for (int linha = 1; linha < grade.Rows(); ++linha) {
        const int32_t produto = produtos[linha];
        grade.SetTextMatrix(linha, grade_entrega::Qtde,
                            NumeroGeral(regulares.value(produto) + ajustes_.value(produto)));
    }
}

QString FonteEmConjunto::ConsultaDosDias(const QString& consultaDoLayout)
{
    if (!execucao_.filtro.vendedor.isEmpty()) {
        QString nome = Trim(execucao_.filtro.vendedor);
        idVendedor_ = ParaTexto(IdVendedor(nome));
    }
    return ConsultaDiasComFiguras(consultaDoLayout, execucao_, idVendedor_);
}

QString FonteEmConjunto::FigurasDoDia(const Recordset& registro, const QString& dia)
{
    // PAVendedorDia's "count^items^PA^" for the day's midnight: the record's
    // own figures when it is a midnight and its quantities whole, the lookup
    // otherwise.
    const Variant instante = registro.Fields(execucao_.colunaData);
    const bool meiaNoite = instante.IsDate() && instante.date().time() == QTime(0, 0);
    if (!meiaNoite || numeroOuZero(registro.Fields(QStringLiteral("fracoes"))) > 0) {
        return PAVendedorDia(dia, idVendedor_);
    }
    if (numeroOuZero(registro.Fields(QStringLiteral("linhas"))) == 0)
        return QStringLiteral("0^0^0^");
    const double pedidos = CDbl(registro.Fields(QStringLiteral("pedidos")));
    const double itens = numeroOuZero(registro.Fields(QStringLiteral("itens")));
    const QString circ = QStringLiteral("^");
    return NumeroGeral(pedidos) + circ + NumeroGeral(itens) + circ + NumeroGeral(itens / pedidos) + circ;
}

QString FonteEmConjunto::DescricaoProduto(const QString& codigo)
{
    // DescProduto takes the first product of the trimmed code: the set
    // answers when the code is a group's own and one product carries it, the
    // lookup otherwise (several products, or a code written another way).
    if (!descricoes_) {
        descricoes_ = DescricoesPorCodigo();
    }
    const auto achado = descricoes_->constFind(Trim(codigo));
    if (achado != descricoes_->constEnd() && achado->achados == 1)
        return achado->descricao;
    return porLinha_.DescricaoProduto(codigo);
}
