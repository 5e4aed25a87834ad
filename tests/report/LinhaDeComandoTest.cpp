#include "support/ExecucaoDoPrograma.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The built program, run as a user or a script runs it.
namespace {

Saida roda(const QStringList& argumentos, const QProcessEnvironment& ambiente = QProcessEnvironment::systemEnvironment())
{
    return RodaPrograma(QStringLiteral(PANTORO_EXECUTAVEL), argumentos, ambiente);
}

QByteArray conteudo(const QString& caminho)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

// One demo installation for the suite (its database is built for the fixed
// SOURCE_DATE_EPOCH day, 01/06/2024, so May 2024 has orders).
class LinhaDeComando : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        pasta = new QTemporaryDir;
        const Saida criacao = roda({QStringLiteral("--demo"), demo(), QStringLiteral("--relatorio"),
                                    QStringLiteral("standard"), QStringLiteral("--de"), QStringLiteral("01/05/2024"),
                                    QStringLiteral("--ate"), QStringLiteral("31/05/2024")});
        primeiraExecucao = new Saida(criacao);
    }
    static void TearDownTestSuite()
    {
        delete primeiraExecucao;
        delete pasta;
    }
    static QString demo() { return pasta->path() + QStringLiteral("/demo"); }
    static QString relatorios() { return demo() + QStringLiteral("/c/korva/relatorios/"); }

    static QTemporaryDir* pasta;
    static Saida* primeiraExecucao;
};

QTemporaryDir* LinhaDeComando::pasta = nullptr;
Saida* LinhaDeComando::primeiraExecucao = nullptr;

TEST_F(LinhaDeComando, RelatorioImprimeOCaminhoESai0)
{
    ASSERT_EQ(primeiraExecucao->codigo, 0) << primeiraExecucao->erro.toStdString();
    const QString arquivo = relatorios() + QStringLiteral("pantoro.html");
    EXPECT_EQ(primeiraExecucao->saida.trimmed(), QDir::cleanPath(arquivo));
    const QByteArray html = conteudo(arquivo);
    EXPECT_TRUE(html.startsWith("<HTML><HEAD>"));
    EXPECT_TRUE(html.endsWith("</TABLE></BODY></HTML>\r\n"));
    // The company code and name of the start-up are in the heading.
    EXPECT_TRUE(html.contains("<TD width=40% ALIGN='CENTER'>001-"));
}

TEST_F(LinhaDeComando, UsoErradoSai2)
{
    const QList<QStringList> casos{
        {QStringLiteral("--relatorio"), QStringLiteral("lista")},
        {QStringLiteral("--relatorio"), QStringLiteral("pa"), QStringLiteral("--fonte"), QStringLiteral("9")},
        {QStringLiteral("--relatorio"), QStringLiteral("pa"), QStringLiteral("--data"), QStringLiteral("ontem")},
        {QStringLiteral("--de"), QStringLiteral("01/05/2024")},
        {QStringLiteral("--fiel")},
        {QStringLiteral("--relatorio"), QStringLiteral("pa"), QStringLiteral("--de")}};
    for (const QStringList& argumentos : casos) {
        const Saida saida = roda(argumentos);
        EXPECT_EQ(saida.codigo, 2) << argumentos.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(saida.erro.contains(QLatin1String("usage:"))) << saida.erro.toStdString();
        EXPECT_TRUE(saida.saida.isEmpty());
    }
}

// Every argument that is not one of our options is a word of the launch
// string, joined with one blank: "-9 1^2^PRD^" is user -91 of company 2.
TEST_F(LinhaDeComando, PalavrasQueNaoSaoOpcoesFormamALinhaDeChamada)
{
    const Saida saida = roda({QStringLiteral("--demo"), demo(), QStringLiteral("--relatorio"),
                              QStringLiteral("standard"), QStringLiteral("-9"), QStringLiteral("--de=01/05/2024"),
                              QStringLiteral("1^2^PRD^"), QStringLiteral("--ate"), QStringLiteral("31/05/2024")});
    ASSERT_EQ(saida.codigo, 0) << saida.erro.toStdString();
    EXPECT_TRUE(conteudo(relatorios() + QStringLiteral("pantoro.html")).contains("<TD width=40% ALIGN='CENTER'>002-"));
}

TEST_F(LinhaDeComando, SemDadosSai3ComAMensagem)
{
    const Saida saida = roda({QStringLiteral("--demo"), demo(), QStringLiteral("--relatorio"),
                              QStringLiteral("detalhado"), QStringLiteral("--de"), QStringLiteral("01/01/2020"),
                              QStringLiteral("--ate"), QStringLiteral("02/01/2020")});
    EXPECT_EQ(saida.codigo, 3);
    EXPECT_TRUE(saida.erro.contains(QStringLiteral("Não há dados para exibir!"))) << saida.erro.toStdString();
    EXPECT_TRUE(saida.saida.isEmpty());
}

TEST_F(LinhaDeComando, ChamadaVaziaSemMarcadorSai1)
{
    QTemporaryDir driveC;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("PANTORO_DRIVE_C"), driveC.path());
    const Saida saida = roda({QStringLiteral("--relatorio"), QStringLiteral("standard")}, ambiente);
    EXPECT_EQ(saida.codigo, 1);
    EXPECT_TRUE(saida.erro.contains(QStringLiteral("Chamada Ilegal para esta rotina!"))) << saida.erro.toStdString();
}

TEST_F(LinhaDeComando, InstalacaoSemConfiguracaoSai1)
{
    QTemporaryDir driveC;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("PANTORO_DRIVE_C"), driveC.path());
    const Saida saida = roda({QStringLiteral("--relatorio"), QStringLiteral("standard"), QStringLiteral("1^1^PRD^")},
                             ambiente);
    EXPECT_EQ(saida.codigo, 1);
    EXPECT_FALSE(saida.erro.isEmpty());
    EXPECT_TRUE(saida.saida.isEmpty());
}

TEST_F(LinhaDeComando, PastaDeRelatoriosAusenteSai4)
{
    // The installation keeps a paths.ini already there: this one names a
    // report folder that does not exist.
    QTemporaryDir outra;
    const QString config = outra.path() + QStringLiteral("/demo/c/korva/config");
    ASSERT_TRUE(QDir().mkpath(config));
    QFile paths(config + QStringLiteral("/paths.ini"));
    ASSERT_TRUE(paths.open(QIODevice::WriteOnly));
    paths.write("^^^^^^^^^c:\\korva\\sumiu\\^^^\r\n");
    paths.close();
    const Saida saida = roda({QStringLiteral("--demo"), outra.path() + QStringLiteral("/demo"),
                              QStringLiteral("--relatorio"), QStringLiteral("pa"), QStringLiteral("--de"),
                              QStringLiteral("01/05/2024"), QStringLiteral("--ate"), QStringLiteral("31/05/2024")});
    EXPECT_EQ(saida.codigo, 4);
    EXPECT_TRUE(saida.erro.contains(QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05")))
        << saida.erro.toStdString();
    EXPECT_TRUE(saida.saida.isEmpty());
}

// The command line runs the set-based engine; --fiel the per-row one, and
// both write the same bytes (the emission time is fixed for the suite).
TEST_F(LinhaDeComando, FielEscreveOsMesmosBytes)
{
    const QStringList argumentos{QStringLiteral("--demo"), demo(), QStringLiteral("--relatorio"),
                                 QStringLiteral("detalhado"), QStringLiteral("--de"), QStringLiteral("01/05/2024"),
                                 QStringLiteral("--ate"), QStringLiteral("10/05/2024")};
    const QString arquivo = relatorios() + QStringLiteral("pantoro.html");
    ASSERT_EQ(roda(argumentos).codigo, 0);
    const QByteArray rapido = conteudo(arquivo);
    ASSERT_EQ(roda(argumentos + QStringList{QStringLiteral("--fiel")}).codigo, 0);
    EXPECT_GT(rapido.size(), 1000);
    EXPECT_EQ(conteudo(arquivo), rapido);
}

TEST_F(LinhaDeComando, PdfDoRelatorio)
{
    const QString pdf = pasta->path() + QStringLiteral("/agrupamento.pdf");
    const Saida saida = roda({QStringLiteral("--demo"), demo(), QStringLiteral("--relatorio"),
                              QStringLiteral("agrupamento"), QStringLiteral("--de"), QStringLiteral("01/05/2024"),
                              QStringLiteral("--ate"), QStringLiteral("31/05/2024"), QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(saida.codigo, 0) << saida.erro.toStdString();
    EXPECT_EQ(saida.saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 2);
    EXPECT_TRUE(conteudo(pdf).startsWith("%PDF"));
}

}  // namespace
