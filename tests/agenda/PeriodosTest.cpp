#include "agenda/FiltrosSalvos.h"
#include "agenda/LinhaDoPeriodo.h"
#include "agenda/PeriodoRelativo.h"
#include "agenda/Vencimentos.h"
#include "platform/VbError.h"
#include "support/Casos.h"

#include <gtest/gtest.h>

namespace {

const QString FormaDoHorario = QStringLiteral("dd/MM/yyyy HH:mm");

class Periodos : public ::testing::TestWithParam<Caso> {};

TEST_P(Periodos, NasBordas)
{
    const Caso& caso = GetParam();
    const QDate hoje = QDate::fromString(caso("hoje"), QStringLiteral("dd/MM/yyyy"));
    if (caso("de") == QLatin1String("erro")) {
        EXPECT_FALSE(PeriodoConhecido(caso("periodo")));
        try {
            CalculaPeriodo(caso("periodo"), hoje);
            ADD_FAILURE() << "no error";
        } catch (const VbError& erro) {
            EXPECT_TRUE(erro.Description().contains(QStringLiteral("trimestre-anterior, ano-atual, ano-anterior "
                                                                   "ou ultimos-N-dias")))
                << erro.Description().toStdString();
        }
        return;
    }
    EXPECT_TRUE(PeriodoConhecido(caso("periodo")));
    const DatasDoPeriodo datas = CalculaPeriodo(caso("periodo"), hoje);
    EXPECT_EQ(TextoDaData(datas.de), caso("de"));
    EXPECT_EQ(TextoDaData(datas.ate), caso("ate"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, Periodos, ::testing::ValuesIn(Casos("agenda/casos/periodos.tsv")), NomeDoCaso);

TEST(Periodos, OsNomesOferecidosSaoPeriodos)
{
    for (const QString& nome : NomesDosPeriodos())
        EXPECT_TRUE(PeriodoConhecido(nome)) << nome.toStdString();
}

class Vencimentos : public ::testing::TestWithParam<Caso> {};

TEST_P(Vencimentos, UmaVezPorHorario)
{
    const Caso& caso = GetParam();
    const std::optional<Quando> quando = LeQuando(caso("quando"));
    if (caso("esperado") == QLatin1String("invalido")) {
        EXPECT_FALSE(quando);
        return;
    }
    ASSERT_TRUE(quando);
    std::optional<QDateTime> ultimo;
    if (caso("ultimo") != QLatin1String("-"))
        ultimo = QDateTime::fromString(caso("ultimo"), FormaDoHorario);
    const auto vencimento = VencimentoAEnviar(*quando, QDateTime::fromString(caso("agora"), FormaDoHorario), ultimo);
    EXPECT_EQ(vencimento ? vencimento->toString(FormaDoHorario) : QStringLiteral("-"), caso("esperado"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, Vencimentos, ::testing::ValuesIn(Casos("agenda/casos/vencimentos.tsv")), NomeDoCaso);

class LinhaDoPeriodoDaExecucao : public ::testing::TestWithParam<Caso> {};

TEST_P(LinhaDoPeriodoDaExecucao, SoOsFiltrosDados)
{
    const Caso& caso = GetParam();
    FiltroRelatorio filtro;
    filtro.dtDe = QStringLiteral("01/11/2026");
    filtro.dtAte = QStringLiteral("30/11/2026");
    for (const NomeDaData& data : NomesDasDatas)
        if (caso("data") == QLatin1String(data.nome))
            filtro.data = data.data;
    filtro.vendedor = caso("vendedor");
    filtro.marca = caso("marca");
    filtro.tipoCliente = caso("tipo");
    filtro.cliente = caso("cliente");
    EXPECT_EQ(LinhaDoPeriodo(filtro), caso("esperado"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, LinhaDoPeriodoDaExecucao, ::testing::ValuesIn(Casos("agenda/casos/linha.tsv")),
                         NomeDoCaso);

}  // namespace
