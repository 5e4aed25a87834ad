#include "cli/LinhaDeComando.h"
#include "support/Casos.h"

#include <gtest/gtest.h>

namespace {

// The options that differ from the defaults, as the case table writes them.
QString Resumo(const OpcoesLinhaDeComando& opcoes)
{
    const OpcoesLinhaDeComando padrao;
    const FiltroRelatorio& filtro = opcoes.filtro;
    QStringList partes;
    const auto poe = [&](const char* nome, const QString& valor) {
        if (!valor.isEmpty())
            partes << QLatin1String(nome) + u'=' + valor;
    };
    for (const NomeDoLayout& layout : NomesDosLayouts)
        if (opcoes.relatorio && layout.layout == filtro.layout)
            poe("relatorio", QLatin1String(layout.nome));
    poe("de", opcoes.de.value_or(QString()));
    poe("ate", opcoes.ate.value_or(QString()));
    if (filtro.data != padrao.filtro.data)
        poe("data", QString::number(int(filtro.data)));
    if (filtro.tamanhoFonte != padrao.filtro.tamanhoFonte)
        poe("fonte", QString::number(filtro.tamanhoFonte));
    if (opcoes.motor != padrao.motor)
        partes << QStringLiteral("fiel");
    const std::pair<const char*, QString> textos[] = {
        {"vendedor", filtro.vendedor}, {"marca", filtro.marca},       {"tipo", filtro.tipoCliente},
        {"cliente", filtro.cliente},   {"pdf", opcoes.pdf},           {"pdf-navegador", opcoes.pdfNavegador},
        {"xlsx", opcoes.xlsx},         {"csv", opcoes.csv},           {"email", opcoes.email.join(u',')},
        {"demo", opcoes.pastaDemo},    {"chamada", opcoes.lancamento}};
    for (const auto& [nome, valor] : textos)
        poe(nome, valor);
    return partes.join(u' ');
}

class Decisoes : public ::testing::TestWithParam<Caso> {};

TEST_P(Decisoes, RespondeOuEscolheOModoComAsOpcoesLidas)
{
    const Caso& caso = GetParam();
    const Decisao decisao = DecideExecucao(caso.lista("argumentos"), caso("tela") == QLatin1String("sim"));
    const char* const modos[] = {"responde", "janela", "relatorio", "demo"};
    const QString resultado =
        decisao.modo == Modo::Responde ? QString::number(decisao.codigo) : modos[int(decisao.modo)];
    EXPECT_EQ(resultado, caso("resultado")) << decisao.erroPadrao.toStdString();
    const QString texto = decisao.codigo == 0 ? decisao.saidaPadrao : decisao.erroPadrao;
    EXPECT_TRUE(texto.startsWith(caso("texto"))) << texto.toStdString();
    EXPECT_TRUE((decisao.codigo == 0 ? decisao.erroPadrao : decisao.saidaPadrao).isEmpty());
    EXPECT_EQ(Resumo(decisao.opcoes), caso("opcoes"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, Decisoes, ::testing::ValuesIn(Casos("cli/casos/linha-de-comando.tsv")), NomeDoCaso);

}  // namespace
