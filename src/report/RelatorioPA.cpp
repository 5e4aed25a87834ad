#include "RelatorioPA.h"

#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/Format.h"
#include "report/Cabecalhos.h"
#include "report/ConsultasRelatorio.h"
#include "report/FonteDeValores.h"
#include "report/HtmlRelatorio.h"
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

QString PassosPA::PaginaInicial()
{
    return CabecalhoRelPA(execucao_.filtro);
}

QString PassosPA::ConsultaPedidos()
{
    return fonte_.ConsultaDosDias(ConsultaDiasPA(execucao_));
}

void PassosPA::Linha(const Recordset& registro)
{
    const QString dia = Format(registro.Fields(execucao_.colunaData), QStringLiteral("dd/mm/yyyy"));
    QString figuras = fonte_.FigurasDoDia(registro, dia);
    const double itens = numeroDoCampo(2, figuras);
    const double vendas = numeroDoCampo(1, figuras);
    const double pa = numeroDoCampo(3, figuras);
    execucao_.Escreve(
        LinhaSimples() + Celula(15, Alinha::Esquerda, dia) + Celula(15, Alinha::Direita, NumeroGeral(vendas)) +
        Celula(15, Alinha::Direita, NumeroGeral(itens)) + Celula(15, Alinha::Direita, NumeroGeral(pa)) +
        Celula(40, Alinha::Esquerda, OuEspaco(Trim(execucao_.filtro.vendedor))) + QStringLiteral("</TR>"));
    itens_ += itens;
    vendas_ += vendas;
}

QString PassosPA::Fechamento()
{
    const double pa = vendas_ == 0 ? 0 : itens_ / vendas_;
    // No "</TR>": the table is closed right after the last cell.
    return LinhaNegrito() + Celula(15, Alinha::Esquerda, QStringLiteral("Total Geral")) +
           Celula(15, Alinha::Direita, valor(vendas_)) + Celula(15, Alinha::Direita, valor(itens_)) +
           Celula(15, Alinha::Direita, valor(pa)) + QStringLiteral("        ") + Celula(40, Alinha::Esquerda, Espaco) +
           QStringLiteral("</TABLE>") + QStringLiteral("</BODY></HTML>");
}
