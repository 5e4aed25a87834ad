#include "export/Exportacao.h"
#include "platform/Cp1252.h"
#include "platform/VbError.h"
#include "support/PastaMontada.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The exported file as tests/export/le_planilha.py prints it with Debian's Python.
QJsonDocument lePlanilha(const QString& tipo, const QString& arquivo)
{
    QProcess processo;
    processo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    processo.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(PANTORO_TESTES_EXPORT "/le_planilha.py"), tipo, arquivo});
    processo.waitForFinished(60000);
    return QJsonDocument::fromJson(processo.readAllStandardOutput());
}

// A sheet cell as the script printed it ("D7" style address).
QJsonValue Celula(const QJsonDocument& planilha, int folha, const QString& endereco)
{
    const int coluna = endereco.at(0).unicode() - 'A';
    const int linha = endereco.mid(1).toInt() - 1;
    return planilha.array().at(folha).toObject().value(QStringLiteral("linhas")).toArray().at(linha).toArray().at(coluna);
}

const QString Periodo = QStringLiteral("De 01/05/2024 até 31/05/2024");

QString esperado(const QString& layout)
{
    return QStringLiteral(PANTORO_TESTS_DIR "/report/esperado/%1.html").arg(layout);
}

QJsonDocument exportaELe(const QString& html, const QTemporaryDir& pasta, FormatoPlanilha formato)
{
    const bool xlsx = formato == FormatoPlanilha::Xlsx;
    const QString destino = pasta.filePath(xlsx ? QStringLiteral("r.xlsx") : QStringLiteral("r.csv"));
    ExportaRelatorio(html, destino, formato, Periodo);
    return lePlanilha(xlsx ? QStringLiteral("xlsx") : QStringLiteral("csv"), destino);
}

// One cell of the exported golden report: its value, type (openpyxl's n, s,
// d) and whether it is bold. Numbers must come back as numbers.
struct CasoCelula {
    const char* layout;
    int folha;
    const char* endereco;
    QJsonValue valor;
    const char* tipo;
    bool negrito;
};

class CelulasDoXlsx : public ::testing::TestWithParam<CasoCelula> {};

TEST_P(CelulasDoXlsx, ValorTipoENegrito)
{
    const CasoCelula& caso = GetParam();
    QTemporaryDir pasta;
    const QJsonDocument planilha = exportaELe(esperado(QString::fromLatin1(caso.layout)), pasta, FormatoPlanilha::Xlsx);
    const QJsonValue celula = Celula(planilha, caso.folha, QString::fromLatin1(caso.endereco));
    EXPECT_EQ(celula[QStringLiteral("v")], caso.valor) << caso.endereco;
    EXPECT_EQ(celula[QStringLiteral("t")].toString().toStdString(), caso.tipo) << caso.endereco;
    EXPECT_EQ(celula[QStringLiteral("b")].toBool(), caso.negrito) << caso.endereco;
}

// Row 6 is the heading; the frame's company, title, period and emission
// are rows 1 to 4 (the browser, and so the reader, takes "<MATRIZ>" for a tag).
INSTANTIATE_TEST_SUITE_P(
    Layouts, CelulasDoXlsx,
    ::testing::Values(
        CasoCelula{"standard", 0, "A1", QStringLiteral("001-BANANAS & CIA"), "s", true},
        CasoCelula{"standard", 0, "A3", QStringLiteral("Período: De 01/05/2024 até 31/05/2024"), "s", false},
        CasoCelula{"standard", 0, "D6", QStringLiteral("Total Bruto"), "s", true},
        CasoCelula{"standard", 0, "A7", QStringLiteral("000042"), "s", false},
        CasoCelula{"standard", 0, "B7", QStringLiteral("02/05/2024"), "d", false},
        CasoCelula{"standard", 0, "D7", 1234.5, "n", false},
        CasoCelula{"standard", 0, "H8", QJsonValue::Null, "n", false},
        CasoCelula{"standard", 0, "C11", QStringLiteral("Total Geral"), "s", true},
        CasoCelula{"standard", 0, "F11", 1249.0, "n", true},
        CasoCelula{"pa", 0, "C7", 33.5, "n", false},
        CasoCelula{"pa", 0, "D7", 16.75, "n", false},
        CasoCelula{"pa", 0, "D10", 12.17, "n", true},
        CasoCelula{"detalhado", 0, "B7", QStringLiteral("000042"), "s", false},
        CasoCelula{"detalhado", 0, "F7", QStringLiteral("BN01"), "s", false},
        CasoCelula{"detalhado", 0, "M8", 1209.5, "n", false},
        CasoCelula{"detalhado", 0, "F11", QStringLiteral("Total Pedido"), "s", true},
        CasoCelula{"detalhado", 0, "M11", 1829.5, "n", true},
        CasoCelula{"detalhado", 0, "C12", QJsonValue::Null, "n", false},
        CasoCelula{"detalhado", 0, "J12", QJsonValue::Null, "n", false},
        CasoCelula{"entrega", 0, "D9", QStringLiteral("MERCADO SÃO JOÃO"), "s", false},
        CasoCelula{"entrega", 0, "H11", 1.5, "n", false},
        CasoCelula{"entrega-vertical", 0, "E7", 10.0, "n", false},
        CasoCelula{"entrega-vertical", 0, "D19", QStringLiteral("Total"), "s", true},
        CasoCelula{"entrega-vertical", 0, "E19", 13.0, "n", true},
        CasoCelula{"entrega-vertical", 1, "A7", QStringLiteral("BN01"), "s", false},
        CasoCelula{"entrega-vertical", 1, "C7", 19.0, "n", false},
        CasoCelula{"agrupamento", 0, "A3", QStringLiteral("Período: De 01/05/2024 até 31/05/2024"), "s", false},
        CasoCelula{"agrupamento", 0, "C8", 16.5, "n", false}));

TEST(Xlsx, CabecalhoCongeladoComFiltroEFolhaDeResumo)
{
    const struct {
        const char* layout;
        QStringList filtros;
    } casos[] = {{"standard", {QStringLiteral("A6:H11")}},
                 {"pa", {QStringLiteral("A6:E10")}},
                 {"detalhado", {QStringLiteral("A6:M18")}},
                 {"entrega-vertical", {QStringLiteral("A6:I19"), QStringLiteral("A6:C13")}}};
    for (const auto& caso : casos) {
        QTemporaryDir pasta;
        const QJsonArray folhas =
            exportaELe(esperado(QString::fromLatin1(caso.layout)), pasta, FormatoPlanilha::Xlsx).array();
        ASSERT_EQ(folhas.size(), caso.filtros.size()) << caso.layout;
        for (int i = 0; i < folhas.size(); ++i) {
            EXPECT_EQ(folhas[i][QStringLiteral("congelada")].toString(), QStringLiteral("A7")) << caso.layout;
            EXPECT_EQ(folhas[i][QStringLiteral("filtro")].toString(), caso.filtros[i]) << caso.layout;
        }
        // The vertical layout's quantities keep their status as a number format.
        if (folhas.size() > 1)
            EXPECT_EQ(Celula(QJsonDocument(folhas), 0, QStringLiteral("E8"))[QStringLiteral("f")].toString(),
                      QStringLiteral("0\" - Madura\""));
    }
}

TEST(Csv, NomesComSeparadorAspasEAcentosVoltamInteiros)
{
    QTemporaryDir pasta;
    QFile original(esperado(QStringLiteral("standard")));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QString nome = QStringLiteral("ZÉ \"BOM\"; FILHO & CIA");
    const QString html = pasta.filePath(QStringLiteral("com-aspas.html"));
    QFile alterado(html);
    ASSERT_TRUE(alterado.open(QIODevice::WriteOnly) && alterado.write(original.readAll().replace(ParaCp1252(QStringLiteral("MERCADO SÃO JOÃO")),
                                              ParaCp1252(QString(nome).replace(u'&', QStringLiteral("&amp;"))))) > 0);
    alterado.close();

    const QJsonArray linhas = exportaELe(html, pasta, FormatoPlanilha::Csv).array();
    ASSERT_EQ(linhas.size(), 6);
    EXPECT_EQ(linhas[0].toArray()[0].toString(), QStringLiteral("Pedido"));  // the BOM is not part of it
    EXPECT_EQ(linhas[1].toArray(), QJsonArray({QStringLiteral("000042"), QStringLiteral("02/05/2024"), nome,
                                               QStringLiteral("1234,50"), QStringLiteral("35,50"),
                                               QStringLiteral("1199,00"), QStringLiteral("5"), QStringLiteral("ZECA")}));
    EXPECT_EQ(linhas[2].toArray()[7].toString(), QString());  // "&nbsp" is an empty field
    QFile csv(pasta.filePath(QStringLiteral("r.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("\xEF\xBB\xBFPedido;Data;Nome;"));
}

TEST(Destino, PastaAusenteOuSomenteLeituraDaErroENaoDeixaNada)
{
    PastaMontada somenteLeitura(PastaMontada::Tipo::SomenteLeitura);
    QTemporaryDir pasta;
    QStringList destinos{pasta.filePath(QStringLiteral("nao/existe/r.xlsx")), pasta.filePath(QStringLiteral("nao/r.csv"))};
    if (somenteLeitura.montada())
        destinos << somenteLeitura.caminho() + QStringLiteral("/r.xlsx") << somenteLeitura.caminho() + QStringLiteral("/r.csv");
    for (const QString& destino : destinos) {
        const FormatoPlanilha formato = destino.endsWith(QLatin1String("xlsx")) ? FormatoPlanilha::Xlsx : FormatoPlanilha::Csv;
        try {
            ExportaRelatorio(esperado(QStringLiteral("standard")), destino, formato, Periodo);
            ADD_FAILURE() << "no error for " << destino.toStdString();
        } catch (const VbError& erro) {
            EXPECT_TRUE(erro.Description().contains(destino)) << erro.Description().toStdString();
        }
        EXPECT_EQ(QDir(QFileInfo(destino).absolutePath()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }
    if (!somenteLeitura.montada())
        GTEST_SKIP() << "read-only cases not run: no tmpfs mount here";
}

}  // namespace
