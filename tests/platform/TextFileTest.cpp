#include "platform/TextFile.h"
#include "platform/Cp1252.h"
#include "support/Auxiliares.h"
#include "support/Casos.h"
#include "support/PastaTemporaria.h"

#include <gtest/gtest.h>

namespace {

// One line per call, CP1252 with CRLF; what CP1252 lacks becomes "?".
TEST(AcrescentaLinha, Cp1252ComCrLf)
{
    DriveCTemporario c;
    c.escreve("relatorios/.keep", "");
    const QString arquivo = QStringLiteral("c:\\relatorios\\pantoro.html");
    AcrescentaLinha(arquivo, QStringLiteral("<TD>Ação €</TD>"));
    AcrescentaLinha(arquivo, QString());
    AcrescentaLinha(arquivo, QStringLiteral("a😀b中c") + QChar(0xD800) + "d");
    EXPECT_EQ(Conteudo(c.raiz() + "/relatorios/pantoro.html"),
              QByteArray("<TD>A\xe7\xe3o \x80</TD>\r\n\r\na?b?c?d\r\n"));
}

TEST(LerLinhas, FinsDeLinhaECodificacoes)
{
    DriveCTemporario c;
    const QString arquivo = QStringLiteral("c:\\config\\server.ini");
    for (const Caso& caso : Casos("platform/casos/lerlinhas.tsv")) {
        SCOPED_TRACE(caso.onde());
        c.escreve("config/server.ini", caso.bytes(0));
        const QStringList linhas = LerLinhas(arquivo, 100);
        EXPECT_EQ(linhas.isEmpty() ? QString() : linhas.join(u'\n') + u'\n', caso[1]);
    }
    c.escreve("config/server.ini", "");
    EXPECT_EQ(LerLinhas(arquivo, 100), QStringList());
    c.escreve("config/server.ini", "1\r\n2\r\n3\r\n");
    EXPECT_EQ(LerLinhas(arquivo, 2), QStringList({"1", "2"}));
    EXPECT_EQ(ErroVb([] { LerLinhas(QStringLiteral("c:\\b.ini"), 1); }), vb_error::FileNotFound);
}

TEST(Cp1252, FaixaDe80A9FEIdaEVoltaDeTodoByte)
{
    EXPECT_EQ(DeCp1252("\x80\x8a\x99\x9f"), QStringLiteral("€Š™Ÿ"));
    EXPECT_EQ(ParaCp1252(QStringLiteral("€Š™Ÿ")), QByteArray("\x80\x8a\x99\x9f"));
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos.append(static_cast<char>(b));
    EXPECT_EQ(ParaCp1252(DeCp1252(todos)), todos);
    // Configuration files: UTF-8 when valid, else CP1252.
    EXPECT_EQ(DecodificaTextoConfig("S\xc3\xa3o"), QStringLiteral("São"));
    EXPECT_EQ(DecodificaTextoConfig("S\xe3o"), QStringLiteral("São"));
    EXPECT_EQ(DecodificaTextoConfig("\xc3"), QStringLiteral("Ã"));
}

}  // namespace
