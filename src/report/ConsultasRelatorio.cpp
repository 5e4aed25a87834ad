#include "ConsultasRelatorio.h"

#include "platform/Conversions.h"
#include "platform/Format.h"
#include "report/ExecucaoRelatorio.h"
#include "report/HtmlRelatorio.h"
#include "shared/Funcoes.h"

namespace {

// "AND (pedi_veds.data_desa is null) and pedi_veds.codi_empr = '<code>' "
QString condicaoEmpresa(const ExecucaoRelatorio& execucao)
{
    return QStringLiteral("AND (pedi_veds.data_desa is null) and pedi_veds.codi_empr = '") +
           execucao.filtro.codiEmpresa + QStringLiteral("' ");
}

}  // namespace

QString IntervaloDatas(const ExecucaoRelatorio& execucao, const QString& fecho)
{
    const QString& coluna = execucao.colunaData;
    return coluna + QStringLiteral(">='") + Format(Variant(execucao.filtro.dtDe), QStringLiteral("yyyymmdd 00:00")) +
           QStringLiteral("' and ") + coluna + QStringLiteral("<='") +
           Format(Variant(execucao.filtro.dtAte), QStringLiteral("yyyymmdd 23:59")) + fecho;
}

QString ConsultaListaPedidos(const ExecucaoRelatorio& execucao)
{
    return ConsultaListaPedidos(CondicoesListaPedidos(execucao));
}

QString ConsultaListaPedidos(const QString& condicoes)
{
    return QStringLiteral("SELECT pedi_veds.* ") + condicoes + QStringLiteral("ORDER BY idpedi_veds");
}

QString CondicoesListaPedidos(const ExecucaoRelatorio& execucao)
{
    QString sql = QStringLiteral("FROM pedi_veds, clie, pess WHERE (pedi_veds.idclie = clie.idClie and "
                                 "clie.idpess = pess.idpess) and (");
    sql += IntervaloDatas(execucao, QStringLiteral("') "));
    sql += condicaoEmpresa(execucao);
    if (!execucao.filtro.vendedor.isEmpty()) {
        QString nome = Trim(execucao.filtro.vendedor);
        sql += QStringLiteral("AND pedi_veds.IDVEND = ") + ParaTexto(IdVendedor(nome)) + QStringLiteral(" ");
    }
    if (!execucao.filtro.tipoCliente.isEmpty()) {
        QString descricao = Trim(execucao.filtro.tipoCliente);
        sql += QStringLiteral("AND pess.idTipo_Clie = ") + ParaTexto(IdTipoCliente(descricao)) + QStringLiteral(" ");
    }
    sql += execucao.filtroCliente;
    return sql;
}

QString ConsultaDiasPA(const ExecucaoRelatorio& execucao)
{
    return QStringLiteral("SELECT pedi_veds.") + execucao.colunaData + QStringLiteral(" FROM pedi_veds WHERE (") +
           IntervaloDatas(execucao, QStringLiteral("') ")) + condicaoEmpresa(execucao) + execucao.filtroCliente +
           QStringLiteral("group BY ") + execucao.colunaData;
}

QString ConsultaPedidosPeriodo(const ExecucaoRelatorio& execucao)
{
    return QStringLiteral("select pedi_veds.idpedi_veds from pedi_veds where (") +
           IntervaloDatas(execucao, QStringLiteral("')"));
}

QString NomeClientePedido(const Variant& idCliente)
{
    QString id = ParaTexto(idCliente);
    return ParaTexto(NomeCliente(id));
}

QString VendedorPedido(const Variant& idVendedor)
{
    if (idVendedor.IsNull())
        return Espaco;
    QString id = CStr(idVendedor);
    const QString nome = ParaTexto(NomeVendedor(id));
    return nome.isEmpty() ? Espaco : nome;
}
