#include "RelatorioAgrupaProd.h"

#include "platform/Conversions.h"
#include "report/Cabecalhos.h"
#include "report/ConsultasRelatorio.h"
#include "report/FonteDeValores.h"
#include "report/HtmlRelatorio.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

namespace {

// The summary query over the period's active item lines.
QString consultaResumo(const ExecucaoRelatorio& execucao)
{
    return QStringLiteral("SELECT prod.codi_prod, sum(pedi_veds_deta.qtde) as qtde ") +
           QStringLiteral("From pedi_veds, pedi_veds_deta, prod ") + QStringLiteral("Where ") +
           QStringLiteral("pedi_veds.idpedi_veds = pedi_veds_deta.idpedi_veds ") +
           QStringLiteral("and pedi_veds_deta.idprod = prod.idprod ") +
           QStringLiteral("and pedi_veds_deta.data_desa is null ") + QStringLiteral("and (") +
           IntervaloDatas(execucao, QStringLiteral("') ")) + QStringLiteral("group by prod.codi_prod");
}

}  // namespace

QString PassosAgrupaProd::PaginaInicial()
{
    return CabecalhoRelAgrupaProd(execucao_.filtro, execucao_.filtro.dtDe, execucao_.filtro.dtAte);
}

QString PassosAgrupaProd::ConsultaPedidos()
{
    return ConsultaPedidosPeriodo(execucao_);
}

QString PassosAgrupaProd::Fechamento()
{
    QString& sql2 = funcoes().Sql2;
    sql2 = consultaResumo(execucao_);
    Recordset resumo = AbreConsulta(sql2, adLockReadOnly);
    execucao_.Escreve(ColunasAgrupaProd());
    if (!resumo.Eof()) {
        for (; !resumo.Eof(); resumo.MoveNext()) {
            const QString codigo = ParaTexto(resumo.Fields(QStringLiteral("codi_prod")));
            execucao_.Escreve(LinhaSimples() + Celula(20, Alinha::Esquerda, codigo) +
                              Celula(70, Alinha::Esquerda, fonte_.DescricaoProduto(codigo)) +
                              Celula(10, Alinha::Direita, ParaTexto(resumo.Fields(QStringLiteral("Qtde")))) +
                              QStringLiteral("</TR>"));
        }
        execucao_.Escreve(QStringLiteral("</TABLE>") + QStringLiteral("<br/>"));
    }
    resumo.Close();
    return QStringLiteral("</BODY></HTML>");
}
