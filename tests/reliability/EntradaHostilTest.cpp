#include "fixtures/BaseRelatorio.h"
#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/Cp1252.h"
#include "platform/VbError.h"
#include "report/Relatorio.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"
#include "support/Casos.h"

#include <QFile>
#include <functional>

// Text a user can type into a filter, however hostile: it is only ever a
// value, never a piece of the statement (the search box's are rows of
// people/casos/buscas.tsv).
namespace {

struct TextoHostil {
    std::string nome;
    QString texto;
};

// reliability/casos/textos-hostis.tsv, and ten thousand characters.
const std::vector<TextoHostil>& TextosHostis()
{
    static const std::vector<TextoHostil> textos = [] {
        std::vector<TextoHostil> lista{{"DezMilCaracteres", QString(10000, u'X')}};
        for (const Caso& caso : Casos("reliability/casos/textos-hostis.tsv"))
            lista.push_back({caso[0].toStdString(), caso[1]});
        return lista;
    }();
    return textos;
}

// The tables the texts could aim at, row counts before and after.
QVector<long> Contagens()
{
    return {BaseRelatorio::linhas("pess"), BaseRelatorio::linhas("marc"), BaseRelatorio::linhas("vend"),
            BaseRelatorio::linhas("tipo_clie"), BaseRelatorio::linhas("pedi_veds")};
}

struct CampoDoFiltro {
    const char* nome;
    QString FiltroRelatorio::*campo;
};

const CampoDoFiltro CamposDoFiltro[] = {{"marca", &FiltroRelatorio::marca},
                                        {"vendedor", &FiltroRelatorio::vendedor},
                                        {"tipoCliente", &FiltroRelatorio::tipoCliente},
                                        {"cliente", &FiltroRelatorio::cliente}};

class HostilNoRelatorio : public BaseRelatorio {
protected:
    struct Execucao {
        bool semDados = false;
        QByteArray arquivo;
        QStringList mensagens;
    };

    Execucao executa(const FiltroRelatorio& filtro)
    {
        caixa->mensagens.clear();
        QFile::remove(pastaRelatorios() + QStringLiteral("pantoro.html"));
        Execucao execucao;
        execucao.semDados = ExecutaRelatorio(filtro, GetParam().motor).semDados;
        execucao.arquivo = arquivoGerado();
        for (const Mensagem& mensagem : caixa->mensagens)
            execucao.mensagens << mensagem.prompt;
        return execucao;
    }
};

// A hostile text in a filter does what a plain name the company does not
// have does: the same messages, the same outcome and, where the layout
// prints the filter (the PA salesperson), the same file but for that text.
TEST_P(HostilNoRelatorio, FiltroComTextoHostilEhSoUmNomeDesconhecido)
{
    const QString desconhecido = QStringLiteral("NOME QUE NAO EXISTE");
    const QVector<long> antes = Contagens();
    for (const CampoDoFiltro& campo : CamposDoFiltro) {
        for (LayoutRelatorio layout : {LayoutRelatorio::Standard, LayoutRelatorio::PA, LayoutRelatorio::Detalhado}) {
            FiltroRelatorio filtro = filtroDeMaio(layout);
            filtro.*campo.campo = desconhecido;
            const Execucao referencia = executa(filtro);
            for (const TextoHostil& hostil : TextosHostis()) {
                SCOPED_TRACE(hostil.nome + " in " + campo.nome + " layout " + std::to_string(static_cast<int>(layout)));
                filtro.*campo.campo = hostil.texto;
                const Execucao execucao = executa(filtro);
                EXPECT_EQ(execucao.semDados, referencia.semDados);
                EXPECT_EQ(execucao.mensagens, referencia.mensagens);
                QByteArray esperado = referencia.arquivo;
                esperado.replace(ParaCp1252(desconhecido), ParaCp1252(hostil.texto));
                EXPECT_TRUE(execucao.arquivo == esperado);
            }
        }
    }
    EXPECT_EQ(Contagens(), antes);
}

// A date the mask lets through but the calendar does not goes into the
// statement as typed. What the database makes of it is the database's:
// SQLite compares it as text, Firebird refuses it with its own message
// ("conversion error", or "value exceeds the range for valid timestamps").
// An invalid end date falls back to the start date. Never a crash, and the
// next run is whole.
TEST_P(HostilNoRelatorio, DatasInvalidas)
{
    const FiltroRelatorio valido = filtroDeMaio(LayoutRelatorio::Standard);
    ExecutaRelatorio(valido, GetParam().motor);
    const QByteArray esperado = arquivoGerado();
    for (const Caso& data : Casos("reliability/casos/datas-hostis.tsv")) {
        SCOPED_TRACE(data.onde());
        FiltroRelatorio filtro = valido;
        filtro.dtDe = data[0];
        filtro.dtAte = data[1];
        QString resultado;
        try {
            const ResultadoRelatorio execucao = ExecutaRelatorio(filtro, GetParam().motor);
            resultado = execucao.semDados ? QStringLiteral("vazio") : QStringLiteral("arquivo");
            EXPECT_EQ(execucao.dtAte, IsDate(Variant(filtro.dtAte)) ? filtro.dtAte : filtro.dtDe);
        } catch (const VbError& erro) {
            resultado = QStringLiteral("erro");
            EXPECT_EQ(erro.Number(), adErroNaConsulta);
            EXPECT_TRUE(erro.Description().contains(QLatin1String("conversion error")) ||
                        erro.Description().contains(QLatin1String("range for valid timestamps")))
                << erro.Description().toStdString();
        }
        EXPECT_EQ(resultado, data[GetParam().banco == Backend::Sqlite ? 2 : 3]);
        const ResultadoRelatorio depois = ExecutaRelatorio(valido, GetParam().motor);
        EXPECT_FALSE(depois.arquivo.isEmpty());
        EXPECT_EQ(arquivoGerado(), esperado);
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, HostilNoRelatorio, ::testing::ValuesIn(ParametrosRelatorio()), NomeDoParametro);

}  // namespace
