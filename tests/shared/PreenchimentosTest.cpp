#include "BaseFuncoes.h"

#include "platform/FlexGrid.h"

#include <functional>
#include <map>

namespace {

// Each filler by name, given the filter text it may trim.
const std::map<QString, std::function<QStringList(QString&)>> Listas = {
    {"CarregaTipoCliente", [](QString&) { return CarregaTipoCliente(); }},
    {"CarregaVendedores", [](QString& f) { return CarregaVendedores(f); }},
    {"CarregaAtividades", [](QString& f) { return CarregaAtividades(f); }},
    {"CarregaMarcas", [](QString& f) { return CarregaMarcas(f); }},
    {"CarregaClientes", [](QString& f) { return CarregaClientes(f); }},
};

using Preenchimentos = BaseFuncoes;

TEST_P(Preenchimentos, CadaListaDevolveOsAtivosFiltrados)
{
    for (const Caso& caso : Casos("shared/casos/listas.tsv")) {
        SCOPED_TRACE(caso.onde());
        QString filtro = caso[1];
        const QStringList entradas = Listas.at(caso[0])(filtro);
        EXPECT_EQ(filtro, caso[2]);
        QStringList esperados;
        for (size_t i = 3; i < caso.campos.size(); ++i)
            esperados << caso[i];
        EXPECT_EQ(entradas, esperados);
    }
}

TEST_P(Preenchimentos, CarregaFlexTempAcrescentaAosQueJaHa)
{
    FlexGrid grade;
    grade.SetCols(5);
    grade.SetRows(2);
    grade.SetTextMatrix(1, 0, QStringLiteral("JA ESTAVA"));
    CarregaFlexTemp(grade);
    QStringList linhas;
    for (int linha = 1; linha < grade.Rows(); ++linha) {
        QStringList celulas;
        for (int coluna = 0; coluna < 5; ++coluna)
            celulas << grade.TextMatrix(linha, coluna);
        linhas << celulas.join(u'|');
    }
    EXPECT_EQ(linhas,
              QStringList({"JA ESTAVA||||", "100|TOM01|0|TOMATE|", "101|BAN01|0|BANANA|", "102|ALF01|0|ALFACE|"}));
}

INSTANTIATE_TEST_SUITE_P(Bancos, Preenchimentos, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
