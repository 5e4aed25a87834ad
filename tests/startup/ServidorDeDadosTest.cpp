// The connection at start-up, through the program itself, one process per case:
// the driver manager keeps what it read of the driver list for 20 seconds,
// so a process sees one "SQL Server" only.
#include "fixtures/AmbienteDeTeste.h"
#include "platform/MessageBox.h"
#include "support/Casos.h"
#include "support/ExecucaoDoPrograma.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class ServidorDeDados : public AmbienteDeTeste, public ::testing::WithParamInterface<Caso> {};

TEST_P(ServidorDeDados, ConectaOuDizPorQue)
{
    const Caso& caso = GetParam();
    QTemporaryDir odbc;  // its driver list, and the home of a user without one
    QFile lista(odbc.filePath("odbcinst.ini"));
    ASSERT_TRUE(lista.open(QIODevice::WriteOnly));
    if (!caso("driver").isEmpty())
        lista.write("[SQL Server]\nDriver=" + caso.bytes("driver") + '\n');
    lista.close();
    criaBanco(QStringLiteral("korva/dados.dsn/empresa.db"));
    escreve(QStringLiteral("korva/relatorios/pantoro.html"), {});  // the report folder paths.ini names
    escreve(QStringLiteral("korva/config/server.ini"),
            caso.bytes("serverIni").replace("{raiz}", QFile::encodeName(drive.raiz())) + "\r\n");
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("ODBCSYSINI"), odbc.path());
    ambiente.insert(QStringLiteral("HOME"), odbc.path());

    const Saida saida =
        RodaPrograma(QStringLiteral(PANTORO_EXECUTAVEL),
                     {QStringLiteral("--relatorio"), QStringLiteral("standard"), QStringLiteral("5^2^PRD^")}, ambiente);

    const QString motivo = caso("motivo");
    if (motivo.isEmpty()) {
        EXPECT_EQ(saida.codigo, 3) << saida.erro.toStdString();  // connected, looked up, found no order
        return;
    }
    EXPECT_EQ(saida.codigo, 1);
    const QString servidorNaoResponde =
        TextoExibido(QStringLiteral("O Servidor de dados não está respondendo.\r\n\r\nVerifique se o servidor "
                                    "NT/SQL/LINUX (%1) está ligado.\rO Ambiente selecionado (PRD) pode não estar "
                                    "configurado!\r\n\r\n")
                         .arg(caso("serverIni").section(u'^', 0, 0)));
    EXPECT_TRUE(saida.erro.contains(servidorNaoResponde + QStringLiteral("Não foi possível ")))
        << saida.erro.toStdString();
    EXPECT_TRUE(saida.erro.contains(motivo)) << saida.erro.toStdString();
    EXPECT_FALSE(saida.erro.contains(QStringLiteral("segredo"))) << saida.erro.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tabela, ServidorDeDados, ::testing::ValuesIn(Casos("startup/casos/servidores.tsv")),
                         NomeDoCaso);

}  // namespace
