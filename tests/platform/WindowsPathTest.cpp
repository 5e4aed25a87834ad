#include "Auxiliares.h"
#include "platform/TextFile.h"
#include "platform/WindowsPath.h"
#include "support/PastaTemporaria.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

TEST(CaminhoLocal, ComponentesSemCaixaBarrasInvertidasENormais)
{
    DriveCTemporario c;
    c.escreve("KORVA/Config/Server.INI", "x");
    const struct {
        const char* windows;
        const char* local;  // below the root of drive C:
    } casos[] = {
        {"c:\\korva\\config\\server.ini", "/KORVA/Config/Server.INI"},
        {"C:/Korva/CONFIG/server.ini", "/KORVA/Config/Server.INI"},
        {"c:\\korva\\\\config\\server.ini", "/KORVA/Config/Server.INI"},
        {"c:\\korva\\config\\novo.ini", "/KORVA/Config/novo.ini"},
        {"c:\\korva\\relatorios\\", "/KORVA/relatorios/"},
        {"c:\\korva\\.\\config\\..\\config\\server.ini", "/KORVA/Config/Server.INI"},
        {"c:\\..\\..\\korva", "/KORVA"},
        {"c:\\novo\\pasta\\..\\..\\korva\\CONFIG", "/KORVA/Config"},
        {"c:\\", "/"},
        {"c:", ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.windows);
        EXPECT_EQ(CaminhoLocal(QString::fromUtf8(caso.windows)), c.raiz() + QString::fromUtf8(caso.local));
    }
}

TEST(CaminhoLocal, RaizDoDriveComBarraFinalECaminhoPosix)
{
    DriveCTemporario c;
    VariavelDoTeste comBarra("PANTORO_DRIVE_C", (c.raiz() + "/").toLocal8Bit());
    EXPECT_EQ(CaminhoLocal("c:\\korva"), c.raiz() + "/korva");
    EXPECT_EQ(CaminhoLocal("/etc/hosts"), "/etc/hosts");
}

TEST(CaminhoLocal, OutroDriveSoQuandoMapeado)
{
    {
        VariavelDoTeste d("PANTORO_DRIVE_D", QByteArray());
        EXPECT_EQ(ErroVb([] { CaminhoLocal("d:\\dados\\x.ini"); }), vb_error::BadFileName);
    }
    DriveCTemporario c;
    VariavelDoTeste d("PANTORO_DRIVE_D", c.raiz().toLocal8Bit());
    EXPECT_EQ(CaminhoLocal("D:\\dados\\x.ini"), c.raiz() + "/dados/x.ini");
}

TEST(CaminhoLocal, OQueNaoSeMapeiaEErro52ComOCaminhoNaMensagem)
{
    DriveCTemporario c;
    const char* casos[] = {
        "",
        "\\\\servidor\\korva\\server.ini",
        "c:\\korva\\a|b",
        "c:\\korva\\a?b",
        "c:\\korva\\a*b",
        "c:\\korva\\a\"b",
        "c:\\korva\\a<b>",
        "c:\\korva\\a\tb",
        "korva:\\x",
        "c:\\korva\\a:b",
        "1:\\korva",
    };
    for (const char* caso : casos) {
        SCOPED_TRACE(caso);
        const QString caminho = QString::fromUtf8(caso);
        try {
            CaminhoLocal(caminho);
            ADD_FAILURE() << "mapped";
        } catch (const VbError& erro) {
            EXPECT_EQ(erro.Number(), vb_error::BadFileName);
            EXPECT_TRUE(erro.Description().contains(caminho));
        }
    }
    EXPECT_EQ(ErroVb([] { CaminhoLocal(QString(QChar(0)) + "x"); }), vb_error::BadFileName);
}

}  // namespace
