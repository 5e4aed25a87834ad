#include "support/BaseRelatorio.h"

#include "platform/Cp1252.h"
#include "platform/Conversions.h"
#include "platform/VbError.h"
#include "report/Relatorio.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QDir>
#include <QStringList>

namespace {

const QString AvisoMarca = QStringLiteral(
    "Atenção!!!\rEste tipo de filtro (Marca) pode trazer distorções nos descontos aplicados no cabeçalho "
    "do Pedido.\rSomente os descontos aplicados no item são considerados neste filtro");
const QString AvisoPA = QStringLiteral(
    "O Relatório de PA somente pode ser processado com a opção da Data do Pedido (Data de Vendas).\r"
    "O sistema está ajustado o parametro automaticamente");

class Relatorio : public BaseRelatorio {
protected:
    ResultadoRelatorio executa(const FiltroRelatorio& filtro)
    {
        GanchosRelatorio ganchos;
        ganchos.ampulheta = [this](bool ligada) { ampulheta << ligada; };
        return ExecutaRelatorio(filtro, GetParam().motor, ganchos);
    }

    void comparaCom(const QString& nomeEsperado)
    {
        const QByteArray gerado = arquivoGerado();
        const QByteArray esperado = Esperado(nomeEsperado, gerado);
        ASSERT_FALSE(esperado.isEmpty()) << nomeEsperado.toStdString();
        EXPECT_EQ(gerado.toStdString(), esperado.toStdString()) << nomeEsperado.toStdString();
    }

    QVector<bool> ampulheta;
};

TEST_P(Relatorio, StandardComMarcaRestringeOsItensMasNaoODescontoDoCabecalho)
{
    FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::Standard);
    filtro.marca = QStringLiteral("PRATA FINA");
    const ResultadoRelatorio resultado = executa(filtro);

    comparaCom(QStringLiteral("standard.html"));
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt, AvisoMarca);
    EXPECT_EQ(caixa->mensagens[0].titulo, filtro.tituloJanela);
    EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Informacao);
    EXPECT_EQ(resultado.arquivo, pastaRelatorios() + QStringLiteral("pantoro.html"));
    EXPECT_EQ(relatorio().ArquivoHTML, resultado.arquivo);
    EXPECT_FALSE(resultado.semDados);
    EXPECT_EQ(ampulheta, (QVector<bool>{true, false}));
}

TEST_P(Relatorio, PAComVendedorForcaADataDeEmissao)
{
    FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::PA);
    filtro.vendedor = QStringLiteral("ZECA");
    filtro.data = DataRelatorio::Entrega;
    const ResultadoRelatorio resultado = executa(filtro);

    comparaCom(QStringLiteral("pa.html"));
    EXPECT_TRUE(resultado.dataEmissaoForcada);
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt, AvisoPA);
    EXPECT_EQ(caixa->mensagens[0].titulo, filtro.tituloJanela);
}

TEST_P(Relatorio, DetalhadoComModelo3MostraOStatus)
{
    defineModelo(QStringLiteral("3"));
    executa(filtroDeMaio(LayoutRelatorio::Detalhado));
    comparaCom(QStringLiteral("detalhado.html"));
    EXPECT_TRUE(caixa->mensagens.isEmpty());
}

TEST_P(Relatorio, EntregaHorizontalSemModeloNaFonte14)
{
    FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::Entrega);
    filtro.tamanhoFonte = 14;
    executa(filtro);
    comparaCom(QStringLiteral("entrega.html"));
}

TEST_P(Relatorio, EntregaVerticalNaFonte12)
{
    defineModelo(QStringLiteral("03"));
    FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::EntregaVertical);
    filtro.tamanhoFonte = 12;
    executa(filtro);
    comparaCom(QStringLiteral("entrega-vertical.html"));
}

TEST_P(Relatorio, AgrupamentoIgnoraClienteMarcaTipoEVendedor)
{
    FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::AgrupaProd);
    filtro.cliente = QStringLiteral("QUITANDA D'AVILA");
    filtro.marca = QStringLiteral("PRATA FINA");
    filtro.tipoCliente = QStringLiteral("ATACADO");
    filtro.vendedor = QStringLiteral("ZECA");
    executa(filtro);
    comparaCom(QStringLiteral("agrupamento.html"));
    ASSERT_EQ(caixa->mensagens.size(), 1);
    EXPECT_EQ(caixa->mensagens[0].prompt, AvisoMarca);
}

const std::pair<LayoutRelatorio, const char*> Layouts[] = {
    {LayoutRelatorio::Standard, "standard"}, {LayoutRelatorio::PA, "pa"},
    {LayoutRelatorio::Detalhado, "detalhado"}, {LayoutRelatorio::Entrega, "entrega"},
    {LayoutRelatorio::EntregaVertical, "entrega-vertical"}, {LayoutRelatorio::AgrupaProd, "agrupamento"}};

// Without data the file keeps the page's start, and nothing is shown.
TEST_P(Relatorio, SemDadosDeixaSoOInicioDaPagina)
{
    for (const auto& [layout, nome] : Layouts) {
        SCOPED_TRACE(nome);
        caixa->mensagens.clear();
        ampulheta.clear();
        FiltroRelatorio filtro = filtroDeMaio(layout);
        filtro.dtDe = QStringLiteral("01/01/2023");
        filtro.dtAte = QStringLiteral("__/__/____");
        const ResultadoRelatorio resultado = executa(filtro);
        comparaCom(QStringLiteral("sem-dados/%1.html").arg(QLatin1String(nome)));
        EXPECT_TRUE(resultado.semDados);
        EXPECT_TRUE(resultado.arquivo.isEmpty());
        EXPECT_EQ(resultado.dtAte, QStringLiteral("01/01/2023"));
        ASSERT_EQ(caixa->mensagens.size(), 1);
        EXPECT_EQ(caixa->mensagens[0].prompt, QStringLiteral("Não há dados para exibir!"));
        EXPECT_EQ(caixa->mensagens[0].titulo, TituloRelease());
        EXPECT_EQ(ampulheta, (QVector<bool>{true, false}));
    }
}

TEST_P(Relatorio, FiltrosDeVendedorTipoEClienteNaConsulta)
{
    FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::Standard);
    filtro.vendedor = QStringLiteral(" zeca ");
    filtro.tipoCliente = QStringLiteral("VAREJO");
    filtro.cliente = QStringLiteral(" mercado são joão ");
    filtro.dtAte = QStringLiteral("31/02/2024");
    QStringList enviadas;
    Conexao().contador.antesDeConsultar = [&enviadas](long, const QString& sql) { enviadas << sql; };
    const ResultadoRelatorio resultado = executa(filtro);
    Conexao().contador.antesDeConsultar = nullptr;

    const QString consulta = QStringLiteral(
        "SELECT pedi_veds.* FROM pedi_veds, clie, pess WHERE (pedi_veds.idclie = clie.idClie and "
        "clie.idpess = pess.idpess) and (DATA_PEDI>='20240501 00:00' and DATA_PEDI<='20240501 23:59') "
        "AND (pedi_veds.data_desa is null) and pedi_veds.codi_empr = '001' AND pedi_veds.IDVEND = 1 "
        "AND pess.idTipo_Clie = 1  and pedi_veds.idClie = '1' ORDER BY idpedi_veds");
    EXPECT_EQ(funcoes().Sql, consulta);
    EXPECT_TRUE(enviadas.contains(UCase(consulta)));
    EXPECT_EQ(resultado.dtAte, QStringLiteral("01/05/2024"));
    EXPECT_TRUE(resultado.semDados);
}

TEST_P(Relatorio, ClienteSozinhoFechaAConsulta)
{
    FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::Standard);
    filtro.cliente = QStringLiteral("SUPER BOM PRECO");
    QStringList enviadas;
    Conexao().contador.antesDeConsultar = [&enviadas](long, const QString& sql) { enviadas << sql; };
    executa(filtro);
    Conexao().contador.antesDeConsultar = nullptr;

    // Sent upper-cased, the customer id included.
    const QString fim = QStringLiteral("CODI_EMPR = '001'  AND PEDI_VEDS.IDCLIE = '3' ORDER BY IDPEDI_VEDS");
    EXPECT_EQ(enviadas.filter(fim).size(), 1) << enviadas.join(QLatin1Char('\n')).toStdString();
    const QByteArray gerado = arquivoGerado();
    EXPECT_TRUE(gerado.contains("000044"));
    EXPECT_TRUE(gerado.contains("000048"));
    EXPECT_FALSE(gerado.contains("000042"));
}

// Company 003's corners (see support/empresa.sql) through every layout, on
// both columns of dates a report may take.
TEST_P(Relatorio, CantosDosDadosEmCadaLayout)
{
    defineModelo(QStringLiteral("3"));
    for (const auto& [layout, nome] : Layouts) {
        for (const DataRelatorio data : {DataRelatorio::Emissao, DataRelatorio::Entrega}) {
            SCOPED_TRACE(std::string(nome) + (data == DataRelatorio::Entrega ? " on delivery dates" : ""));
            FiltroRelatorio filtro = filtroDeMaio(layout);
            filtro.codiEmpresa = QStringLiteral("003");
            filtro.nomeEmpresa = QStringLiteral("CANTOS");
            filtro.dtDe = QStringLiteral("01/06/2024");
            filtro.dtAte = QStringLiteral("30/06/2024");
            filtro.data = data;
            executa(filtro);
            comparaCom(QStringLiteral("cantos/%1%2.html")
                           .arg(QLatin1String(nome), data == DataRelatorio::Entrega ? QStringLiteral("-entrega") : QString()));
        }
    }
}

// A vertical delivery that overflows a 16-bit sum (companies 004 and 005 of
// the fixture) stops with the error and leaves the file as far as it got:
// the blocks before the failing order's step.
TEST_P(Relatorio, EntregaVerticalQueEstouraParaNoBlocoQueFalha)
{
    for (const char* empresa : {"004", "005"}) {
        SCOPED_TRACE(empresa);
        FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::EntregaVertical);
        filtro.codiEmpresa = QLatin1String(empresa);
        filtro.dtDe = QStringLiteral("01/07/2024");
        filtro.dtAte = QStringLiteral("31/07/2024");
        long erro = 0;
        try {
            executa(filtro);
        } catch (const VbError& falha) {
            erro = falha.Number();
        }
        EXPECT_EQ(erro, vb_error::Overflow);
        comparaCom(QStringLiteral("estouro-%1.html").arg(QLatin1String(empresa)));
    }
}

// A day stored without its time: SQLite refuses it (its instants are text,
// and only the full form compares alike in every query); Firebird keeps it
// as midnight, and the day's figures count it.
TEST_P(Relatorio, DiaSemHoraContaComoMeiaNoite)
{
    const QString pedido = QStringLiteral("insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, "
                                          "idvend, VALO_DECT) values (90, 190, '001', '2024-05-21', 1, 0)");
    if (GetParam().banco == Backend::Sqlite) {
        EXPECT_THROW(banco->executa(pedido), std::runtime_error);
        return;
    }
    banco->executa(pedido);
    banco->executa(QStringLiteral("insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) "
                                  "values (90, 90, 1, 3)"));
    FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::PA);
    filtro.vendedor = QStringLiteral("ZECA");
    executa(filtro);
    EXPECT_TRUE(arquivoGerado().contains("21/05/2024</TD> <TD width=15% ALIGN='RIGHT'>1</TD>"));
}

INSTANTIATE_TEST_SUITE_P(BancosEMotores, Relatorio, ::testing::ValuesIn(ParametrosRelatorio()),
                         NomeDoParametro);

}  // namespace
