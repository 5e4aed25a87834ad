#include "Auxiliares.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "support/PastaTemporaria.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray Conteudo(const QString& caminho)
{
    QFile file(caminho);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(AcrescentaLinha, UmaLinhaPorChamadaEmCp1252ComCrLf)
{
    DriveCTemporario c;
    const QString arquivo = QStringLiteral("c:\\relatorios\\pantoro.html");
    c.escreve("relatorios/.keep", "");
    AcrescentaLinha(arquivo, QStringLiteral("<TD>Ação €</TD>"));
    AcrescentaLinha(arquivo, QString());
    AcrescentaLinha(arquivo, QStringLiteral("fim"));
    EXPECT_EQ(Conteudo(c.raiz() + "/relatorios/pantoro.html"), QByteArray("<TD>A\xe7\xe3o \x80</TD>\r\n\r\nfim\r\n"));
}

TEST(AcrescentaLinha, ForaDoCp1252ViraInterrogacaoSemInterromper)
{
    DriveCTemporario c;
    AcrescentaLinha(QStringLiteral("c:\\r.txt"), QStringLiteral("a😀b中c") + QChar(0xD800) + "d");
    EXPECT_EQ(Conteudo(c.raiz() + "/r.txt"), QByteArray("a?b?c?d\r\n"));
}

TEST(LerLinhas, FinsDeLinhaECodificacoes)
{
    const struct {
        const char* caso;
        QByteArray bytes;
        QStringList linhas;
    } casos[] = {
        {"CRLF", "a^\r\nb^\r\n", {"a^", "b^"}},
        {"LF", "a\nb", {"a", "b"}},
        {"so CR", "a\rb\r", {"a", "b"}},
        {"linha vazia no meio", "a\r\n\r\nb", {"a", "", "b"}},
        {"CR antes de CRLF", "a\r\r\nb", {"a", "", "b"}},
        {"arquivo vazio", "", {}},
        {"so um fim de linha", "\r\n", {""}},
        {"CP1252", "Jo\xe3o \x80", {QStringLiteral("João €")}},
        {"UTF-8", "Jo\xc3\xa3o \xe2\x82\xac", {QStringLiteral("João €")}},
        {"UTF-8 com BOM", "\xef\xbb\xbf" "1^1^PRD^\r\n", {"1^1^PRD^"}},
        {"byte NUL dentro da linha", QByteArray("a\0b\nc", 5), {QString("a") + QChar(0) + "b", "c"}},
    };
    DriveCTemporario c;
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        c.escreve("config/server.ini", caso.bytes);
        EXPECT_EQ(LerLinhas(QStringLiteral("c:\\config\\server.ini"), 100), caso.linhas);
    }
}

TEST(LerLinhas, NoMaximoAsLinhasPedidasEErroSemArquivo)
{
    DriveCTemporario c;
    c.escreve("a.ini", "1\r\n2\r\n3\r\n");
    EXPECT_EQ(LerLinhas(QStringLiteral("c:\\a.ini"), 2), QStringList({"1", "2"}));
    EXPECT_EQ(LerLinhas(QStringLiteral("c:\\a.ini"), 0), QStringList());
    EXPECT_EQ(ErroVb([] { LerLinhas(QStringLiteral("c:\\b.ini"), 1); }), vb_error::FileNotFound);
}

TEST(Cp1252, FaixaDe80A9FEIdaEVoltaDeTodoByte)
{
    EXPECT_EQ(DeCp1252("\x80\x8a\x99\x9f"), QStringLiteral("€Š™Ÿ"));
    EXPECT_EQ(ParaCp1252(QStringLiteral("€Š™Ÿ")), QByteArray("\x80\x8a\x99\x9f"));
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos.append(static_cast<char>(b));
    EXPECT_EQ(DeCp1252(todos).size(), 256);
    EXPECT_EQ(ParaCp1252(DeCp1252(todos)), todos);
}

TEST(Cp1252, TextoDeConfiguracaoUtf8QuandoValidoSenaoCp1252)
{
    EXPECT_EQ(DecodificaTextoConfig("S\xc3\xa3o"), QStringLiteral("São"));
    EXPECT_EQ(DecodificaTextoConfig("S\xe3o"), QStringLiteral("São"));
    EXPECT_EQ(DecodificaTextoConfig("\xc3"), QStringLiteral("Ã"));
}

}  // namespace
