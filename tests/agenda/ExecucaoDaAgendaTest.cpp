#include "agenda/ExecucaoDaAgenda.h"
#include "agenda/CorpoDoEmail.h"
#include "agenda/EstadoDaAgenda.h"
#include "agenda/TravaDaAgenda.h"
#include "platform/VbError.h"
#include "support/Auxiliares.h"
#include "support/Casos.h"
#include "support/PastaTemporaria.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString Relatorio = QStringLiteral(PANTORO_TESTS_DIR "/report/esperado/standard.html");

// Two schedules: one with data every day, one whose salesperson sold nothing.
const QByteArray DoisAgendamentos = "[vendas-de-ontem]\n"
                                    "relatorio=standard\nperiodo=ontem\nenviar=pdf,xlsx\n"
                                    "para=gerente@empresa.com.br\nquando=diario 07:00\nassunto=Vendas de ontem\n"
                                    "[ninguém vendeu]\n"
                                    "relatorio=pa\nperiodo=ontem\nvendedor=NINGUEM\nenviar=csv\n"
                                    "para=gerente@empresa.com.br\nquando=diario 07:00\nsomente-com-dados=sim\n";

// The run with the report, the files and the mail server as stand-ins: the
// report is a golden file, the server records what it accepts.
class Agenda : public ::testing::Test {
protected:
    void SetUp() override { drive.escreve(QStringLiteral("korva/config/pantoro-agenda.ini"), DoisAgendamentos); }

    DesfechoDaAgenda roda(const QString& agora)
    {
        return ExecutaAgenda(locais, {}, QDateTime::fromString(agora, QStringLiteral("dd/MM/yyyy HH:mm")), servicos);
    }

    static void grava(const QString& destino) { EscreveArquivo(destino, "arquivo"); }

    DriveCTemporario drive;
    LocaisDaAgenda locais = LocaisDaAgendaPadrao(drive.raiz() + QStringLiteral("/relatorios"));
    QVector<MensagemEmail> aceitos;
    QStringList linhas;
    QString recusa;  // the server's refusal, none when empty
    ServicosDaAgenda servicos{
        [](const FiltroRelatorio& filtro, const QString&) {
            ResultadoRelatorio resultado{filtro.dtAte, false, filtro.vendedor == QLatin1String("NINGUEM"), {}};
            if (!resultado.semDados)
                resultado.arquivo = Relatorio;  // an engine that writes elsewhere: the run copies it
            return resultado;
        },
        [](const QString&, const QString& destino, const FiltroRelatorio&) { grava(destino); },
        [](const QString&, const QString& destino, FormatoPlanilha, const FiltroRelatorio&) { grava(destino); },
        [this](const MensagemEmail& mensagem) {
            if (!recusa.isEmpty())
                throw VbError(vb_error::ProviderFailure, recusa);
            aceitos.append(mensagem);
        },
        [this](const QString& linha) { linhas.append(linha); }};
};

TEST_F(Agenda, UmEmailPorHorarioComPeriodoTotaisEAnexos)
{
    EXPECT_EQ(roda(QStringLiteral("30/11/2026 07:00")), DesfechoDaAgenda::Feito);
    ASSERT_EQ(aceitos.size(), 1);
    const MensagemEmail& email = aceitos[0];
    EXPECT_EQ(email.assunto, QStringLiteral("Vendas de ontem"));
    EXPECT_EQ(email.para, QStringList{QStringLiteral("gerente@empresa.com.br")});
    const QString pasta = locais.pasta + QStringLiteral("/vendas-de-ontem/vendas-de-ontem.");
    EXPECT_EQ(email.anexos, (QStringList{pasta + QStringLiteral("pdf"), pasta + QStringLiteral("xlsx")}));
    EXPECT_EQ(Conteudo(pasta + QStringLiteral("html")), Conteudo(Relatorio));
    EXPECT_EQ(email.texto, QStringLiteral("vendas-de-ontem\r\n"
                                          "Período: 29/11/2026 a 29/11/2026 - Data de Emissão\r\n\r\n"
                                          "Totais:\r\n"
                                          "Total Geral: Total Bruto 1284,50 - Descontos 35,50 - Total Liquido "
                                          "1249,00 - Qtde Itens 9\r\n\r\n"
                                          "Em anexo: vendas-de-ontem.pdf, vendas-de-ontem.xlsx\r\n"));
    ASSERT_EQ(linhas.size(), 2);
    EXPECT_TRUE(linhas[0].startsWith(QStringLiteral("agenda [vendas-de-ontem]: enviado para gerente@empresa.com.br "
                                                    "(horário 30/11/2026 07:00; Período: 29/11/2026")))
        << linhas[0].toStdString();
    EXPECT_TRUE(linhas[1].startsWith(QStringLiteral("agenda [ninguém vendeu]: nada enviado, não há dados")))
        << linhas[1].toStdString();

    // Run again at the same time: nothing new. Three days later: one mail, for the latest day.
    EXPECT_EQ(roda(QStringLiteral("30/11/2026 07:00")), DesfechoDaAgenda::Feito);
    EXPECT_EQ(aceitos.size(), 1);
    EXPECT_EQ(roda(QStringLiteral("03/12/2026 08:00")), DesfechoDaAgenda::Feito);
    ASSERT_EQ(aceitos.size(), 2);
    EXPECT_TRUE(aceitos[1].texto.contains(QStringLiteral("Período: 02/12/2026 a 02/12/2026")));
    EXPECT_EQ(linhas.size(), 4);
}

TEST_F(Agenda, SemDadosOEmailDizQueNaoHa)
{
    drive.escreve(QStringLiteral("korva/config/pantoro-agenda.ini"),
                  QByteArray(DoisAgendamentos).replace("somente-com-dados=sim", "somente-com-dados=nao"));
    EXPECT_EQ(roda(QStringLiteral("30/11/2026 07:00")), DesfechoDaAgenda::Feito);
    ASSERT_EQ(aceitos.size(), 2);
    EXPECT_EQ(aceitos[1].assunto, QStringLiteral("ninguém vendeu - 29/11/2026 a 29/11/2026"));
    EXPECT_EQ(aceitos[1].texto, QStringLiteral("ninguém vendeu\r\nPeríodo: 29/11/2026 a 29/11/2026 - Data de Emissão - "
                                               "Vendedor: NINGUEM\r\n\r\nNão há dados para exibir!\r\n"));
    EXPECT_TRUE(aceitos[1].anexos.isEmpty());
}

TEST_F(Agenda, ServidorRecusandoOuForaDoArNadaRegistraETentaDeNovo)
{
    recusa = QStringLiteral("550 mailbox unavailable");
    EXPECT_EQ(roda(QStringLiteral("30/11/2026 07:00")), DesfechoDaAgenda::Falhou);
    EXPECT_TRUE(aceitos.isEmpty());
    EXPECT_TRUE(linhas.contains(QStringLiteral("agenda [vendas-de-ontem]: falha no envio do horário 30/11/2026 07:00, "
                                               "tentado de novo na próxima execução: 550 mailbox unavailable")))
        << linhas.join(u'\n').toStdString();
    EXPECT_FALSE(LeEstadoDaAgenda(locais.estado).contains(QStringLiteral("vendas-de-ontem")));

    recusa.clear();
    EXPECT_EQ(roda(QStringLiteral("30/11/2026 07:05")), DesfechoDaAgenda::Feito);
    EXPECT_EQ(aceitos.size(), 1);
    EXPECT_EQ(LeEstadoDaAgenda(locais.estado).value(QStringLiteral("vendas-de-ontem")),
              QDateTime(QDate(2026, 11, 30), QTime(7, 0)));
}

TEST_F(Agenda, OutraExecucaoEmAndamentoNadaEnvia)
{
    {
        const TravaDaAgenda outra(locais.trava);
        ASSERT_TRUE(outra.Obtida());
        EXPECT_FALSE(TravaDaAgenda(locais.trava).Obtida());
        EXPECT_EQ(roda(QStringLiteral("30/11/2026 07:00")), DesfechoDaAgenda::EmAndamento);
        EXPECT_TRUE(aceitos.isEmpty());
    }
    EXPECT_EQ(roda(QStringLiteral("30/11/2026 07:00")), DesfechoDaAgenda::Feito);
    EXPECT_EQ(aceitos.size(), 1);
}

TEST_F(Agenda, GrupoRuimEEstadoDanificadoSaoFalhasDitas)
{
    drive.escreve(QStringLiteral("korva/config/pantoro-agenda.ini"), DoisAgendamentos + "[ruim]\nquando=semanal xyz\n");
    EXPECT_EQ(roda(QStringLiteral("30/11/2026 07:00")), DesfechoDaAgenda::Falhou);
    EXPECT_EQ(aceitos.size(), 1);
    EXPECT_TRUE(linhas.last().startsWith(
        QStringLiteral("agenda: Arquivo c:\\korva\\config\\pantoro-agenda.ini, linha 16, grupo [ruim], chave")))
        << linhas.last().toStdString();

    EscreveArquivo(locais.estado, "{\"vendas-de-ontem\": \"ontem\"}");
    EXPECT_EQ(roda(QStringLiteral("01/12/2026 07:00")), DesfechoDaAgenda::Falhou);
    EXPECT_EQ(aceitos.size(), 1);
    EXPECT_TRUE(linhas.last().contains(QStringLiteral("está danificado"))) << linhas.last().toStdString();
}

class TotaisDosRelatorios : public ::testing::TestWithParam<Caso> {};

TEST_P(TotaisDosRelatorios, SaoOsDoFechamento)
{
    const QString arquivo = QStringLiteral(PANTORO_TESTS_DIR "/") + GetParam()("arquivo");
    if (!GetParam()("erro").isEmpty())
        EXPECT_EQ(ErroVb([&] { TotaisDoRelatorio(arquivo); }), GetParam()("erro").toLong());
    else
        EXPECT_EQ(TotaisDoRelatorio(arquivo), GetParam().lista("totais"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, TotaisDosRelatorios, ::testing::ValuesIn(Casos("agenda/casos/totais.tsv")),
                         NomeDoCaso);

}  // namespace
