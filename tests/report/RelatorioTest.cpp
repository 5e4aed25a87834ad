#include "fixtures/BaseRelatorio.h"
#include "support/Auxiliares.h"
#include "support/PastaTemporaria.h"

#include "platform/Conversions.h"
#include "platform/VbError.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QStringList>

namespace {

QString Aviso(const QString& nome)
{
    if (nome == QLatin1String("marca"))
        return QStringLiteral("Atenção!!!\rEste tipo de filtro (Marca) pode trazer distorções nos descontos aplicados "
                              "no cabeçalho do Pedido.\rSomente os descontos aplicados no item são considerados neste "
                              "filtro");
    return QStringLiteral("O Relatório de PA somente pode ser processado com a opção da Data do Pedido (Data de "
                          "Vendas).\rO sistema está ajustado o parametro automaticamente");
}

// Compares with tests/report/esperado/<nome>; with PANTORO_REGENERA_ESPERADOS
// set the file is first rewritten (for review in the diff).
void ComparaCom(const QString& nome, const QByteArray& gerado)
{
    const QString caminho = QStringLiteral(PANTORO_TESTS_DIR "/report/esperado/") + nome;
    if (!qEnvironmentVariableIsEmpty("PANTORO_REGENERA_ESPERADOS"))
        EscreveArquivo(caminho, gerado);
    EXPECT_EQ(gerado.toStdString(), Conteudo(caminho).toStdString()) << nome.toStdString();
}

class Relatorio : public BaseRelatorio {};

// report/casos/relatorios.tsv: what a run writes, shows, sends and returns.
TEST_P(Relatorio, EscreveOEsperado)
{
    const Caso& caso = GetParam().caso;
    defineModelo(caso("modelo"));
    const FiltroRelatorio filtro = filtroDoCaso(caso);
    QVector<bool> ampulheta;
    GanchosRelatorio ganchos;
    ganchos.ampulheta = [&ampulheta](bool ligada) { ampulheta << ligada; };
    QStringList enviadas;
    Conexao().contador.antesDeConsultar = [&enviadas](long, const QString& sql) { enviadas << sql; };
    ResultadoRelatorio resultado;
    const long erro = ErroVb([&] { resultado = executa(filtro, ganchos); });
    Conexao().contador.antesDeConsultar = nullptr;

    ComparaCom(caso("esperado"), arquivoGerado());
    if (*GetParam().motor == MotorRelatorio::Fiel)
        ComparaCom(QStringLiteral("consultas/") + caso("caso") + QStringLiteral(".sql"),
                   enviadas.join(u'\n').toUtf8() + '\n');
    else
        EXPECT_EQ(enviadas.size(), caso.inteiro("consultas"));
    const QString fim = caso("fim");
    EXPECT_EQ(erro, fim == QLatin1String("estouro") ? vb_error::Overflow : 0);
    EXPECT_EQ(resultado.semDados, fim == QLatin1String("sem-dados"));
    const QString arquivo = pastaRelatorios() + QStringLiteral("pantoro.html");
    EXPECT_EQ(resultado.arquivo, fim == QLatin1String("arquivo") ? arquivo : QString());
    EXPECT_EQ(relatorio().ArquivoHTML, resultado.arquivo);
    EXPECT_EQ(ampulheta, erro ? QVector<bool>({true}) : QVector<bool>({true, false}));
    if (!erro) {
        EXPECT_EQ(resultado.dataEmissaoForcada, filtro.layout == LayoutRelatorio::PA);
        EXPECT_EQ(resultado.dtAte, IsDate(Variant(filtro.dtAte)) ? filtro.dtAte : filtro.dtDe);
    }
    // The order query is sent upper-cased and stays in Sql.
    if (fim == QLatin1String("sem-dados")) {
        EXPECT_EQ(UCase(funcoes().Sql), enviadas.last());
    }

    QStringList mostradas, esperadas;
    for (const Mensagem& mensagem : caixa->mensagens)
        mostradas << mensagem.prompt + u'|' + mensagem.titulo;
    if (!caso("aviso").isEmpty())
        esperadas << Aviso(caso("aviso")) + u'|' + filtro.tituloJanela;
    if (fim == QLatin1String("sem-dados"))
        esperadas << QStringLiteral("Não há dados para exibir!|") + TituloRelease();
    EXPECT_EQ(mostradas, esperadas);
}

INSTANTIATE_TEST_SUITE_P(Tabela, Relatorio, ::testing::ValuesIn(ParametrosRelatorio("report/casos/relatorios.tsv")),
                         NomeDoParametro);

}  // namespace
