#include "fixtures/Falhas.h"

#include "fixtures/BaseRelatorio.h"
#include "platform/Conversions.h"
#include "shared/Funcoes.h"

#include <QSet>

// Every statement of a report run, a lookup and a filler, made to fail one
// at a time: the failure reaches the caller as the server's error, the run
// shows nothing, and the next run is whole.
namespace {

class FalhaNoRelatorio : public BaseRelatorio {};

// The rows of report/casos/relatorios.tsv marked "falhas", with each value
// source. A failing set-based run leaves a file that a failing per-row run
// leaves too: nothing the per-row run would not have written.
TEST_P(FalhaNoRelatorio, CadaConsultaDeCadaFonte)
{
    const Caso& caso = GetParam().caso;
    defineModelo(caso("modelo"));
    const FiltroRelatorio filtro = filtroDoCaso(caso);
    QSet<QByteArray> deixadosPorLinha;
    for (MotorRelatorio motor : {MotorRelatorio::Fiel, MotorRelatorio::Rapido}) {
        ResultadoRelatorio resultado = ExecutaRelatorio(filtro, motor);
        const QByteArray esperado = arquivoGerado();
        caixa->mensagens.clear();
        CadaConsultaFalha(
            [&] {
                relatorio() = VariaveisRelatorio{};
                resultado = ResultadoRelatorio{};
                resultado = ExecutaRelatorio(filtro, motor);
            },
            [&] {
                // Nothing for the viewer to show, and no message besides the error.
                EXPECT_TRUE(relatorio().ArquivoHTML.isEmpty());
                EXPECT_TRUE(resultado.arquivo.isEmpty());
                EXPECT_TRUE(caixa->mensagens.isEmpty());
                if (motor == MotorRelatorio::Fiel)
                    deixadosPorLinha.insert(arquivoGerado());
                else
                    EXPECT_TRUE(deixadosPorLinha.contains(arquivoGerado()));
            },
            [&] {
                EXPECT_EQ(resultado.arquivo, pastaRelatorios() + QStringLiteral("pantoro.html"));
                EXPECT_EQ(arquivoGerado(), esperado);
            });
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, FalhaNoRelatorio,
                         ::testing::ValuesIn(ParametrosRelatorio("report/casos/relatorios.tsv", false, "falhas")),
                         NomeDoParametro);

// The list fillers: a failed query returns nothing, so a window keeps its entries.
class FalhaNosPreenchimentos : public BaseRelatorio {};

TEST_P(FalhaNosPreenchimentos, CadaConsulta)
{
    const std::vector<std::pair<const char*, std::function<QStringList()>>> preenchimentos = {
        {"CarregaVendedores", [] { return CarregaVendedores(QString()); }},
        {"CarregaTipoCliente", [] { return CarregaTipoCliente(); }},
        {"CarregaClientes",
         [] {
             QString texto;
             return CarregaClientes(texto);
         }},
    };
    for (const auto& [nome, preenche] : preenchimentos) {
        SCOPED_TRACE(nome);
        const QStringList esperado = preenche();
        ASSERT_GE(esperado.size(), 2);
        QStringList obtido;
        CadaConsultaFalha([&] { obtido = preenche(); }, [] {}, [&] { EXPECT_EQ(obtido, esperado); });
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, FalhaNosPreenchimentos, ::testing::ValuesIn(ParametrosRelatorio(nullptr, false)),
                         NomeDoParametro);

}  // namespace
