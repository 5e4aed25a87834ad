#include "ConsultasRelatorio.h"

#include "platform/Conversions.h"
#include "platform/Format.h"
#include "report/ExecucaoRelatorio.h"
#include "shared/Funcoes.h"

namespace {

// "AND (pedi_veds.data_desa is null) and pedi_veds.codi_empr = '<code>' "
QString condicaoEmpresa(const ExecucaoRelatorio& execucao)
{
    return QStringLiteral("AND (pedi_veds.data_desa is null) and pedi_veds.codi_empr = '") +
           execucao.filtro.codiEmpresa + QStringLiteral("' ");
}

QString condicoesListaPedidos(const ExecucaoRelatorio& execucao)
{
    QString sql = QStringLiteral("(pedi_veds.idclie = clie.idClie and clie.idpess = pess.idpess) and (");
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

}  // namespace

QString IntervaloDatas(const ExecucaoRelatorio& execucao, const QString& fecho)
{
    const QString& coluna = execucao.colunaData;
    return coluna + QStringLiteral(">='") + Format(Variant(execucao.filtro.dtDe), QStringLiteral("yyyymmdd 00:00")) +
           QStringLiteral("' and ") + coluna + QStringLiteral("<='") +
           Format(Variant(execucao.filtro.dtAte), QStringLiteral("yyyymmdd 23:59")) + fecho;
}

QString ConsultaListaPedidos(ExecucaoRelatorio& execucao)
{
    execucao.condicoesDaLista = condicoesListaPedidos(execucao);
    return QStringLiteral("SELECT pedi_veds.* FROM pedi_veds, clie, pess WHERE ") + execucao.condicoesDaLista +
           QStringLiteral("ORDER BY idpedi_veds");
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

QString NomeVendedorPedido(const Variant& idVendedor)
{
    if (idVendedor.IsNull())
        return {};
    QString id = CStr(idVendedor);
    return ParaTexto(NomeVendedor(id));
}

double DescontoCabecalho(const Variant& numeroPedido)
{
    QString numero = ParaTexto(numeroPedido);
    const Variant desconto = DescontoPedido(numero);
    return desconto.IsNull() ? 0 : CDbl(desconto);
}

bool ModeloComStatus()
{
    QString nome = QStringLiteral("MODELO_PEDI_VEDS");
    return ParaTexto(ParametroEmpresa(nome)) == QLatin1String("3");
}
