#include "email/ConfigEmail.h"
#include "email/EnvioDeRelatorio.h"
#include "platform/VbError.h"
#include "support/Casos.h"
#include "support/PastaTemporaria.h"
#include "support/ServidorSmtp.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

const QString Senha = QStringLiteral("s3nh@Secreta");
const QString Relatorio = QStringLiteral(PANTORO_TESTS_DIR "/report/esperado/standard.html");
const QString Periodo = QStringLiteral("De 01/05/2024 até 31/05/2024");

// The message of a refused email.ini line names the file and the field, never the password.
class ConfigRecusada : public ::testing::TestWithParam<Caso> {};

TEST_P(ConfigRecusada, NomeiaArquivoECampoSemASenha)
{
    DriveCTemporario drive;
    drive.escreve("korva/config/email.ini", GetParam().bytes("linha"));
    try {
        LeConfigEmail();
        ADD_FAILURE() << "accepted";
    } catch (const VbError& erro) {
        EXPECT_TRUE(erro.Description().contains("c:\\korva\\config\\email.ini") &&
                    erro.Description().contains(GetParam()("campo")))
            << erro.Description().toStdString();
        EXPECT_FALSE(erro.Description().contains(Senha));
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, ConfigRecusada, ::testing::ValuesIn(Casos("export/casos/email-recusado.tsv")),
                         NomeDoCaso);

class Seguranca : public ::testing::TestWithParam<Caso> {};

TEST_P(Seguranca, SenhaSoPorConexaoCifradaECertificadoConfiavel)
{
    const Caso& caso = GetParam();
    ServidorSmtp servidor(caso("servidor"));
    ASSERT_GT(servidor.porta, 0);
    DriveCTemporario drive;
    const QString autoridade =
        caso("autoridade") == QLatin1String("sim") ? servidor.pasta.filePath("certificado.pem") : QString();
    drive.escreve("korva/config/email.ini", QStringLiteral("127.0.0.1^%1^%2^relatorios^%3^r@tevrano.com.br^%4^")
                                                .arg(servidor.porta)
                                                .arg(caso("seguranca"), Senha, autoridade)
                                                .toUtf8());
    const QString mensagem = caso("mensagem").replace("{porta}", QString::number(servidor.porta));
    try {
        EnviaEmail(LeConfigEmail().value(), MensagemEmail{{caso("para")}, "Vendas", "Texto", {}});
        EXPECT_EQ(mensagem, QString()) << "sent";
        EXPECT_EQ(servidor.recebidas(), 1);
    } catch (const VbError& erro) {
        EXPECT_TRUE(erro.Description().contains(mensagem) && !mensagem.isEmpty()) << erro.Description().toStdString();
        EXPECT_FALSE(erro.Description().contains(Senha));
        EXPECT_EQ(servidor.recebidas(), 0);
    }
    EXPECT_EQ(servidor.logins(), caso("login").isEmpty() ? QString() : caso("login") + u' ' + Senha + u'\n');
}

INSTANTIATE_TEST_SUITE_P(Tabela, Seguranca, ::testing::ValuesIn(Casos("export/casos/seguranca-email.tsv")), NomeDoCaso);

// The one send sequence: every format asked for in one message, each named
// after the report file with its content type; the HTML is the file itself.
TEST(EnvioDeRelatorio, CadaFormatoPedidoNumaSoMensagem)
{
    ServidorSmtp servidor("nenhuma");
    const RelatorioParaEnvio relatorio{
        Relatorio, Periodo, {FormatoDeAnexo::Pdf, FormatoDeAnexo::Xlsx, FormatoDeAnexo::Csv, FormatoDeAnexo::Html}, {}};
    const QString assunto = AssuntoDoRelatorio(relatorio);
    EXPECT_EQ(assunto, "Relatório de Pedidos - " + Periodo);
    const ConfigEmail config{"127.0.0.1", servidor.porta, SegurancaEmail::Nenhuma, {}, {}, "r@tevrano.com.br", {}};
    EnvioDeRelatorio(relatorio, {{"gerente@tevrano.com.br"}, assunto, TextoPadraoDoEnvio(assunto), {}}).Envia(config);
    const QJsonObject recebida = servidor.primeira();
    EXPECT_EQ(recebida["assunto"].toString(), assunto);
    EXPECT_EQ(recebida["texto"].toString().remove(u'\r'), assunto + "\n\nRelatório em anexo.\n");
    EXPECT_EQ(recebida["tipos"].toArray(),
              QJsonArray({"application/pdf", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet",
                          "text/csv", "text/html"}));
    const QJsonArray anexos = recebida["anexos"].toArray();
    ASSERT_EQ(anexos.size(), 4);
    for (const auto& [anexo, inicio] : {std::pair{0, "%PDF-"}, {1, "PK"}, {2, "\xEF\xBB\xBFPedido;"}})
        EXPECT_TRUE(Conteudo(anexos[anexo].toString()).startsWith(inicio)) << anexo;
    EXPECT_TRUE(anexos[0].toString().endsWith("/0-standard.pdf"));
    EXPECT_EQ(Conteudo(anexos[3].toString()), Conteudo(Relatorio));
}

}  // namespace
