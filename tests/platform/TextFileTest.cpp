#include "platform/TextFile.h"
#include "platform/Cp1252.h"
#include "platform/VbError.h"
#include "support/Casos.h"
#include "support/PastaTemporaria.h"

#include <gtest/gtest.h>

namespace {

class LerLinhasDe : public ::testing::TestWithParam<Caso> {};

TEST_P(LerLinhasDe, FinsDeLinhaECodificacoes)
{
    const Caso& caso = GetParam();
    DriveCTemporario c;
    if (caso("bytes") != QLatin1String("-"))
        c.escreve("config/server.ini", caso.bytes("bytes"));
    QString lidas;
    try {
        for (const QString& linha : LerLinhas(QStringLiteral("c:\\config\\server.ini"), caso.inteiro("limite")))
            lidas += linha + u'\n';
    } catch (const VbError& erro) {
        lidas = u'#' + QString::number(erro.Number());
    }
    EXPECT_EQ(lidas, caso("linhas"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, LerLinhasDe, ::testing::ValuesIn(Casos("platform/casos/lerlinhas.tsv")), NomeDoCaso);

TEST(Cp1252, FaixaDe80A9FEIdaEVoltaDeTodoByte)
{
    EXPECT_EQ(DeCp1252("\x80\x8a\x99\x9f"), QStringLiteral("€Š™Ÿ"));
    EXPECT_EQ(ParaCp1252(QStringLiteral("€Š™Ÿ")), QByteArray("\x80\x8a\x99\x9f"));
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos.append(static_cast<char>(b));
    EXPECT_EQ(ParaCp1252(DeCp1252(todos)), todos);
    // What CP1252 lacks becomes "?" (AcrescentaLinha writes the report's lines so).
    EXPECT_EQ(ParaCp1252(QStringLiteral("a😀b中c") + QChar(0xD800) + "d"), QByteArray("a?b?c?d"));
}

}  // namespace
