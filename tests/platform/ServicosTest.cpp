#include "Auxiliares.h"
#include "platform/Clock.h"
#include "platform/Fontes.h"
#include "platform/Printing.h"

#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

TEST(Agora, SourceDateEpochEAHoraDeParedeEmUtc)
{
    const struct {
        const char* epoch;
        QDateTime esperado;
    } casos[] = {
        {"0", QDateTime(QDate(1970, 1, 1), QTime(0, 0))},
        {"1700000000", QDateTime(QDate(2023, 11, 14), QTime(22, 13, 20))},
        {"1541289600", QDateTime(QDate(2018, 11, 4), QTime(0, 0))},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.epoch);
        VariavelDoTeste epoch("SOURCE_DATE_EPOCH", c.epoch);
        EXPECT_EQ(Agora().date(), c.esperado.date());
        EXPECT_EQ(Agora().time(), c.esperado.time());
        EXPECT_EQ(Hoje(), c.esperado.date());
    }
}

TEST(Agora, SemEpochValidoEAgora)
{
    for (const char* epoch : {static_cast<const char*>(nullptr), "", "abc", "99999999999999999"}) {
        SCOPED_TRACE(epoch ? epoch : "(unset)");
        VariavelDoTeste variavel("SOURCE_DATE_EPOCH", epoch ? QByteArray(epoch) : QByteArray());
        const QDateTime antes = QDateTime::currentDateTime();
        const QDateTime agora = Agora();
        EXPECT_GE(agora, antes);
        EXPECT_LE(agora, QDateTime::currentDateTime());
    }
}

TEST(Impressora, GravadoraInstaladaRecebeOsComandos)
{
    auto gravadora = std::make_shared<ImpressoraGravadora>();
    const auto anterior = InstalaImpressora(gravadora);
    EXPECT_EQ(ImpressoraAtual(), gravadora);
    ImpressoraAtual()->ConfigurarPagina(nullptr);
    ImpressoraAtual()->ImprimirNaPadrao(nullptr);
    EXPECT_EQ(gravadora->comandos, QStringList({"pagesetup", "print"}));
    EXPECT_EQ(InstalaImpressora(anterior), gravadora);
    EXPECT_EQ(ImpressoraAtual(), anterior);
}

// The test main calls ConfiguraFontes before the application exists, as the
// program's main does.
TEST(Fontes, TahomaEUmaSemSerifaInstalada)
{
    const QString familia = QFontInfo(QFont(QStringLiteral("Tahoma"))).family();
    EXPECT_TRUE(familia == "Tahoma" || familia == "DejaVu Sans") << familia.toStdString();
    EXPECT_FALSE(familia.contains(QLatin1String("Serif"), Qt::CaseInsensitive)) << familia.toStdString();
}

}  // namespace
