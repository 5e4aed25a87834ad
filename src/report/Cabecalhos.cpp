#include "Cabecalhos.h"

#include "platform/Clock.h"
#include "platform/Format.h"
#include "report/HtmlRelatorio.h"

namespace {

// Authoring tools wrote this address; browsers ignore the element.
const QString MetaSchema = QStringLiteral("<meta name=vs_targetSchema content=\"http://www.w3.org/TR/REC-html40\">");

const QString TituloDetalhado = QStringLiteral("Relatório de Vendas - Detalhado");

QString celulaTitulo(const QString& texto)
{
    return QStringLiteral("<TD width=100% ALIGN='CENTER'>") + texto + QStringLiteral("</TD>");
}

// Head, company table and title table; `extra` rows go inside the title
// table, `tabelaDados` after the paragraph.
QString inicioPagina(const FiltroRelatorio& filtro, const QString& tituloPagina, const QString& titulo,
                     int tamanhoFonte, const QString& extra = {}, const QString& tabelaDados = {})
{
    return QStringLiteral("<HTML><HEAD>") + MetaSchema + QStringLiteral("<TITLE>") + tituloPagina +
           QStringLiteral("</TITLE>") + QStringLiteral("<BODY leftMargin=1 rightMargin=1>") + AberturaTabela() +
           LinhaNegrito(tamanhoFonte) + QStringLiteral("<TD width=30% ALIGN='LEFT'>") + marca::InicioDaMoldura() +
           QStringLiteral("</TD>") + QStringLiteral("<TD width=40% ALIGN='CENTER'>") + filtro.codiEmpresa +
           QStringLiteral("-") + filtro.nomeEmpresa + QStringLiteral("</TD>") +
           QStringLiteral("<TD width=30% ALIGN='RIGHT'>Emissão: ") +
           Format(Variant(Agora()), QStringLiteral("dd/mm/yyyy hh:mm:ss")) + QStringLiteral("</TD>") +
           QStringLiteral("</TR>") + QStringLiteral("</TABLE>") + AberturaTabela() + LinhaNegrito(tamanhoFonte) +
           celulaTitulo(titulo) + QStringLiteral("</TR>") + extra + QStringLiteral("</TABLE>") + QStringLiteral("<P>") +
           tabelaDados;
}

QString tabelaColunas(const QString& linha, const QString& celulas)
{
    return AberturaTabela() + linha + celulas + QStringLiteral("</TR>");
}

}  // namespace

QString CabecalhoRelStandard(const FiltroRelatorio& filtro)
{
    const QString titulo = QStringLiteral("Relatório de Pedidos");
    const QString colunas = Celula(10, Alinha::Esquerda, QStringLiteral("Pedido")) +
                            Celula(10, Alinha::Esquerda, QStringLiteral("Data")) +
                            Celula(40, Alinha::Esquerda, QStringLiteral("Nome")) +
                            Celula(10, Alinha::Direita, QStringLiteral("Total Bruto")) +
                            Celula(10, Alinha::Direita, QStringLiteral("Descontos")) +
                            Celula(10, Alinha::Direita, QStringLiteral("Total Liquido")) +
                            Celula(10, Alinha::Direita, QStringLiteral("Qtde Itens")) +
                            Celula(10, Alinha::Esquerda, QStringLiteral("Vendedor"));
    return inicioPagina(filtro, titulo, titulo, 8, {}, tabelaColunas(LinhaNegrito(), colunas));
}

QString CabecalhoRelPA(const FiltroRelatorio& filtro)
{
    const QString titulo = QStringLiteral("Relatório de Produtos Por Atendimento");
    const QString colunas = Celula(15, Alinha::Esquerda, QStringLiteral("Data")) +
                            Celula(15, Alinha::Direita, QStringLiteral("Qtde Vendas")) +
                            Celula(15, Alinha::Direita, QStringLiteral("Qtde Itens")) +
                            Celula(15, Alinha::Direita, QStringLiteral("PA")) +
                            Celula(40, Alinha::Esquerda, QStringLiteral("Vendedor"));
    return inicioPagina(filtro, titulo, titulo, 8, {}, tabelaColunas(LinhaNegrito(), colunas));
}

QString CabecalhoRelDeta(const FiltroRelatorio& filtro)
{
    return inicioPagina(filtro, TituloDetalhado, TituloDetalhado, 8);
}

QString CabecalhoRelAgrupaProd(const FiltroRelatorio& filtro, const QString& de, const QString& ate)
{
    const QString periodo = LinhaNegrito() +
                            celulaTitulo(QStringLiteral("Período: De ") + de + QStringLiteral(" até ") + ate) +
                            QStringLiteral("</TR>");
    return inicioPagina(filtro, TituloDetalhado,
                        QStringLiteral("Relatório de Pedido de Vendas - Agrupamento por Produto"), 8, periodo);
}

QString CabecalhoRelEntrega(const FiltroRelatorio& filtro, int tamanhoFonte)
{
    const QString titulo = QStringLiteral("Relatório de Vendas - Entrega");
    return inicioPagina(filtro, titulo, titulo, tamanhoFonte);
}

QString ColunasItensDeta(bool comStatus)
{
    QString colunas = Celula(20, Alinha::Esquerda, QStringLiteral("Código"));
    if (comStatus)
        colunas += Celula(20, Alinha::Esquerda, QStringLiteral("Descrição")) +
                   Celula(10, Alinha::Esquerda, QStringLiteral("Status Prod."));
    else
        colunas += Celula(30, Alinha::Esquerda, QStringLiteral("Descrição"));
    colunas += Celula(10, Alinha::Direita, QStringLiteral("Vr Unit")) +
               Celula(10, Alinha::Direita, QStringLiteral("Vr Desc")) +
               Celula(10, Alinha::Direita, QStringLiteral("Vr Liqu")) +
               Celula(10, Alinha::Direita, QStringLiteral("Qtde")) +
               Celula(10, Alinha::Direita, QStringLiteral("Vr Total"));
    return tabelaColunas(LinhaNegrito(), colunas);
}

QString ColunasAgrupaProd()
{
    return tabelaColunas(LinhaNegrito(), Celula(20, Alinha::Esquerda, QStringLiteral("Código")) +
                                             Celula(70, Alinha::Esquerda, QStringLiteral("Descrição")) +
                                             Celula(10, Alinha::Direita, QStringLiteral("Qtde")));
}

QString ColunasItensEntrega(int tamanhoFonte, bool comStatus)
{
    QString colunas = Celula(30, Alinha::Esquerda, QStringLiteral("Código"));
    if (comStatus)
        colunas += Celula(35, Alinha::Esquerda, QStringLiteral("Descrição")) +
                   Celula(15, Alinha::Esquerda, QStringLiteral("Status Prod."));
    else
        colunas += Celula(50, Alinha::Esquerda, QStringLiteral("Descrição"));
    colunas += Celula(20, Alinha::Direita, QStringLiteral("Qtde"));
    return tabelaColunas(LinhaNegrito(tamanhoFonte), colunas);
}
