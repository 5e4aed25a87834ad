#include "fixtures/AmbienteDeTeste.h"
#include "fixtures/BancoDeTeste.h"
#include "startup/Ambiente.h"
#include "support/Casos.h"

#include <QFile>
#include <map>

namespace {

const QString release = QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05");

QString Texto(const QString& texto)
{
    return texto;
}
QString Texto(int numero)
{
    return QString::number(numero);
}
QString Texto(bool valor)
{
    return valor ? QStringLiteral("True") : QStringLiteral("False");
}

// What start-up left that a case may check, by the names the case table uses.
std::map<QString, QString> Observado(const Ambiente& a, const QList<Mensagem>& mensagens)
{
    static const char* const icones[] = {"Nenhum", "Critico", "Exclamacao", "Informacao"};
    std::map<QString, QString> visto = {
        {"ParametrosChamada", a.ParametrosChamada},
        {"IdUsuario", Texto(a.IdUsuario)},
        {"IdEmpresa", Texto(a.IdEmpresa)},
        {"CodiAmbiente", a.CodiAmbiente},
        {"NomeTela", a.NomeTela},
        {"Titulo", TituloJanela()},
        {"PrefixoConfig1", a.PrefixoConfig1},
        {"PrefixoConfig2", a.PrefixoConfig2},
        {"ArqPaths", a.ArqPaths},
        {"PastaRelatorios", a.PastaRelatorios},
        {"TipoServidor", a.TipoServidor},
        {"AceitaAcentos", Texto(a.AceitaAcentos)},
        {"BancoDados", a.BancoDados},
        {"ServidorBD", a.ServidorBD},
        {"CodiEmpresa", a.CodiEmpresa},
        {"PastaDanfe", a.PastaDanfe},
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
    for (size_t i = 1; i + 1 < caso.campos.size(); i += 2) {
        const QString chave = caso[i];
        if (chave.startsWith(u'>'))
            escreve(chave.mid(1), caso.bytes(i + 1));
        else if (chave.startsWith(u'-'))
            QFile::remove(drive.raiz() + u'/' + chave.mid(1));
        else if (chave.startsWith(u'*'))
            criaBanco(chave.mid(1));
        else
            esperado[chave] = caso[i + 1];
    }
    const bool termina = esperado.count("prompt") || esperado.count("prompt~");

    EXPECT_EQ(inicia(caso[0]), termina ? 1 : 0);

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

INSTANTIATE_TEST_SUITE_P(Casos, Inicio, ::testing::ValuesIn(Casos("startup/casos/inicio.tsv")),
                         [](const ::testing::TestParamInfo<Caso>& info) {
                             return "linha" + std::to_string(info.param.linha);
                         });

}  // namespace

// The same start-up on every database server the tests can reach: the
// embedded file named (by its POSIX path) in field 2, Firebird through field 6.
class InicioPorServidor : public AmbienteDeTeste, public ::testing::WithParamInterface<Backend> {};

TEST_P(InicioPorServidor, ConectaEAchaEmpresaEUsuario)
{
    BancoDeTeste banco(GetParam());
    insereEmpresasEUsuarios(banco);
    ambiente().conexao.reset();
    const QByteArray conexao = banco.stringDeConexao().toUtf8();
    escreve(QStringLiteral("korva/config/server.ini"), GetParam() == Backend::Firebird
                                                           ? "fb^^^^FIREBIRD^" + conexao + "^False^\r\n"
                                                           : "local^" + conexao + "^^^SQLITE^^False^\r\n");

    ASSERT_EQ(inicia(QStringLiteral("5^2^PRD^")), 0);

    EXPECT_EQ(Conexao().backend(), GetParam());
    EXPECT_EQ(Conexao().ConnectionTimeout, 400);
    EXPECT_EQ(TituloJanela(), release + QStringLiteral(" (PRD)(002/JOSE)"));
    EXPECT_EQ(PathDanfeEmpresa(QStringLiteral("003")), QStringLiteral("D:\\NFE\\"));
    EXPECT_TRUE(ambiente().StringConexao.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Servidores, InicioPorServidor, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);
