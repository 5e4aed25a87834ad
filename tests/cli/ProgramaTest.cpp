#include "support/ExecucaoDoPrograma.h"
#include "support/PastaTemporaria.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The built program as a user or a script runs it: what reaches stdout and
// stderr, and the exit code.
namespace {

// The usage asked for on stdout; the paths of what a run wrote on stdout
// and a refused output on stderr, exit 4.
TEST(Programa, SaidaPadraoErroPadraoECodigo)
{
    const Saida ajuda = RodaPrograma(PANTORO_EXECUTAVEL, {"--help"});
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_TRUE(ajuda.saida.startsWith("uso:\n  pantoro [CHAMADA]") && ajuda.erro.isEmpty())
        << ajuda.erro.toStdString();
    QTemporaryDir pasta;
    const QString csv = pasta.filePath("r.csv");
    const Saida saida =
        RodaPrograma(PANTORO_EXECUTAVEL, {"--demo", pasta.filePath("demo"), "--relatorio", "standard", "--de",
                                          "01/05/2024", "--ate", "31/05/2024", "--csv", csv, "--xlsx", pasta.path()});
    EXPECT_EQ(saida.codigo, 4);
    EXPECT_EQ(saida.saida, pasta.filePath("demo/c/korva/relatorios/pantoro.html\n") + csv + "\n");
    EXPECT_TRUE(saida.erro.endsWith("ERP KORVA - Tevrano - Release 2014.08.05: Não foi possível gravar o arquivo " +
                                    pasta.path() + ": é uma pasta, não um arquivo comum.\n"))
        << saida.erro.toStdString();
    EXPECT_TRUE(Conteudo(csv).startsWith("\xEF\xBB\xBFPedido;"));
}

}  // namespace
