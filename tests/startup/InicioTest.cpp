#include "fixtures/AmbienteDeTeste.h"
#include "startup/Ambiente.h"
#include "support/Casos.h"

#include <QFile>
#include <map>

namespace {

class CamposDaChamada : public ::testing::TestWithParam<Caso> {};

TEST_P(CamposDaChamada, CampoETextoDoChamador)
{
    const Caso& caso = GetParam();
    QString texto = caso("texto");
    const Variant campo = Campo(static_cast<int16_t>(caso.inteiro("n")), texto);
    EXPECT_EQ(campo.type(), caso.variant("campo").type());
    EXPECT_EQ(campo.text(), caso.variant("campo").text());
    EXPECT_EQ(texto, caso("depois"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, CamposDaChamada, ::testing::ValuesIn(Casos("startup/casos/campo.tsv")), NomeDoCaso);

// What start-up left that a case may check, by the names the case table uses.
std::map<QString, QString> Observado(const Ambiente& a, const QList<Mensagem>& mensagens)
{
    static const char* const icones[] = {"Nenhum", "Critico", "Exclamacao", "Informacao"};
    std::map<QString, QString> visto = {
        {"ParametrosChamada", a.ParametrosChamada},
        {"IdUsuario", QString::number(a.IdUsuario)},
        {"IdEmpresa", QString::number(a.IdEmpresa)},
        {"CodiAmbiente", a.CodiAmbiente},
        {"NomeTela", a.NomeTela},
        {"Titulo", TituloJanela()},
        {"PrefixoConfig1", a.PrefixoConfig1},
        {"PrefixoConfig2", a.PrefixoConfig2},
        {"ArqPaths", a.ArqPaths},
        {"PastaRelatorios", a.PastaRelatorios},
        {"TipoServidor", a.TipoServidor},
        {"AceitaAcentos", a.AceitaAcentos ? "True" : "False"},
        {"BancoDados", a.BancoDados},
        {"ServidorBD", a.ServidorBD},
        {"CodiEmpresa", a.CodiEmpresa},
        {"PastaDanfe", a.PastaDanfe},
        {"ConnectionTimeout", a.conexao ? QString::number(a.conexao->ConnectionTimeout) : QString()},
    };
    if (!mensagens.isEmpty()) {
        visto["prompt"] = mensagens[0].prompt;
        visto["icone"] = QString::fromLatin1(icones[static_cast<int>(mensagens[0].icone)]);
        visto["tituloMensagem"] = mensagens[0].titulo;
    }
    return visto;
}

class Inicio : public AmbienteDeTeste, public ::testing::WithParamInterface<Caso> {};

TEST_P(Inicio, ChamadaEConfiguracao)
{
    const Caso& caso = GetParam();
    std::map<QString, QString> esperado;
    // The pairs' values are bytes: a file may hold CP1252.
    for (size_t i = caso.colunas->indexOf(QStringLiteral("pares...")); i + 1 < caso.campos.size(); i += 2) {
        const QString chave = QString::fromUtf8(caso.campos[i]);
        if (chave.startsWith(u'>'))
            escreve(chave.mid(1), caso.campos[i + 1]);
        else if (chave.startsWith(u'-'))
            QFile::remove(drive.raiz() + u'/' + chave.mid(1));
        else if (chave.startsWith(u'*'))
            criaBanco(chave.mid(1));
        else
            esperado[chave] = QString::fromUtf8(caso.campos[i + 1]);
    }
    const bool termina = esperado.count("prompt") || esperado.count("prompt~");

    EXPECT_EQ(inicia(caso("chamada")), termina ? 1 : 0);

    ASSERT_EQ(caixa->mensagens.size(), termina ? 1 : 0)
        << (caixa->mensagens.isEmpty() ? std::string() : caixa->mensagens[0].prompt.toStdString());
    if (termina)
        EXPECT_FALSE(caixa->mensagens[0].prompt.contains(QStringLiteral("segredo")));
    else
        EXPECT_EQ(Conexao().State(), adStateOpen);
    const std::map<QString, QString> visto = Observado(ambiente(), caixa->mensagens);
    for (const auto& [chave, valor] : esperado) {
        const bool trecho = chave.endsWith(u'~');
        const auto achado = visto.find(trecho ? chave.chopped(1) : chave);
        ASSERT_NE(achado, visto.end()) << chave.toStdString();
        if (trecho)
            EXPECT_TRUE(achado->second.contains(valor)) << chave.toStdString() << ": " << achado->second.toStdString();
        else
            EXPECT_EQ(achado->second, valor) << chave.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, Inicio, ::testing::ValuesIn(Casos("startup/casos/inicio.tsv")), NomeDoCaso);

}  // namespace
