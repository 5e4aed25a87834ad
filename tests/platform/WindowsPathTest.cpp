#include "platform/WindowsPath.h"
#include "support/Auxiliares.h"
#include "support/Casos.h"
#include "support/PastaTemporaria.h"

#include <gtest/gtest.h>

namespace {

QString Mapeado(const QString& caminho)
{
    try {
        return CaminhoLocal(caminho);
    } catch (const VbError& erro) {
        EXPECT_TRUE(erro.Description().contains(caminho)) << erro.Description().toStdString();
        return u'#' + QString::number(erro.Number());
    }
}

TEST(CaminhoLocal, ComponentesSemCaixaEOQueNaoSeMapeia)
{
    DriveCTemporario c;
    c.escreve("KORVA/Config/Server.INI", "x");
    for (const Caso& caso : Casos("platform/casos/caminhos.tsv")) {
        SCOPED_TRACE(caso.onde());
        EXPECT_EQ(Mapeado(caso[0]), caso[1].startsWith(u'#') ? caso[1] : c.raiz() + caso[1]);
    }
}

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
