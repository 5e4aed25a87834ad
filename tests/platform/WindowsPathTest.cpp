#include "platform/WindowsPath.h"
#include "support/Auxiliares.h"
#include "support/Casos.h"
#include "support/PastaTemporaria.h"

#include <gtest/gtest.h>

namespace {

class CaminhoLocalDe : public ::testing::TestWithParam<Caso> {};

TEST_P(CaminhoLocalDe, ComponentesSemCaixaOuErro52ComOCaminho)
{
    const Caso& caso = GetParam();
    DriveCTemporario c;
    c.escreve("KORVA/Config/Server.INI", "x");
    const QString esperado = caso("local").startsWith(u'#') ? caso("local") : c.raiz() + caso("local");
    try {
        EXPECT_EQ(CaminhoLocal(caso("caminho")), esperado);
    } catch (const VbError& erro) {
        EXPECT_EQ(u'#' + QString::number(erro.Number()), esperado);
        EXPECT_TRUE(erro.Description().contains(caso("caminho"))) << erro.Description().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, CaminhoLocalDe, ::testing::ValuesIn(Casos("platform/casos/caminhos.tsv")), NomeDoCaso);

TEST(CaminhoLocal, RaizComBarraFinalCaminhoPosixEOutroDrive)
{
    DriveCTemporario c;  // puts the previous PANTORO_DRIVE_C back
    qputenv("PANTORO_DRIVE_C", (c.raiz() + "/").toLocal8Bit());
    EXPECT_EQ(CaminhoLocal("c:\\korva"), c.raiz() + "/korva");
    EXPECT_EQ(CaminhoLocal("/etc/hosts"), "/etc/hosts");
    qputenv("PANTORO_DRIVE_D", c.raiz().toLocal8Bit());
    EXPECT_EQ(CaminhoLocal("D:\\dados\\x.ini"), c.raiz() + "/dados/x.ini");
    qunsetenv("PANTORO_DRIVE_D");
}

}  // namespace
