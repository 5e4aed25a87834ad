#include "ConsultasEmConjunto.h"

#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/TextoSql.h"
#include "report/ConsultasRelatorio.h"
#include "report/ExecucaoRelatorio.h"
#include "report/RelatorioEntregaVertical.h"
#include "startup/Ambiente.h"

#include <QStringList>

namespace {

// "FROM pedi_veds, clie, pess[, pedi_veds_deta[, prod]] WHERE ...": the
// listed orders, joined with their item lines (and the lines' products),
// upper-cased as the order list is sent. A join, not "IN (the list)": a
// server may test that for every item line it has.
enum class Juntas { SoPedidos, Linhas, LinhasEProdutos };
QString dosPedidosListados(const QString& condicoes, Juntas juntas = Juntas::SoPedidos)
{
    QString sql = QStringLiteral("FROM pedi_veds, clie, pess");
    QString juncoes;
    if (juntas != Juntas::SoPedidos) {
        sql += QStringLiteral(", pedi_veds_deta");
        juncoes += QStringLiteral("AND pedi_veds_deta.idpedi_veds = pedi_veds.idpedi_veds ");
    }
    if (juntas == Juntas::LinhasEProdutos) {
        sql += QStringLiteral(", prod");
        juncoes += QStringLiteral("AND pedi_veds_deta.idprod = prod.idprod ");
    }
    return UCase(sql + QStringLiteral(" WHERE ") + condicoes + juncoes);
}

const QString PorPedido = QStringLiteral("ORDER BY pedi_veds_deta.idpedi_veds, pedi_veds_deta.idpedi_veds_deta");

// A whole number between `minimo` and `maximo` gives 0, anything else 1; null
// gives 0. The CAST is reached only inside the range, where no server can
// overflow it.
QString foraDosInteiros(const QString& coluna, const QString& minimo, const QString& maximo)
{
    return QStringLiteral("CASE WHEN ") + coluna + QStringLiteral(" IS NULL THEN 0 WHEN ") + coluna +
           QStringLiteral(" < ") + minimo + QStringLiteral(" OR ") + coluna + QStringLiteral(" > ") + maximo +
           QStringLiteral(" THEN 1 WHEN ") + coluna + QStringLiteral(" = CAST(") + coluna +
           QStringLiteral(" AS INTEGER) THEN 0 ELSE 1 END");
}

// 1 for a quantity a 16-bit step sum cannot take in any order.
QString expressaoIncomum()
{
    return foraDosInteiros(QStringLiteral("pedi_veds_deta.QTDE"), QStringLiteral("0"), QStringLiteral("32767"));
}

// The status row of a line: the same comparison QtdeItensSubGrupo sends.
QString situacaoDaLinha()
{
    QString texto = QStringLiteral("CASE");
    for (size_t status = 1; status < StatusEntrega.size(); ++status)
        texto += QStringLiteral(" WHEN pedi_veds_deta.status_prod = '") + UCase(QLatin1String(StatusEntrega[status])) +
                 QStringLiteral("' THEN ") + QString::number(status);
    return texto + QStringLiteral(" ELSE 0 END");
}

QString listaSubGrupos()
{
    QStringList ids;
    for (int32_t id : SubGruposEntrega)
        ids << QString::number(id);
    return ids.join(QStringLiteral(", "));
}

// Per line of the listed orders (deactivated lines too, products that exist):
// order, product, the quantity when whole ("regular") and the "incomum" mark.
QString linhasDosProdutos(const QString& condicoes)
{
    return QStringLiteral("SELECT pedi_veds_deta.idpedi_veds AS pedido, pedi_veds_deta.idprod AS produto, CASE WHEN ") +
           expressaoIncomum() + QStringLiteral(" = 0 THEN pedi_veds_deta.QTDE END AS regular, ") + expressaoIncomum() +
           QStringLiteral(" AS incomum ") + dosPedidosListados(condicoes, Juntas::LinhasEProdutos);
}

double numeroOuZero(const Variant& valor)
{
    return valor.IsNull() ? 0 : CDbl(valor);
}

}  // namespace

QString ConsultaNomesDosPedidos(const QString& condicoes)
{
    // The order list joins the customer's person already: its name is the
    // one NomeCliente finds (clie and pess are keyed by their ids).
    return QStringLiteral("SELECT pedi_veds.idpedi_veds AS pedido, pess.nome_pess AS nome_cliente, "
                          "(SELECT pvend.nome_conh FROM vend vd, pess pvend WHERE pvend.idpess = vd.idpess "
                          "AND vd.idvend = pedi_veds.idvend) AS nome_vendedor ") +
           dosPedidosListados(condicoes) + QStringLiteral("ORDER BY pedi_veds.idpedi_veds");
}

QString ConsultaItensDasSomas(const QString& condicoes, int32_t idMarca)
{
    QString sql = QStringLiteral("SELECT pedi_veds_deta.idpedi_veds AS pedido, pedi_veds_deta.QTDE, "
                                 "pedi_veds_deta.VALO_TOTA, pedi_veds_deta.VALO_DECT ") +
                  dosPedidosListados(condicoes, Juntas::Linhas);
    // IdMarcaProduto: a product without a brand, or no product, is brand 0.
    if (idMarca >= 1)
        sql += QStringLiteral("AND (SELECT prod.idmarc FROM prod WHERE prod.idprod = pedi_veds_deta.idprod) = ") +
               QString::number(idMarca) + QStringLiteral(" ");
    return sql + PorPedido;
}

QString ConsultaPedidosDoNumero(const QString& condicoes)
{
    return QStringLiteral("SELECT pedi_veds.idpedi_veds AS pedido, (SELECT COUNT(*) FROM pedi_veds pdesc "
                          "WHERE pdesc.nume_pedi = pedi_veds.nume_pedi) AS pedidos ") +
           dosPedidosListados(condicoes) + QStringLiteral("ORDER BY pedi_veds.idpedi_veds");
}

QString ConsultaItensDetalhados(const QString& condicoes)
{
    return QStringLiteral("SELECT pedi_veds_deta.idpedi_veds AS pedido, pedi_veds_deta.idprod, "
                          "pedi_veds_deta.Status_PROD, pedi_veds_deta.VALO_UNIT, pedi_veds_deta.VALO_DECT, "
                          "pedi_veds_deta.VALO_LIQU, pedi_veds_deta.Qtde, pedi_veds_deta.VALO_TOTA ") +
           dosPedidosListados(condicoes, Juntas::LinhasEProdutos) +
           QStringLiteral("AND pedi_veds_deta.data_desa is null ") + PorPedido;
}

QHash<int32_t, std::pair<Variant, Variant>> ProdutosPorId()
{
    Recordset rs = AbreConsulta(QStringLiteral("SELECT prod.idprod, prod.codi_prod, prod.desc_prod FROM prod"));
    QHash<int32_t, std::pair<Variant, Variant>> produtos;
    for (; !rs.Eof(); rs.MoveNext())
        produtos.insert(CLng(rs.Fields(QStringLiteral("idprod"))),
                        {rs.Fields(QStringLiteral("codi_prod")), rs.Fields(QStringLiteral("desc_prod"))});
    rs.Close();
    return produtos;
}

QString ConsultaQuantidadesSubGrupo(const QString& condicoes)
{
    const QString linhas =
        QStringLiteral("SELECT pedi_veds_deta.idpedi_veds AS pedido, prod.IDSUB0_GRUP AS subgrupo, ") +
        situacaoDaLinha() + QStringLiteral(" AS situacao, pedi_veds_deta.QTDE AS qtde, ") + expressaoIncomum() +
        QStringLiteral(" AS incomum ") + dosPedidosListados(condicoes, Juntas::LinhasEProdutos) +
        QStringLiteral("AND pedi_veds_deta.data_desa is null AND prod.IDSUB0_GRUP IN (") + listaSubGrupos() +
        QStringLiteral(") ");
    return QStringLiteral("SELECT linhas.pedido, linhas.subgrupo, linhas.situacao, SUM(linhas.qtde) AS qtde, "
                          "SUM(linhas.incomum) AS incomuns FROM (") +
           linhas +
           QStringLiteral(") linhas GROUP BY linhas.pedido, linhas.subgrupo, linhas.situacao ORDER BY linhas.pedido");
}

QString ConsultaParesIncomuns(const QString& condicoes)
{
    return QStringLiteral("SELECT linhas.pedido, linhas.produto, SUM(linhas.regular) AS regular FROM (") +
           linhasDosProdutos(condicoes) +
           QStringLiteral(") linhas GROUP BY linhas.pedido, linhas.produto "
                          "HAVING SUM(linhas.incomum) > 0 OR SUM(linhas.regular) > 32767 ORDER BY linhas.pedido");
}

QHash<QString, ProdutoDoCodigo> ProdutosPorCodigo()
{
    // IdProduto compares the code as it is, null read as empty text.
    const QString sql = QStringLiteral("SELECT grade.idprod AS produto, COUNT(achado.idprod) AS achados, "
                                       "MIN(achado.idprod) AS primeiro FROM prod grade LEFT JOIN prod achado "
                                       "ON achado.codi_prod = COALESCE(grade.codi_prod, '') "
                                       "WHERE grade.data_desa is null GROUP BY grade.idprod");
    QHash<QString, ProdutoDoCodigo> produtos;
    Recordset rs = AbreConsultaMaiuscula(sql);
    for (; !rs.Eof(); rs.MoveNext()) {
        ProdutoDoCodigo produto;
        produto.achados = CLng(rs.Fields(QStringLiteral("achados")));
        if (produto.achados == 1)
            produto.idProduto = CLng(rs.Fields(QStringLiteral("primeiro")));
        produtos.insert(ParaTexto(rs.Fields(QStringLiteral("produto"))), produto);
    }
    rs.Close();
    return produtos;
}

QHash<int32_t, double> QuantidadesPorProduto(const QString& condicoes)
{
    const QString sql = QStringLiteral("SELECT linhas.produto, SUM(linhas.regular) AS regular FROM (") +
                        linhasDosProdutos(condicoes) + QStringLiteral(") linhas GROUP BY linhas.produto");
    QHash<int32_t, double> quantidades;
    Recordset rs = AbreConsulta(sql);
    for (; !rs.Eof(); rs.MoveNext())
        quantidades.insert(CLng(rs.Fields(QStringLiteral("produto"))),
                           numeroOuZero(rs.Fields(QStringLiteral("regular"))));
    rs.Close();
    return quantidades;
}

QString ConsultaDiasComFiguras(const QString& consultaDosDias, const ExecucaoRelatorio& execucao,
                               const QString& idVendedor)
{
    // PAVendedorDia's conditions over the whole period: every company,
    // active orders, the salesperson when one is given; per instant.
    QString figuras =
        QStringLiteral("SELECT pedi_veds.data_pedi AS instante, COUNT(DISTINCT pedi_veds.idpedi_veds) AS pedidos, "
                       "COUNT(pedi_veds_deta.idpedi_veds) AS linhas, SUM(pedi_veds_deta.QTDE) AS itens, SUM(") +
        foraDosInteiros(QStringLiteral("pedi_veds_deta.QTDE"), QStringLiteral("-1000000000"),
                        QStringLiteral("1000000000")) +
        QStringLiteral(") AS fracoes FROM pedi_veds LEFT JOIN pedi_veds_deta "
                       "ON pedi_veds.idpedi_veds = pedi_veds_deta.idpedi_veds WHERE (") +
        IntervaloDatas(execucao, QStringLiteral("') "));
    const QString id = Trim(idVendedor);
    if (!id.isEmpty())
        figuras += QStringLiteral("and pedi_veds.idvend = '") + DobraAspas(id) + QStringLiteral("' ");
    figuras += QStringLiteral("AND (pedi_veds.data_desa is null) GROUP BY pedi_veds.data_pedi");
    const QString& coluna = execucao.colunaData;
    return QStringLiteral("SELECT dias.") + coluna +
           QStringLiteral(", figuras.pedidos, figuras.linhas, figuras.itens, figuras.fracoes FROM (") +
           consultaDosDias + QStringLiteral(") dias LEFT JOIN (") + figuras +
           QStringLiteral(") figuras ON figuras.instante = dias.") + coluna + QStringLiteral(" ORDER BY dias.") +
           coluna;
}

QHash<QString, DescricaoDoCodigo> DescricoesPorCodigo()
{
    // Grouped by the server's comparison: a group is the set of products
    // DescProduto finds for any code of the group.
    Recordset rs =
        AbreConsulta(QStringLiteral("SELECT prod.codi_prod, COUNT(*) AS achados, MAX(prod.desc_prod) AS descricao "
                                    "FROM prod GROUP BY prod.codi_prod"));
    QHash<QString, DescricaoDoCodigo> descricoes;
    for (; !rs.Eof(); rs.MoveNext()) {
        const Variant codigo = rs.Fields(QStringLiteral("codi_prod"));
        if (codigo.IsNull())
            continue;  // no code compares equal to null
        DescricaoDoCodigo descricao;
        descricao.achados = CLng(rs.Fields(QStringLiteral("achados")));
        descricao.descricao = ParaTexto(rs.Fields(QStringLiteral("descricao")));
        descricoes.insert(ParaTexto(codigo), descricao);
    }
    rs.Close();
    return descricoes;
}
