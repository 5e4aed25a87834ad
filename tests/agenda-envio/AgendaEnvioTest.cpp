#include "support/ExecucaoDoPrograma.h"
#include "support/PastaTemporaria.h"
#include "support/ServidorSmtp.h"

#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <future>
#include <gtest/gtest.h>

// The scheduled reports as the timer sends them: `pantoro --agenda` on one
// demo installation (made for 01/06/2024), the agenda file below, and the
// mails read back from the test server.
namespace {

const QByteArray Agenda = "; A semana de vendas para a gerência, todo dia.\n"
                          "[vendas da semana]\n"
                          "relatorio=standard\nperiodo=ultimos-7-dias\nenviar=pdf,xlsx,csv\n"
                          "para=gerente@empresa.com.br\nquando=diario 07:00\n"
                          "[sem pedidos]\n"
                          "relatorio=standard\nde=01/01/2020\nate=01/01/2020\n"
                          "para=gerente@empresa.com.br\nquando=diario 07:00\nsomente-com-dados=sim\n";

class AgendaEnvio : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        demo = new QTemporaryDir;
        ASSERT_EQ(roda(0).codigo, 0);  // makes the installation; nothing is scheduled yet
    }
    static void TearDownTestSuite() { delete demo; }

    void SetUp() override
    {
        EscreveArquivo(config("pantoro-agenda.ini"), Agenda);
        QFile::remove(config("pantoro-agenda.estado"));
        usaServidor(servidor);
    }

    static QString config(const QString& arquivo) { return demo->filePath("demo/c/korva/config/" + arquivo); }
    static void usaServidor(const ServidorSmtp& smtp)
    {
        EscreveArquivo(config("email.ini"),
                       QStringLiteral("127.0.0.1^%1^nenhuma^^^relatorios@tevrano.com.br^").arg(smtp.porta).toUtf8());
    }

    // pantoro --agenda `dias` days after 01/06/2024 12:00.
    static Saida roda(int dias)
    {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("SOURCE_DATE_EPOCH", QString::number(1717243200 + dias * 86400));
        return RodaPrograma(PANTORO_EXECUTAVEL, {"--demo", demo->filePath("demo"), "--agenda"}, ambiente);
    }

    static QTemporaryDir* demo;
    ServidorSmtp servidor{"nenhuma"};
};

QTemporaryDir* AgendaEnvio::demo = nullptr;

// The text of a PDF's first page.
QString PrimeiraPagina(const QString& pdf)
{
    QProcess texto;
    texto.start("pdftotext", {"-l", "1", "-raw", pdf, "-"});
    texto.waitForFinished(60000);
    return QString::fromUtf8(texto.readAllStandardOutput()).simplified();
}

TEST_F(AgendaEnvio, UmEmailPorHorarioComTotaisEAnexosMesmoDepoisDeFalhaOuParada)
{
    const ServidorSmtp foraDoAr("ausente");
    usaServidor(foraDoAr);
    const Saida falhou = roda(0);
    EXPECT_EQ(falhou.codigo, 4);
    EXPECT_TRUE(falhou.erro.contains("agenda [vendas da semana]: falha no envio do horário 01/06/2024 07:00, "
                                     "tentado de novo na próxima execução"))
        << falhou.erro.toStdString();
    EXPECT_TRUE(falhou.erro.contains("agenda [sem pedidos]: nada enviado, não há dados (horário 01/06/2024 07:00; "
                                     "Período: 01/01/2020 a 01/01/2020 - Data de Emissão; somente-com-dados=sim)."));
    EXPECT_FALSE(falhou.erro.contains("Não há dados para exibir!"));  // said once, by the agenda's line

    // The server is back: the pending send goes out, once however often the timer runs.
    usaServidor(servidor);
    for (int vez = 0; vez < 2; ++vez) {
        const Saida saida = roda(0);
        EXPECT_EQ(saida.codigo, 0) << saida.erro.toStdString();
        EXPECT_EQ(saida.erro.count("agenda [vendas da semana]: enviado para gerente@empresa.com.br"), 1 - vez);
    }
    ASSERT_EQ(servidor.recebidas(), 1);
    const QJsonObject email = servidor.primeira();
    const QString texto = email["texto"].toString().remove(u'\r');
    EXPECT_EQ(email["assunto"].toString(), "vendas da semana - 26/05/2024 a 01/06/2024");
    EXPECT_TRUE(texto.contains(QRegularExpression("^vendas da semana\nPeríodo: 26/05/2024 a 01/06/2024 - Data de "
                                                  "Emissão\n\nTotais:\nTotal Geral: Total Bruto \\d+,\\d\\d - ")))
        << texto.toStdString();
    EXPECT_TRUE(texto.endsWith("Em anexo: vendas da semana.pdf, vendas da semana.xlsx, vendas da semana.csv\n"));
    EXPECT_EQ(email["tipos"].toArray(),
              QJsonArray({"application/pdf", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet",
                          "text/csv"}));
    // The pages and the sheets say what they cover.
    const QJsonArray anexos = email["anexos"].toArray();
    const QString periodo = "Período: 26/05/2024 a 01/06/2024 - Data de Emissão";
    EXPECT_TRUE(PrimeiraPagina(anexos[0].toString()).contains(periodo + " Página 1 de "))
        << PrimeiraPagina(anexos[0].toString()).toStdString();
    EXPECT_TRUE(Conteudo(anexos[2].toString()).startsWith("\xEF\xBB\xBF" + periodo.toUtf8() + "\r\nPedido;"));

    // Three days later: one mail, for the latest due time only.
    EXPECT_EQ(roda(3).codigo, 0);
    ASSERT_EQ(servidor.recebidas(), 2);
    EXPECT_EQ(servidor.mensagem(1)["assunto"].toString(), "vendas da semana - 29/05/2024 a 04/06/2024");
    // Each schedule wrote its own files; the window's report file was never touched.
    EXPECT_TRUE(QFile::exists(demo->filePath("demo/c/korva/relatorios/agenda/vendas da semana/vendas da semana.html")));
    EXPECT_FALSE(QFile::exists(demo->filePath("demo/c/korva/relatorios/pantoro.html")));
}

// Two timers firing at once: one runs, the other finds it running or finds nothing due.
TEST_F(AgendaEnvio, DuasExecucoesAoMesmoTempoEnviamCadaEmailUmaVez)
{
    auto primeira = std::async(std::launch::async, [] { return roda(0); });
    const Saida segunda = roda(0);
    const Saida outra = primeira.get();
    EXPECT_EQ(outra.codigo, 0) << outra.erro.toStdString();
    EXPECT_EQ(segunda.codigo, 0) << segunda.erro.toStdString();
    EXPECT_EQ((outra.erro + segunda.erro).count("agenda [vendas da semana]: enviado"), 1);
    EXPECT_EQ(servidor.recebidas(), 1);
}

}  // namespace
