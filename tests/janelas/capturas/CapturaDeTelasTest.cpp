#include "janelas/comum/JanelasDeTeste.h"

#include "demo/InstalacaoDemo.h"
#include "janelas/CaixaQt.h"
#include "janelas/frmBROWSE_PESSOAS.h"
#include "janelas/frmHTML_Generico.h"
#include "janelas/frmPantoro.h"
#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/VbError.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWebEngineView>

namespace {

// The program on the demo installation, as a user sees it: the filter form,
// the person search with results, each kind of message box, then the viewer
// on each of the six layouts over the last three months. Every picture is
// checked as a user would look at it: on the screen and captions whole
// (the grid columns and the Tahoma samples are janelas_tests', on three screens).
// The pictures go to PANTORO_CAPTURAS (scripts/screenshots.sh sets it), else
// to a temporary folder that the test removes.
class CapturaDeTelas : public JanelasDeTeste {
protected:
    void SetUp() override
    {
        JanelasDeTeste::SetUp();
        const QString destino = qEnvironmentVariable("PANTORO_CAPTURAS");
        pastaCapturas = destino.isEmpty() ? temporaria.filePath(QStringLiteral("capturas")) : destino;
        ASSERT_TRUE(QDir().mkpath(pastaCapturas));
        driveAnterior = qgetenv("PANTORO_DRIVE_C");
        PreparaInstalacaoDemo(temporaria.filePath(QStringLiteral("demo")));
    }

    void TearDown() override
    {
        janela.reset();
        FechaConexao(QString());
        ambiente() = Ambiente{};
        qputenv("PANTORO_DRIVE_C", driveAnterior);
        JanelasDeTeste::TearDown();
    }

    void salva(QWidget* alvo, const QString& nome) const
    {
        const QString arquivo = QDir(pastaCapturas).filePath(nome + QStringLiteral(".png"));
        EXPECT_TRUE(alvo->grab().save(arquivo)) << arquivo.toStdString();
        EXPECT_EQ(problemasNaTela(alvo).join(u'\n').toStdString(), "") << nome.toStdString();
    }

    QString mensagens() const
    {
        QStringList textos;
        for (const Mensagem& mensagem : caixa->mensagens)
            textos << mensagem.titulo + QStringLiteral(": ") + mensagem.prompt;
        return textos.join(u'\n');
    }

    QTemporaryDir temporaria;
    QString pastaCapturas;
    QByteArray driveAnterior;
    std::unique_ptr<frmPantoro> janela;
};

struct Layout {
    const char* opcao;
    const char* arquivo;
};

TEST_F(CapturaDeTelas, FiltroEOsSeisRelatoriosDaDemo)
{
    janela = std::make_unique<frmPantoro>();
    try {
        janela->Carregar(QStringLiteral("1^1^PRD^"));
    } catch (const FimDoPrograma&) {
        FAIL() << "start-up ended: " << mensagens().toStdString();
    }
    janela->resize(janela->sizeHint());
    mostraAtiva(janela.get());
    const QString inicio = Format(Variant(Hoje().addMonths(-3).startOfDay()), QStringLiteral("dd/mm/yyyy"));
    controle<QLineEdit>(janela.get(), "mskDtDe")->setText(inicio);
    salva(janela.get(), QStringLiteral("filtro"));

    const auto pesquisaAberta = aoAbrirModal([&](QWidget* pesquisa) {
        QTest::mouseClick(controle<QPushButton>(pesquisa, "cmdPesquisa"), Qt::LeftButton);
        salva(pesquisa, QStringLiteral("pesquisa-pessoas"));
    });
    QTest::mouseClick(controle<QToolButton>(janela.get(), "cmdPesquisar_Cliente"), Qt::LeftButton);

    // One box of each kind the program shows, as the real box draws it.
    const Mensagem caixas[] = {
        {QStringLiteral("Cliente não Cadastrado!"), IconeMensagem::Informacao, TituloRelease()},
        {QStringLiteral("Não há dados para exibir!"), IconeMensagem::Informacao, TituloRelease()},
        {QStringLiteral("Nenhum Registro Localizado com esses parâmetros..."), IconeMensagem::Nenhum, TituloPrograma()},
        {QStringLiteral("O Relatório de PA somente pode ser processado com a opção da Data do Pedido (Data de "
                        "Vendas).\rO sistema está ajustado o parametro automaticamente"),
         IconeMensagem::Informacao, janela->windowTitle()},
        {QStringLiteral("Arquivo não encontrado: c:\\korva\\config\\server.ini"), IconeMensagem::Critico,
         TituloRelease()},
    };
    int numero = 0;
    for (const Mensagem& mensagem : caixas) {
        const auto aberta = aoAbrirModal([&](QWidget* box) {
            salva(box, QStringLiteral("mensagem-%1").arg(++numero));
            EXPECT_GE(box->width(), LarguraParaOTitulo(mensagem.titulo, box)) << mensagem.titulo.toStdString();
        });
        CaixaQt().Mostrar(mensagem);
    }

    const Layout layouts[] = {
        {"opRelStandard", "relatorio-standard"},
        {"opRelPA", "relatorio-pa"},
        {"opRelDeta", "relatorio-detalhado"},
        {"opRelDetaSemVal", "relatorio-entrega"},
        {"opRelDetaSemValVertical", "relatorio-entrega-vertical"},
        {"opRelAgrupaProd", "relatorio-agrupamento"},
    };
    for (const Layout& layout : layouts) {
        clicaNaBorda(controle<QRadioButton>(janela.get(), layout.opcao));
        if (QLatin1String(layout.opcao) == QLatin1String("opRelDetaSemVal"))
            salva(janela.get(), QStringLiteral("filtro-entrega"));
        bool mostrou = false;
        const auto espera = aoAbrirModal([&](QWidget* modal) {
            auto* visualizador = qobject_cast<frmHTML_Generico*>(modal);
            ASSERT_NE(visualizador, nullptr);
            auto* navegador = controle<QWebEngineView>(visualizador, "WebBrowser1");
            // A large file opens on the page view; the browser view loads when asked.
            if (auto* abrir = controle<QPushButton>(visualizador, "cmdAbrirNavegador"); !abrir->isHidden())
                abrir->click();
            // Every layout's page starts with the emission time.
            const QString cabecalho = QStringLiteral("Emissão:");
            mostrou = textoExibido(navegador, cabecalho).contains(cabecalho);
            QTest::qWait(300);  // the first frame reaches the screen
            salva(visualizador, QString::fromLatin1(layout.arquivo));
        });
        QTest::mouseClick(controle<QPushButton>(janela.get(), "cmdImprimir"), Qt::LeftButton);
        EXPECT_TRUE(mostrou) << layout.opcao;
    }
    EXPECT_TRUE(caixa->mensagens.isEmpty()) << mensagens().toStdString();
}

}  // namespace
