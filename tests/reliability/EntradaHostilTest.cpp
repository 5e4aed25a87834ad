#include "fixtures/BaseRelatorio.h"
#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/Cp1252.h"
#include "platform/VbError.h"

#include <QFile>

// Text a user can type into a filter, however hostile: it is only ever a
// value, never a piece of the statement (the search box's are rows of
// people/casos/buscas.tsv).
namespace {

const std::pair<const char*, QString FiltroRelatorio::*> CamposDoFiltro[] = {
    {"marca", &FiltroRelatorio::marca},
    {"vendedor", &FiltroRelatorio::vendedor},
    {"tipoCliente", &FiltroRelatorio::tipoCliente},
    {"cliente", &FiltroRelatorio::cliente}};

class HostilNoRelatorio : public BaseRelatorio {
protected:
    // Whether the run found data, and the file.
    std::pair<bool, QByteArray> roda(const FiltroRelatorio& filtro)
    {
        QFile::remove(pastaRelatorios() + QStringLiteral("pantoro.html"));
        const bool semDados = executa(filtro).semDados;
        return {semDados, arquivoGerado()};
    }
};

// reliability/casos/textos-hostis.tsv in each filter: the same outcome and,
// where the layout prints the filter (the PA salesperson), the same file but
// for that text, as a plain name the company does not have.
TEST_P(HostilNoRelatorio, TextoEhSoUmNomeDesconhecido)
{
    const QString hostil = GetParam().caso("texto").repeated(std::max(1, GetParam().caso.inteiro("vezes")));
    const QString desconhecido = QStringLiteral("NOME QUE NAO EXISTE");
    for (const auto& [nome, campo] : CamposDoFiltro) {
        for (LayoutRelatorio layout : {LayoutRelatorio::Standard, LayoutRelatorio::PA, LayoutRelatorio::Detalhado}) {
            SCOPED_TRACE(std::string(nome) + " layout " + std::to_string(static_cast<int>(layout)));
            FiltroRelatorio filtro = filtroDeMaio(layout);
            filtro.*campo = desconhecido;
            auto [semDados, esperado] = roda(filtro);
            esperado.replace(ParaCp1252(desconhecido), ParaCp1252(hostil));
            filtro.*campo = hostil;
            EXPECT_TRUE(roda(filtro) == std::make_pair(semDados, esperado));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, HostilNoRelatorio,
                         ::testing::ValuesIn(ParametrosRelatorio("reliability/casos/textos-hostis.tsv")),
                         NomeDoParametro);

// reliability/casos/datas-hostis.tsv: the date goes into the statement as
// typed, and what the database makes of it is the database's: SQLite
// compares it as text, Firebird refuses it with its own message
// ("conversion error", or "value exceeds the range for valid timestamps").
// Never a crash, and the next run is whole.
class DataHostil : public BaseRelatorio {};

TEST_P(DataHostil, NaConsulta)
{
    const Caso& caso = GetParam().caso;
    const FiltroRelatorio valido = filtroDeMaio(LayoutRelatorio::Standard);
    executa(valido);
    const QByteArray esperado = arquivoGerado();
    FiltroRelatorio filtro = valido;
    filtro.dtDe = caso("de");
    filtro.dtAte = caso("ate");
    QString resultado;
    try {
        resultado = executa(filtro).semDados ? QStringLiteral("vazio") : QStringLiteral("arquivo");
    } catch (const VbError& erro) {
        resultado = QStringLiteral("erro");
        EXPECT_EQ(erro.Number(), adErroNaConsulta);
        EXPECT_TRUE(erro.Description().contains(QLatin1String("conversion error")) ||
                    erro.Description().contains(QLatin1String("range for valid timestamps")))
            << erro.Description().toStdString();
    }
    EXPECT_EQ(resultado, caso(GetParam().banco == Backend::Sqlite ? "sqlite" : "firebird"));
    EXPECT_FALSE(executa(valido).arquivo.isEmpty());
    EXPECT_EQ(arquivoGerado(), esperado);
}

INSTANTIATE_TEST_SUITE_P(Tabela, DataHostil,
                         ::testing::ValuesIn(ParametrosRelatorio("reliability/casos/datas-hostis.tsv")),
                         NomeDoParametro);

}  // namespace
