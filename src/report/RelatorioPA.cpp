#include "RelatorioPA.h"

#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/Format.h"
#include "report/Cabecalhos.h"
#include "report/ConsultasRelatorio.h"
#include "report/HtmlRelatorio.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

namespace {

QString valor(double numero)
{
    return Format(Variant::Double(numero), QStringLiteral("###0.00"));
}

double numeroDoCampo(int16_t campo, QString& registro)
{
    return CDbl(Campo(campo, registro));
}

}  // namespace

QString LinhaDiaPA(const DiaPA& dia)
{
    return LinhaSimples() + Celula(15, Alinha::Esquerda, dia.dia) +
           Celula(15, Alinha::Direita, NumeroGeral(dia.vendas)) + Celula(15, Alinha::Direita, NumeroGeral(dia.itens)) +
           Celula(15, Alinha::Direita, NumeroGeral(dia.pa)) +
           Celula(40, Alinha::Esquerda, dia.vendedor.isEmpty() ? Espaco : dia.vendedor) + QStringLiteral("</TR>");
}

QString TotalPA(double vendas, double itens)
{
    const double pa = vendas == 0 ? 0 : itens / vendas;
    // No "</TR>": the table is closed right after the last cell.
    return LinhaNegrito() + Celula(15, Alinha::Esquerda, QStringLiteral("Total Geral")) +
           Celula(15, Alinha::Direita, valor(vendas)) + Celula(15, Alinha::Direita, valor(itens)) +
           Celula(15, Alinha::Direita, valor(pa)) + QStringLiteral("        ") + Celula(40, Alinha::Esquerda, Espaco) +
           QStringLiteral("</TABLE>") + QStringLiteral("</BODY></HTML>");
}

QString PassosPA::PaginaInicial()
{
    return CabecalhoRelPA(execucao_.filtro);
}

QString PassosPA::ConsultaPedidos()
{
    return ConsultaDiasPA(execucao_);
}

void PassosPA::Linha(const Recordset& rs)
{
    DiaPA dia;
    dia.dia = Format(rs.Fields(execucao_.colunaData), QStringLiteral("dd/mm/yyyy"));
    dia.vendedor = Trim(execucao_.filtro.vendedor);
    QString idVendedor;
    if (!execucao_.filtro.vendedor.isEmpty()) {
        QString nome = dia.vendedor;
        idVendedor = ParaTexto(IdVendedor(nome));
    }
    QString registro = PAVendedorDia(dia.dia, idVendedor);
    dia.itens = numeroDoCampo(2, registro);
    dia.vendas = numeroDoCampo(1, registro);
    dia.pa = numeroDoCampo(3, registro);
    execucao_.Escreve(LinhaDiaPA(dia));
    itens_ += dia.itens;
    vendas_ += dia.vendas;
}

QString PassosPA::Fechamento()
{
    return TotalPA(vendas_, itens_);
}
