#include "fixtures/BaseRelatorio.h"
#include "support/Casos.h"

#include "platform/Conversions.h"
#include "platform/VbError.h"
#include "report/Relatorio.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QStringList>
#include <map>

namespace {

const QString AvisoMarca = QStringLiteral(
    "Atenção!!!\rEste tipo de filtro (Marca) pode trazer distorções nos descontos aplicados no cabeçalho "
    "do Pedido.\rSomente os descontos aplicados no item são considerados neste filtro");
const QString AvisoPA =
    QStringLiteral("O Relatório de PA somente pode ser processado com a opção da Data do Pedido (Data de Vendas).\r"
                   "O sistema está ajustado o parametro automaticamente");

LayoutRelatorio LayoutDe(const QString& nome)
{
    for (const auto& [texto, layout] : NomesDosLayouts)
        if (nome == QLatin1String(texto))
            return layout;
    ADD_FAILURE() << "no layout " << nome.toStdString();
    return LayoutRelatorio::Standard;
}

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

// report/casos/relatorios.tsv: a filter, the golden file it writes, and the
// notice shown before the run (the brand's or the PA's), if any.
TEST_P(Relatorio, CadaFiltroEscreveSeuArquivo)
{
    const std::map<QString, DataRelatorio> datas = {{"emissao", DataRelatorio::Emissao},
                                                    {"entrega", DataRelatorio::Entrega}};
    const std::map<QString, QString> avisos = {{"", QString()}, {"marca", AvisoMarca}, {"pa", AvisoPA}};
    for (const Caso& caso : Casos("report/casos/relatorios.tsv")) {
        SCOPED_TRACE(caso.onde());
        caixa->mensagens.clear();
        ampulheta.clear();
        defineModelo(caso[12]);
        FiltroRelatorio filtro = filtroDeMaio(LayoutDe(caso[1]));
        if (!caso[2].isEmpty()) {
            filtro.codiEmpresa = caso[2];
            filtro.nomeEmpresa = caso[3];
            filtro.dtDe = caso[4];
            filtro.dtAte = caso[5];
        }
        filtro.data = datas.at(caso[6]);
        filtro.marca = caso[7];
        filtro.vendedor = caso[8];
        filtro.cliente = caso[9];
        filtro.tipoCliente = caso[10];
        filtro.tamanhoFonte = caso.inteiro(11);
        const ResultadoRelatorio resultado = executa(filtro);

        comparaCom(caso[0]);
        EXPECT_EQ(resultado.arquivo, pastaRelatorios() + QStringLiteral("pantoro.html"));
        EXPECT_EQ(relatorio().ArquivoHTML, resultado.arquivo);
        EXPECT_EQ(ampulheta, (QVector<bool>{true, false}));
        EXPECT_EQ(resultado.dataEmissaoForcada, filtro.layout == LayoutRelatorio::PA);
        const QString aviso = avisos.at(caso[13]);
        ASSERT_EQ(caixa->mensagens.size(), aviso.isEmpty() ? 0 : 1);
        if (!aviso.isEmpty()) {
            EXPECT_EQ(caixa->mensagens[0].prompt, aviso);
            EXPECT_EQ(caixa->mensagens[0].titulo, filtro.tituloJanela);
            EXPECT_EQ(caixa->mensagens[0].icone, IconeMensagem::Informacao);
        }
    }
}

// Without data the file keeps the page's start, and nothing is shown.
TEST_P(Relatorio, SemDadosDeixaSoOInicioDaPagina)
{
    for (const auto& [nome, layout] : NomesDosLayouts) {
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

    const QString consulta =
        QStringLiteral("SELECT pedi_veds.* FROM pedi_veds, clie, pess WHERE (pedi_veds.idclie = clie.idClie and "
                       "clie.idpess = pess.idpess) and (DATA_PEDI>='20240501 00:00' and DATA_PEDI<='20240501 23:59') "
                       "AND (pedi_veds.data_desa is null) and pedi_veds.codi_empr = '001' AND pedi_veds.IDVEND = 1 "
                       "AND pess.idTipo_Clie = 1  and pedi_veds.idClie = '1' ORDER BY idpedi_veds");
    EXPECT_EQ(funcoes().Sql, consulta);
    EXPECT_TRUE(enviadas.contains(UCase(consulta)));
    EXPECT_EQ(resultado.dtAte, QStringLiteral("01/05/2024"));
    EXPECT_TRUE(resultado.semDados);
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

INSTANTIATE_TEST_SUITE_P(BancosEMotores, Relatorio, ::testing::ValuesIn(ParametrosRelatorio()), NomeDoParametro);

}  // namespace
