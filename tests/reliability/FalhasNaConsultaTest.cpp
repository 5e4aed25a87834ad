#include "fixtures/Falhas.h"

#include "fixtures/BaseRelatorio.h"
#include "platform/Conversions.h"
#include "report/Relatorio.h"
#include "shared/Funcoes.h"

// Every statement of a report run, a lookup and a filler,
// made to fail one at a time: the failure reaches the caller as the
// server's error, the run shows nothing, and the next run is whole.
namespace {

const LayoutRelatorio Layouts[] = {LayoutRelatorio::Standard,        LayoutRelatorio::PA,
                                   LayoutRelatorio::Detalhado,       LayoutRelatorio::Entrega,
                                   LayoutRelatorio::EntregaVertical, LayoutRelatorio::AgrupaProd};

class FalhaNoRelatorio : public BaseRelatorio {};

TEST_P(FalhaNoRelatorio, CadaConsultaDeCadaLayout)
{
    for (LayoutRelatorio layout : Layouts) {
        SCOPED_TRACE("layout " + std::to_string(static_cast<int>(layout)));
        const FiltroRelatorio filtro = filtroDeMaio(layout);
        ResultadoRelatorio resultado = ExecutaRelatorio(filtro, GetParam().motor);
        const QByteArray esperado = arquivoGerado();
        ASSERT_FALSE(esperado.isEmpty());
        const qsizetype mensagensAntes = caixa->mensagens.size();

        const long consultas = CadaConsultaFalha(
            [&] {
                relatorio() = VariaveisRelatorio{};
                resultado = ResultadoRelatorio{};
                resultado = ExecutaRelatorio(filtro, GetParam().motor);
            },
            [&] {
                // Nothing for the viewer to show, and no message besides the error.
                EXPECT_TRUE(relatorio().ArquivoHTML.isEmpty());
                EXPECT_TRUE(resultado.arquivo.isEmpty());
                EXPECT_EQ(caixa->mensagens.size(), mensagensAntes);
            },
            [&] {
                EXPECT_EQ(resultado.arquivo, pastaRelatorios() + QStringLiteral("pantoro.html"));
                EXPECT_EQ(arquivoGerado(), esperado);
            });
        EXPECT_GE(consultas, 3);
    }
}

// The list fillers: a failed query returns nothing, so a window keeps its entries.
TEST_P(FalhaNoRelatorio, CadaConsultaDosPreenchimentos)
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

INSTANTIATE_TEST_SUITE_P(Bancos, FalhaNoRelatorio, ::testing::ValuesIn(ParametrosRelatorio()), NomeDoParametro);

}  // namespace
