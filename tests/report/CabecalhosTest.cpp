#include "platform/Cp1252.h"
#include "report/Cabecalhos.h"
#include "support/BancoDeTeste.h"

#include <gtest/gtest.h>

namespace {

// SOURCE_DATE_EPOCH is 2024-06-01 12:00:00 for these tests.
const QString Inicio = QStringLiteral(
    "<HTML><HEAD><meta name=vs_targetSchema content=\"http://www.w3.org/TR/REC-html40\">");
const QString Tabela = QStringLiteral(
    "<TABLE BORDER=1 Width=670 ALIGN=CENTER ID=Table1 borderColor='black' cellSpacing=0 cellPadding=1>");
const QString Negrito8 = QStringLiteral(
    "<TR style='FONT-WEIGHT: bold; FONT-SIZE: 8pt; FONT-FAMILY: Tahoma; FONT-VARIANT: small'>");

QString empresa(const QString& negrito)
{
    return QStringLiteral("<BODY leftMargin=1 rightMargin=1>") + Tabela + negrito
        + QStringLiteral("<TD width=30% ALIGN='LEFT'>ERP KORVA - Tevrano - Release 2014.08.05</TD>"
                         "<TD width=40% ALIGN='CENTER'>001-A&B <LTDA></TD>"
                         "<TD width=30% ALIGN='RIGHT'>Emissão: 01/06/2024 12:00:00</TD></TR></TABLE>");
}

FiltroRelatorio filtro()
{
    FiltroRelatorio f;
    f.codiEmpresa = QStringLiteral("001");
    f.nomeEmpresa = QStringLiteral("A&B <LTDA>");
    return f;
}

TEST(Cabecalhos, StandardAbreATabelaDeDadosSemFechala)
{
    const QString esperado = Inicio + QStringLiteral("<TITLE>Relatório de Pedidos</TITLE>") + empresa(Negrito8)
        + Tabela + Negrito8 + QStringLiteral("<TD width=100% ALIGN='CENTER'>Relatório de Pedidos</TD></TR>")
        + QStringLiteral("</TABLE><P>") + Tabela + Negrito8
        + QStringLiteral(" <TD width=10% ALIGN='LEFT'>Pedido</TD> <TD width=10% ALIGN='LEFT'>Data</TD>"
                         " <TD width=40% ALIGN='LEFT'>Nome</TD> <TD width=10% ALIGN='RIGHT'>Total Bruto</TD>"
                         " <TD width=10% ALIGN='RIGHT'>Descontos</TD>"
                         " <TD width=10% ALIGN='RIGHT'>Total Liquido</TD>"
                         " <TD width=10% ALIGN='RIGHT'>Qtde Itens</TD>"
                         " <TD width=10% ALIGN='LEFT'>Vendedor</TD></TR>");
    EXPECT_EQ(CabecalhoRelStandard(filtro()), esperado);
}

TEST(Cabecalhos, PATemSuasCincoColunas)
{
    const QString esperado = Inicio + QStringLiteral("<TITLE>Relatório de Produtos Por Atendimento</TITLE>")
        + empresa(Negrito8) + Tabela + Negrito8
        + QStringLiteral("<TD width=100% ALIGN='CENTER'>Relatório de Produtos Por Atendimento</TD></TR>")
        + QStringLiteral("</TABLE><P>") + Tabela + Negrito8
        + QStringLiteral(" <TD width=15% ALIGN='LEFT'>Data</TD> <TD width=15% ALIGN='RIGHT'>Qtde Vendas</TD>"
                         " <TD width=15% ALIGN='RIGHT'>Qtde Itens</TD> <TD width=15% ALIGN='RIGHT'>PA</TD>"
                         " <TD width=40% ALIGN='LEFT'>Vendedor</TD></TR>");
    EXPECT_EQ(CabecalhoRelPA(filtro()), esperado);
}

TEST(Cabecalhos, DetalhadoEAgrupamentoCompartilhamOTituloDaPagina)
{
    const QString titulo = QStringLiteral("<TITLE>Relatório de Vendas - Detalhado</TITLE>");
    EXPECT_EQ(CabecalhoRelDeta(filtro()),
              Inicio + titulo + empresa(Negrito8) + Tabela + Negrito8
                  + QStringLiteral("<TD width=100% ALIGN='CENTER'>Relatório de Vendas - Detalhado</TD></TR>"
                                   "</TABLE><P>"));
    // The period texts go in as the boxes hold them, dates or not.
    EXPECT_EQ(CabecalhoRelAgrupaProd(filtro(), QStringLiteral("01/05/2024"), QStringLiteral("__/__/____")),
              Inicio + titulo + empresa(Negrito8) + Tabela + Negrito8
                  + QStringLiteral("<TD width=100% ALIGN='CENTER'>Relatório de Pedido de Vendas - Agrupamento "
                                   "por Produto</TD></TR>")
                  + Negrito8
                  + QStringLiteral("<TD width=100% ALIGN='CENTER'>Período: De 01/05/2024 até __/__/____</TD>"
                                   "</TR></TABLE><P>"));
}

TEST(Cabecalhos, EntregaUsaOTamanhoDaFonteNasDuasTabelas)
{
    const QString negrito14 = QStringLiteral(
        "<TR style='FONT-WEIGHT: bold; FONT-SIZE: 14pt; FONT-FAMILY: Tahoma; FONT-VARIANT: small'>");
    EXPECT_EQ(CabecalhoRelEntrega(filtro(), 14),
              Inicio + QStringLiteral("<TITLE>Relatório de Vendas - Entrega</TITLE>") + empresa(negrito14)
                  + Tabela + negrito14
                  + QStringLiteral("<TD width=100% ALIGN='CENTER'>Relatório de Vendas - Entrega</TD></TR>"
                                   "</TABLE><P>"));
}

TEST(Cabecalhos, ColunasDoAgrupamento)
{
    EXPECT_EQ(ColunasAgrupaProd(),
              Tabela + Negrito8
                  + QStringLiteral(" <TD width=20% ALIGN='LEFT'>Código</TD>"
                                   " <TD width=70% ALIGN='LEFT'>Descrição</TD>"
                                   " <TD width=10% ALIGN='RIGHT'>Qtde</TD></TR>"));
}

TEST(Cabecalhos, OCabecalhoCabeEmCp1252)
{
    // No character of the frame is lost in the file's code page.
    const QString texto = CabecalhoRelAgrupaProd(filtro(), QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_EQ(DeCp1252(ParaCp1252(texto)), texto);
}

struct CasoDeModelo {
    const char* nome;
    const char* valor;  // nullptr: no parameter row
    bool comStatus;
};

class ColunasDosItens : public ::testing::TestWithParam<CasoDeModelo> {};

TEST_P(ColunasDosItens, SoO3ExatoAcrescentaOStatus)
{
    BancoDeTeste banco;
    if (GetParam().valor)
        banco.executa(QStringLiteral("insert into empr_cnfg (idempr_cnfg, idempr, nome_para, valo_para) "
                                     "values (1, 1, 'MODELO_PEDI_VEDS', '%1')")
                          .arg(QLatin1String(GetParam().valor)));
    const QString negrito12 = QStringLiteral(
        "<TR style='FONT-WEIGHT: bold; FONT-SIZE: 12pt; FONT-FAMILY: Tahoma; FONT-VARIANT: small'>");
    const QString valores = QStringLiteral(
        " <TD width=10% ALIGN='RIGHT'>Vr Unit</TD> <TD width=10% ALIGN='RIGHT'>Vr Desc</TD>"
        " <TD width=10% ALIGN='RIGHT'>Vr Liqu</TD> <TD width=10% ALIGN='RIGHT'>Qtde</TD>"
        " <TD width=10% ALIGN='RIGHT'>Vr Total</TD></TR>");
    if (GetParam().comStatus) {
        EXPECT_EQ(ColunasItensDeta(),
                  Tabela + Negrito8
                      + QStringLiteral(" <TD width=20% ALIGN='LEFT'>Código</TD>"
                                       " <TD width=20% ALIGN='LEFT'>Descrição</TD>"
                                       " <TD width=10% ALIGN='LEFT'>Status Prod.</TD>")
                      + valores);
        EXPECT_EQ(ColunasItensEntrega(12),
                  Tabela + negrito12
                      + QStringLiteral(" <TD width=30% ALIGN='LEFT'>Código</TD>"
                                       " <TD width=35% ALIGN='LEFT'>Descrição</TD>"
                                       " <TD width=15% ALIGN='LEFT'>Status Prod.</TD>"
                                       " <TD width=20% ALIGN='RIGHT'>Qtde</TD></TR>"));
    } else {
        EXPECT_EQ(ColunasItensDeta(),
                  Tabela + Negrito8
                      + QStringLiteral(" <TD width=20% ALIGN='LEFT'>Código</TD>"
                                       " <TD width=30% ALIGN='LEFT'>Descrição</TD>")
                      + valores);
        EXPECT_EQ(ColunasItensEntrega(12),
                  Tabela + negrito12
                      + QStringLiteral(" <TD width=30% ALIGN='LEFT'>Código</TD>"
                                       " <TD width=50% ALIGN='LEFT'>Descrição</TD>"
                                       " <TD width=20% ALIGN='RIGHT'>Qtde</TD></TR>"));
    }
}

INSTANTIATE_TEST_SUITE_P(Modelos, ColunasDosItens,
                         ::testing::Values(CasoDeModelo{"Tres", "3", true},
                                           CasoDeModelo{"ZeroTres", "03", false},
                                           CasoDeModelo{"TresEBrancos", "3  ", false},
                                           CasoDeModelo{"Vazio", "", false},
                                           CasoDeModelo{"Ausente", nullptr, false}),
                         [](const ::testing::TestParamInfo<CasoDeModelo>& info) {
                             return std::string(info.param.nome);
                         });

}  // namespace
