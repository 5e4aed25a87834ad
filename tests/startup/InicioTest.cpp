#include "AmbienteDeTeste.h"

#include "startup/Ambiente.h"

#include <QLabel>
#include <QWidget>
#include <optional>

namespace {

const QString release = QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05");
const Mensagem chamadaIlegal{QStringLiteral("Chamada Ilegal para esta rotina!"), IconeMensagem::Nenhum,
                             QStringLiteral("Pantoro")};
const Mensagem semLinhaDeConfig{
    QString::fromUtf8("Conteúdo do Arquivo NÃO Encontrado!\rContate o seu Desenvolvedor para posicionar a falha "
                      "de Conexão!"),
    IconeMensagem::Nenhum, QString::fromUtf8("Falha de Conexão com o Servidor")};

Mensagem idForaDaFaixa(const char* qual, const char* numero)
{
    return {QString::fromUtf8("Chamada inválida: o código %1 (%2) está fora do intervalo de -32768 a 32767.")
                .arg(QString::fromUtf8(qual), QString::fromLatin1(numero)),
            IconeMensagem::Critico, QStringLiteral("Pantoro")};
}

struct CasoChamada {
    const char* nome;
    QString argumento;
    bool marcador;
    std::optional<Mensagem> mensagem;  // the one message that ends start-up
    int16_t idUsuario;
    int16_t idEmpresa;
    QString codiAmbiente;
    QString parametros;  // ParametrosChamada afterwards
    QString titulo;      // when start-up goes through
};

class Chamada : public AmbienteDeTeste, public ::testing::WithParamInterface<CasoChamada> {};

TEST_P(Chamada, LeAChamadaETitulaAJanela)
{
    const CasoChamada& caso = GetParam();
    if (caso.marcador)
        escreve(QStringLiteral("korva/config/ZAKTORP.txt"), "qualquer coisa");

    const int saida = inicia(caso.argumento);

    const Ambiente& a = ambiente();
    if (caso.mensagem) {
        EXPECT_EQ(saida, 1);
        ASSERT_EQ(caixa->mensagens.size(), 1);
        EXPECT_EQ(caixa->mensagens[0].prompt, caso.mensagem->prompt);
        EXPECT_EQ(caixa->mensagens[0].icone, caso.mensagem->icone);
        EXPECT_EQ(caixa->mensagens[0].titulo, caso.mensagem->titulo);
    } else {
        EXPECT_EQ(saida, 0);
        EXPECT_TRUE(caixa->mensagens.isEmpty());
        EXPECT_EQ(TituloJanela(), caso.titulo);
        EXPECT_EQ(a.NomeTela, QStringLiteral("frmPantoro"));
    }
    EXPECT_EQ(a.IdUsuario, caso.idUsuario);
    EXPECT_EQ(a.IdEmpresa, caso.idEmpresa);
    EXPECT_EQ(a.CodiAmbiente, caso.codiAmbiente);
    EXPECT_EQ(a.ParametrosChamada, caso.parametros);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Chamada,
    ::testing::Values(
        CasoChamada{"MarcadorIgnoraALinhaDeComando", "7^2^DEV^", true, std::nullopt, 1, 1, "PRD", "1^1^PRD^",
                    release + " (PRD)(001/MARIA)"},
        CasoChamada{"SemMarcadorValeALinhaDeComando", "7^3^DEV^", false, std::nullopt, 7, 3, "DEV", "7^3^DEV^",
                    release + " (DEV)(003/)"},
        CasoChamada{"ChamadaEmBranco", "   ", false, chamadaIlegal, 0, 0, "", "   ", ""},
        CasoChamada{"ChamadaVazia", "", false, chamadaIlegal, 0, 0, "", "", ""},
        CasoChamada{"SemCaretFinal", "5^2^HIST", false, std::nullopt, 5, 2, "HIST", "5^2^HIST^",
                    release + " (HIST)(002/JOSE)"},
        CasoChamada{"SemAmbiente", "5^2", false, semLinhaDeConfig, 5, 2, ".", "5^2^", ""},
        CasoChamada{"UsuarioNaoNumerico", "abc^2^PRD^", false, std::nullopt, 0, 2, "PRD", "abc^2^PRD^",
                    release + " (PRD)(002/)"},
        CasoChamada{"UsuarioComBrancoEResto", " 12x^1^PRD^", false, std::nullopt, 12, 1, "PRD", " 12x^1^PRD^",
                    release + " (PRD)(001/PEDRO)"},
        CasoChamada{"MeioArredondaParaPar", "2.5^1^PRD^", false, std::nullopt, 2, 1, "PRD", "2.5^1^PRD^",
                    release + " (PRD)(001/)"},
        CasoChamada{"AmbienteVazioUsaALinhaDeProducao", "5^2^^", false, std::nullopt, 5, 2, "", "5^2^^",
                    release + " ()(002/JOSE)"},
        CasoChamada{"AmbienteEmMinusculas", "1^1^prd^", false, semLinhaDeConfig, 1, 1, "prd", "1^1^prd^", ""},
        CasoChamada{"AmbienteDesconhecido", "1^1^TESTE^", false, semLinhaDeConfig, 1, 1, "TESTE", "1^1^TESTE^", ""},
        CasoChamada{"UsuarioDesconhecido", "99^1^PRD^", false, std::nullopt, 99, 1, "PRD", "99^1^PRD^",
                    release + " (PRD)(001/)"},
        CasoChamada{"UsuarioForaDaFaixa", "70000^1^PRD^", false, idForaDaFaixa("do usuário", "70000"), 0, 0, "",
                    "70000^1^PRD^", ""},
        CasoChamada{"EmpresaForaDaFaixa", "1^-40000^PRD^", false, idForaDaFaixa("da empresa", "-40000"), 1, 0, "",
                    "1^-40000^PRD^", ""}),
    [](const ::testing::TestParamInfo<CasoChamada>& info) { return std::string(info.param.nome); });

// The window as the filter form has it: the title label and the company frame.
struct JanelaDeTeste {
    JanelaDeTeste()
    {
        for (const char* nome : {"lblTituloJanela", "lblCodiEmpresa", "lblNomeEmpresa", "lblCodiAmbiente"}) {
            auto* rotulo = new QLabel(QStringLiteral("antes"), &janela);
            rotulo->setObjectName(QLatin1String(nome));
        }
        janela.resize(400, 300);
    }
    QString texto(const char* nome) const { return rotulo(nome)->text(); }
    QColor corDoTitulo() const { return rotulo("lblTituloJanela")->palette().color(QPalette::WindowText); }
    QLabel* rotulo(const char* nome) const { return janela.findChild<QLabel*>(QLatin1String(nome)); }

    QWidget janela;
};

struct CasoJanela {
    const char* nome;
    QString argumento;
    QString codigo;
    QString empresa;
    QString ambiente;
    QString titulo;
    bool tituloVermelho;
};

class Janela : public AmbienteDeTeste, public ::testing::WithParamInterface<CasoJanela> {};

TEST_P(Janela, PreencheAEmpresaEOTitulo)
{
    const CasoJanela& caso = GetParam();
    JanelaDeTeste tela;
    const QColor corDesenhada = tela.corDoTitulo();

    ASSERT_EQ(inicia(caso.argumento, &tela.janela), 0);

    EXPECT_EQ(tela.texto("lblCodiEmpresa"), caso.codigo);
    EXPECT_EQ(tela.texto("lblNomeEmpresa"), caso.empresa);
    EXPECT_EQ(tela.texto("lblCodiAmbiente"), caso.ambiente);
    EXPECT_EQ(tela.janela.windowTitle(), caso.titulo);
    EXPECT_EQ(tela.corDoTitulo(), caso.tituloVermelho ? QColor(255, 0, 0) : corDesenhada);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Janela,
    ::testing::Values(
        CasoJanela{"ProducaoMantemACorDoTitulo", "1^1^PRD^", "001", "Tevrano Matriz", "PRD",
                   release + " (PRD)(001/MARIA)", false},
        CasoJanela{"HistoricoPintaOTituloDeVermelho", "5^3^HIST^", "003", "Tevrano Norte", "HIST",
                   release + " (HIST)(003/JOSE)", true},
        CasoJanela{"AmbienteVazioPintaOTituloDeVermelho", "5^2^^", "002", "Tevrano Filial", "",
                   release + " ()(002/JOSE)", true}),
    [](const ::testing::TestParamInfo<CasoJanela>& info) { return std::string(info.param.nome); });

TEST_F(AmbienteDeTeste, ChamadaIlegalNaoMexeNaJanela)
{
    JanelaDeTeste tela;
    tela.janela.setWindowTitle(QStringLiteral("original"));

    EXPECT_EQ(inicia(QStringLiteral(" "), &tela.janela), 1);

    EXPECT_EQ(tela.janela.windowTitle(), QStringLiteral("original"));
    EXPECT_EQ(tela.texto("lblCodiEmpresa"), QStringLiteral("antes"));
    EXPECT_FALSE(ambiente().conexao);
}

}  // namespace
