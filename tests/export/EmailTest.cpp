#include "email/ConfigEmail.h"
#include "platform/VbError.h"
#include "startup/InstalacaoDemo.h"
#include "support/ExecucaoDoPrograma.h"
#include "support/PastaTemporaria.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPdfDocument>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Senha = QStringLiteral("s3nh@Secreta");

// email.ini lines that must be refused, and the field the message names.
struct CasoConfig {
    const char* linha;
    const char* campo;
};

class ConfigInvalida : public ::testing::TestWithParam<CasoConfig> {};

TEST_P(ConfigInvalida, MensagemNomeiaArquivoECampoSemASenha)
{
    DriveCTemporario drive;
    drive.escreve(QStringLiteral("korva/config/email.ini"), GetParam().linha);
    try {
        LeConfigEmail();
        ADD_FAILURE() << "accepted: " << GetParam().linha;
    } catch (const VbError& erro) {
        EXPECT_TRUE(erro.Description().contains(QStringLiteral("c:\\korva\\config\\email.ini")));
        EXPECT_TRUE(erro.Description().contains(QString::fromUtf8(GetParam().campo))) << erro.Description().toStdString();
        EXPECT_FALSE(erro.Description().contains(Senha));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Campos, ConfigInvalida,
    ::testing::Values(CasoConfig{"", "campo 1 (servidor)"},
                      CasoConfig{"^25^nenhuma^u^s3nh@Secreta^r@empresa.com.br^", "campo 1 (servidor)"},
                      CasoConfig{"smtp.empresa.com.br^abc^nenhuma^u^s3nh@Secreta^r@empresa.com.br^", "campo 2 (porta)"},
                      CasoConfig{"smtp.empresa.com.br^70000^ssl^u^s3nh@Secreta^r@empresa.com.br^", "campo 2 (porta)"},
                      CasoConfig{"smtp.empresa.com.br^587^tls^u^s3nh@Secreta^r@empresa.com.br^", "campo 3 (segurança)"},
                      CasoConfig{"smtp.empresa.com.br^587^starttls^u^s3nh@Secreta", "campo 6 (remetente)"},
                      CasoConfig{"smtp.empresa.com.br^587^starttls^u^s3nh@Secreta^sem-arroba^", "campo 6 (remetente)"}));

TEST(Config, LinhaCompletaEArquivoAusente)
{
    DriveCTemporario drive;
    EXPECT_FALSE(LeConfigEmail().has_value());
    drive.escreve(QStringLiteral("korva/config/email.ini"), "smtp.empresa.com.br ^ 465 ^SSL^relatorios^s3nh@Secreta^r@empresa.com.br^\r\n");
    const ConfigEmail config = LeConfigEmail().value();
    EXPECT_EQ(QStringList({config.servidor, QString::number(config.porta), config.senha}),
              QStringList({QStringLiteral("smtp.empresa.com.br"), QStringLiteral("465"), Senha}));
    EXPECT_EQ(config.seguranca, SegurancaEmail::Ssl);
}

TEST(Enderecos, ListaComEnderecoRuimERecusada)
{
    EXPECT_EQ(LeEnderecos(QStringLiteral(" a@b.com.br, c.d@e-f.com;x@y.org")),
              (QStringList{QStringLiteral("a@b.com.br"), QStringLiteral("c.d@e-f.com"), QStringLiteral("x@y.org")}));
    for (const char* ruim : {"a@b.com,", "sem-arroba.com", "a@b", "a b@c.com", "<a@b.com>", "a@@b.com"})
        EXPECT_THROW(LeEnderecos(QString::fromLatin1(ruim)), VbError) << ruim;
}

// The SMTP server of this folder on 127.0.0.1 and the demo installation,
// whose email.ini each send points at a port.
class EnvioPelaLinhaDeComando : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        recebidos = pasta.filePath(QStringLiteral("recebidos"));
        QDir().mkpath(recebidos);
        servidor.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(PANTORO_TESTES_EXPORT "/servidor_smtp.py"), recebidos});
        ASSERT_TRUE(servidor.waitForReadyRead(30000)) << servidor.readAllStandardError().toStdString();
        porta = servidor.readLine().trimmed().toInt();
        ASSERT_GT(porta, 0);
    }
    void TearDown() override { servidor.kill(), servidor.waitForFinished(); }

    Saida envia(const QString& enderecos, int portaDoIni, const char* seguranca = "nenhuma")
    {
        const QString demo = pasta.filePath(QStringLiteral("demo"));
        PreparaInstalacaoDemo(demo);
        QFile ini(demo + QStringLiteral("/c/korva/config/email.ini"));
        const QString linha = QStringLiteral("127.0.0.1^%1^%2^^%3^relatorios@tevrano.com.br^").arg(portaDoIni).arg(QLatin1String(seguranca), Senha);
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write(linha.toUtf8()) > 0);
        ini.close();
        pdf = pasta.filePath(QStringLiteral("standard.pdf"));
        return RodaPrograma(QStringLiteral(PANTORO_EXECUTAVEL),
                            {QStringLiteral("--demo"), demo, QStringLiteral("--relatorio"), QStringLiteral("standard"),
                             QStringLiteral("--de"), QStringLiteral("01/01/2000"), QStringLiteral("--ate"),
                             QStringLiteral("31/12/2099"), QStringLiteral("--pdf"), pdf, QStringLiteral("--email"), enderecos});
    }
    QStringList mensagensRecebidas() const { return QDir(recebidos).entryList({QStringLiteral("*.json")}); }

    QTemporaryDir pasta;
    QString recebidos;
    QString pdf;
    QProcess servidor;
    int porta = 0;
};

int paginas(const QString& arquivo)
{
    QPdfDocument documento;
    documento.load(arquivo);
    return documento.pageCount();
}

TEST_F(EnvioPelaLinhaDeComando, ServidorRecebeRemetenteDestinatariosAssuntoEPdf)
{
    const Saida saida = envia(QStringLiteral("gerente@tevrano.com.br, vendas@tevrano.com.br"), porta);
    ASSERT_EQ(saida.codigo, 0) << saida.erro.toStdString();
    ASSERT_EQ(mensagensRecebidas().size(), 1);
    QFile arquivo(recebidos + QStringLiteral("/0.json"));
    const QJsonObject recebido = QJsonDocument::fromJson(arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : "").object();
    EXPECT_EQ(recebido[QStringLiteral("de")].toString(), QStringLiteral("relatorios@tevrano.com.br"));
    EXPECT_EQ(recebido[QStringLiteral("para")].toArray(),
              QJsonArray({QStringLiteral("gerente@tevrano.com.br"), QStringLiteral("vendas@tevrano.com.br")}));
    EXPECT_EQ(recebido[QStringLiteral("assunto")].toString(),
              QStringLiteral("Relatório de Pedidos - De 01/01/2000 até 31/12/2099"));
    const QJsonArray anexos = recebido[QStringLiteral("anexos")].toArray();
    ASSERT_EQ(anexos.size(), 1);
    EXPECT_GT(paginas(pdf), 1);
    EXPECT_EQ(paginas(anexos[0].toString()), paginas(pdf));
    QFile enviado(anexos[0].toString()), gravado(pdf);
    ASSERT_TRUE(enviado.open(QIODevice::ReadOnly) && gravado.open(QIODevice::ReadOnly));
    EXPECT_EQ(enviado.readAll(), gravado.readAll());
}

TEST_F(EnvioPelaLinhaDeComando, RecusaOuServidorAusenteDaMensagemECodigo4)
{
    const Saida recusa = envia(QStringLiteral("gerente@tevrano.com.br,recusa@tevrano.com.br"), porta);
    EXPECT_EQ(recusa.codigo, 4);
    EXPECT_TRUE(recusa.erro.contains(QStringLiteral("550"))) << recusa.erro.toStdString();
    EXPECT_TRUE(mensagensRecebidas().isEmpty());

    QTcpServer livre;  // a port nobody listens on once it is closed
    ASSERT_TRUE(livre.listen(QHostAddress::LocalHost));
    const int semServidor = livre.serverPort();
    livre.close();
    for (const char* seguranca : {"nenhuma", "ssl"}) {
        const Saida ausente = envia(QStringLiteral("gerente@tevrano.com.br"), semServidor, seguranca);
        EXPECT_EQ(ausente.codigo, 4) << seguranca;
        EXPECT_TRUE(ausente.erro.contains(QStringLiteral("127.0.0.1"))) << ausente.erro.toStdString();
        EXPECT_FALSE(ausente.erro.contains(Senha));
    }
    // The server offers no STARTTLS: refused rather than sent in clear.
    EXPECT_EQ(envia(QStringLiteral("gerente@tevrano.com.br"), porta, "starttls").codigo, 4);
    EXPECT_TRUE(mensagensRecebidas().isEmpty());
}

TEST_F(EnvioPelaLinhaDeComando, EnderecoRuimERecusadoAntesDeConectar)
{
    const Saida saida = envia(QStringLiteral("gerente@tevrano.com.br,gerente arroba tevrano"), porta);
    EXPECT_EQ(saida.codigo, 2);
    EXPECT_TRUE(saida.erro.contains(QStringLiteral("gerente arroba tevrano"))) << saida.erro.toStdString();
    EXPECT_TRUE(mensagensRecebidas().isEmpty());
}

}  // namespace
