#include "export/Exportacao.h"
#include "platform/Cp1252.h"
#include "support/Casos.h"
#include "support/PastaTemporaria.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString Periodo = QStringLiteral("De 01/05/2024 até 31/05/2024");

QString Esperado(const QString& layout)
{
    return QStringLiteral(PANTORO_TESTS_DIR "/report/esperado/%1.html").arg(layout);
}

// The report exported to `destino` ("*.xlsx" or "*.csv") as tests/export/le_planilha.py
// prints it with Debian's Python.
QJsonDocument ExportaELe(const QString& html, const QString& destino)
{
    const bool xlsx = destino.endsWith(QLatin1String(".xlsx"));
    ExportaRelatorio(html, destino, xlsx ? FormatoPlanilha::Xlsx : FormatoPlanilha::Csv, Periodo);
    QProcess processo;
    processo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    processo.start("/usr/bin/python3", {PANTORO_TESTES_EXPORT "/le_planilha.py", xlsx ? "xlsx" : "csv", destino});
    processo.waitForFinished(60000);
    return QJsonDocument::fromJson(processo.readAllStandardOutput());
}

// The sheets of a layout's golden report exported to XLSX, read back once.
const QJsonArray& FolhasExportadas(const QString& layout)
{
    static std::map<QString, QJsonArray> lidas;
    if (!lidas.count(layout)) {
        QTemporaryDir pasta;
        lidas[layout] = ExportaELe(Esperado(layout), pasta.filePath("r.xlsx")).array();
    }
    return lidas[layout];
}

// Numbers must come back as numbers, dates as dates.
class Celulas : public ::testing::TestWithParam<Caso> {};

TEST_P(Celulas, ValorTipoNegritoEFormato)
{
    const Caso& caso = GetParam();
    const QString endereco = caso("celula");
    const QJsonArray linhas = FolhasExportadas(caso("layout"))[caso.inteiro("folha")]["linhas"].toArray();
    const QJsonValue celula = linhas[endereco.mid(1).toInt() - 1][endereco.at(0).unicode() - 'A'];
    EXPECT_EQ(celula["v"], QJsonDocument::fromJson("[" + caso.bytes("valor") + "]")[0])
        << QJsonDocument(QJsonArray{celula}).toJson(QJsonDocument::Compact).toStdString();
    EXPECT_EQ(celula["t"].toString(), caso("tipo"));
    EXPECT_EQ(celula["b"].toBool(), caso("negrito") == QLatin1String("1"));
    EXPECT_TRUE(caso("formato").isEmpty() || celula["f"].toString() == caso("formato"))
        << celula["f"].toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tabela, Celulas, ::testing::ValuesIn(Casos("export/casos/celulas.tsv")), NomeDoCaso);

// Each sheet's frozen cell and autofilter range, sheet after sheet.
class FolhasDaPlanilha : public ::testing::TestWithParam<Caso> {};

TEST_P(FolhasDaPlanilha, CabecalhoCongeladoComFiltro)
{
    QStringList lidas;
    for (const QJsonValue& folha : FolhasExportadas(GetParam()("layout")))
        lidas << folha["congelada"].toString() << folha["filtro"].toString();
    EXPECT_EQ(lidas, GetParam().lista("folhas"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, FolhasDaPlanilha, ::testing::ValuesIn(Casos("export/casos/folhas.tsv")), NomeDoCaso);

TEST(Csv, NomesComSeparadorAspasEAcentosVoltamInteiros)
{
    QTemporaryDir pasta;
    const QString nome = QStringLiteral("ZÉ \"BOM\"; FILHO & CIA"), html = pasta.filePath("com-aspas.html");
    EscreveArquivo(html, Conteudo(Esperado("standard"))
                             .replace(ParaCp1252("MERCADO SÃO JOÃO"), ParaCp1252(QString(nome).replace("&", "&amp;"))));
    const QJsonArray linhas = ExportaELe(html, pasta.filePath("r.csv")).array();
    ASSERT_EQ(linhas.size(), 6);
    EXPECT_EQ(linhas[1].toArray(),
              QJsonArray({"000042", "02/05/2024", nome, "1234,50", "35,50", "1199,00", "5", "ZECA"}));
    EXPECT_EQ(linhas[2][7].toString(), QString());  // "&nbsp" is an empty field
    // the BOM once, before the heading
    EXPECT_TRUE(Conteudo(pasta.filePath("r.csv")).startsWith("\xEF\xBB\xBFPedido;Data;Nome;"));
}

}  // namespace
