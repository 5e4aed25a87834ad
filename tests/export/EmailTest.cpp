#include "demo/InstalacaoDemo.h"
#include "email/ConfigEmail.h"
#include "platform/VbError.h"
#include "support/Casos.h"
#include "support/ExecucaoDoPrograma.h"
#include "support/PastaTemporaria.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Senha = QStringLiteral("s3nh@Secreta");

// The message of a refused email.ini line names the file and the field, never the password.
TEST(Config, LinhaRecusadaNomeiaArquivoECampoSemASenha)
{
    for (const Caso& caso : Casos("export/casos/email-recusado.tsv")) {
        SCOPED_TRACE(caso.onde());
        DriveCTemporario drive;
        drive.escreve("korva/config/email.ini", caso.bytes(0));
        try {
            LeConfigEmail();
            ADD_FAILURE() << "accepted";
        } catch (const VbError& erro) {
            EXPECT_TRUE(erro.Description().contains("c:\\korva\\config\\email.ini"));
            EXPECT_TRUE(erro.Description().contains(caso[1])) << erro.Description().toStdString();
            EXPECT_FALSE(erro.Description().contains(Senha));
        }
    }
}

TEST(Config, LinhaCompletaEArquivoAusente)
{
    DriveCTemporario drive;
    EXPECT_FALSE(LeConfigEmail().has_value());
    drive.escreve("korva/config/email.ini",
                  "smtp.empresa.com.br ^ 465 ^SSL^relatorios^s3nh@Secreta^r@empresa.com.br^\r\n");
    const ConfigEmail config = LeConfigEmail().value();
    EXPECT_EQ(QStringList({config.servidor, QString::number(config.porta), config.senha}),
              QStringList({"smtp.empresa.com.br", "465", Senha}));
    EXPECT_EQ(config.seguranca, SegurancaEmail::Ssl);
}

TEST(Enderecos, ListaComEnderecoRuimERecusada)
{
    EXPECT_EQ(LeEnderecos(" a@b.com.br, c.d@e-f.com;x@y.org"), QStringList({"a@b.com.br", "c.d@e-f.com", "x@y.org"}));
    for (const char* ruim : {"a@b.com,", "sem-arroba.com", "a@b", "a b@c.com", "<a@b.com>", "a@@b.com"})
        EXPECT_THROW(LeEnderecos(QString::fromLatin1(ruim)), VbError) << ruim;
}

// The SMTP server of this folder on 127.0.0.1 and the demo installation,
// whose email.ini each send points at a port.
class EnvioPelaLinhaDeComando : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid() && QDir().mkpath(recebidos));
        servidor.start("/usr/bin/python3", {PANTORO_TESTES_EXPORT "/servidor_smtp.py", recebidos});
        ASSERT_TRUE(servidor.waitForReadyRead(30000)) << servidor.readAllStandardError().toStdString();
        porta = servidor.readLine().trimmed().toInt();
        ASSERT_GT(porta, 0);
    }
    void TearDown() override { servidor.kill(), servidor.waitForFinished(); }

    Saida envia(const QString& enderecos, int portaDoIni, const char* seguranca = "nenhuma")
    {
        const QString demo = pasta.filePath("demo");
        PreparaInstalacaoDemo(demo);
        QFile ini(demo + "/c/korva/config/email.ini");
        const QString linha = QStringLiteral("127.0.0.1^%1^%2^^%3^relatorios@tevrano.com.br^")
                                  .arg(portaDoIni)
                                  .arg(QLatin1String(seguranca), Senha);
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write(linha.toUtf8()) > 0);
        ini.close();
        return RodaPrograma(PANTORO_EXECUTAVEL, {"--demo", demo, "--relatorio", "standard", "--de", "01/01/2000",
                                                 "--ate", "31/12/2099", "--pdf", pdf, "--email", enderecos});
    }
    QStringList mensagensRecebidas() const { return QDir(recebidos).entryList({"*.json"}); }

    QTemporaryDir pasta;
    const QString recebidos = pasta.filePath("recebidos");
    const QString pdf = pasta.filePath("standard.pdf");
    QProcess servidor;
    int porta = 0;
};

TEST_F(EnvioPelaLinhaDeComando, ServidorRecebeRemetenteDestinatariosAssuntoEPdf)
{
    const Saida saida = envia("gerente@tevrano.com.br, vendas@tevrano.com.br", porta);
    ASSERT_EQ(saida.codigo, 0) << saida.erro.toStdString();
    ASSERT_EQ(mensagensRecebidas(), QStringList({"0.json"}));
    const QJsonObject recebido = QJsonDocument::fromJson(Conteudo(recebidos + "/0.json")).object();
    EXPECT_EQ(recebido["de"].toString(), "relatorios@tevrano.com.br");
    EXPECT_EQ(recebido["para"].toArray(), QJsonArray({"gerente@tevrano.com.br", "vendas@tevrano.com.br"}));
    EXPECT_EQ(recebido["assunto"].toString(), "Relatório de Pedidos - De 01/01/2000 até 31/12/2099");
    const QJsonArray anexos = recebido["anexos"].toArray();
    ASSERT_EQ(anexos.size(), 1);
    EXPECT_TRUE(Conteudo(pdf).startsWith("%PDF-"));
    EXPECT_EQ(Conteudo(anexos[0].toString()), Conteudo(pdf));
}

TEST_F(EnvioPelaLinhaDeComando, RecusaOuServidorAusenteDaMensagemECodigoSemEnviar)
{
    const Saida ruim = envia("gerente@tevrano.com.br,gerente arroba tevrano", porta);
    EXPECT_EQ(ruim.codigo, 2) << "refused before connecting";
    EXPECT_TRUE(ruim.erro.contains("gerente arroba tevrano")) << ruim.erro.toStdString();
    const Saida recusa = envia("gerente@tevrano.com.br,recusa@tevrano.com.br", porta);
    EXPECT_EQ(recusa.codigo, 4);
    EXPECT_TRUE(recusa.erro.contains("550")) << recusa.erro.toStdString();

    QTcpServer livre;  // a port nobody listens on once it is closed
    ASSERT_TRUE(livre.listen(QHostAddress::LocalHost));
    const int semServidor = livre.serverPort();
    livre.close();
    for (const char* seguranca : {"nenhuma", "ssl"}) {
        const Saida ausente = envia("gerente@tevrano.com.br", semServidor, seguranca);
        EXPECT_EQ(ausente.codigo, 4) << seguranca;
        EXPECT_TRUE(ausente.erro.contains("127.0.0.1")) << ausente.erro.toStdString();
        EXPECT_FALSE(ausente.erro.contains(Senha));
    }
    // The server offers no STARTTLS: refused rather than sent in clear.
    EXPECT_EQ(envia("gerente@tevrano.com.br", porta, "starttls").codigo, 4);
    EXPECT_TRUE(mensagensRecebidas().isEmpty());
}

}  // namespace
