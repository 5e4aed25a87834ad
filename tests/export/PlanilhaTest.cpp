#include "export/Exportacao.h"
#include "platform/Cp1252.h"
#include "platform/VbError.h"
#include "support/Casos.h"
#include "support/PastaMontada.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
const QJsonArray& Folhas(const QString& layout)
{
    static std::map<QString, QJsonArray> lidas;
    if (!lidas.count(layout)) {
        QTemporaryDir pasta;
        lidas[layout] = ExportaELe(Esperado(layout), pasta.filePath("r.xlsx")).array();
    }
    return lidas[layout];
}

// Numbers must come back as numbers, dates as dates.
TEST(Xlsx, ValorTipoNegritoEFormatoDasCelulas)
{
    for (const Caso& caso : Casos("export/casos/celulas.tsv")) {
        SCOPED_TRACE(caso.onde());
        const QString endereco = caso[2];
        const QJsonArray linhas = Folhas(caso[0])[caso.inteiro(1)]["linhas"].toArray();
        const QJsonValue celula = linhas[endereco.mid(1).toInt() - 1][endereco.at(0).unicode() - 'A'];
        EXPECT_EQ(celula["v"], QJsonDocument::fromJson("[" + caso.bytes(3) + "]")[0])
            << QJsonDocument(QJsonArray{celula}).toJson(QJsonDocument::Compact).toStdString();
        EXPECT_EQ(celula["t"].toString(), caso[4]);
        EXPECT_EQ(celula["b"].toBool(), caso[5] == QLatin1String("1"));
        if (caso.campos.size() > 6)
            EXPECT_EQ(celula["f"].toString(), caso[6]);
    }
}

TEST(Xlsx, CabecalhoCongeladoComFiltroEmCadaFolha)
{
    for (const Caso& caso : Casos("export/casos/folhas.tsv")) {
        SCOPED_TRACE(caso.onde());
        QStringList lidas, esperadas;
        for (const QJsonValue& folha : Folhas(caso[0]))
            lidas << folha["congelada"].toString() << folha["filtro"].toString();
        for (size_t i = 1; i < caso.campos.size(); ++i)
            esperadas << caso[i];
        EXPECT_EQ(lidas, esperadas);
    }
}

TEST(Csv, NomesComSeparadorAspasEAcentosVoltamInteiros)
{
    QTemporaryDir pasta;
    QFile original(Esperado("standard")), alterado(pasta.filePath("com-aspas.html"));
    const QString nome = QStringLiteral("ZÉ \"BOM\"; FILHO & CIA");
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && alterado.open(QIODevice::WriteOnly));
    const QString escapado = QString(nome).replace("&", "&amp;");
    alterado.write(original.readAll().replace(ParaCp1252("MERCADO SÃO JOÃO"), ParaCp1252(escapado)));
    alterado.close();

    const QJsonArray linhas = ExportaELe(alterado.fileName(), pasta.filePath("r.csv")).array();
    ASSERT_EQ(linhas.size(), 6);
    EXPECT_EQ(linhas[1].toArray(),
              QJsonArray({"000042", "02/05/2024", nome, "1234,50", "35,50", "1199,00", "5", "ZECA"}));
    EXPECT_EQ(linhas[2][7].toString(), QString());  // "&nbsp" is an empty field
    QFile csv(pasta.filePath("r.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("\xEF\xBB\xBFPedido;Data;Nome;"));  // the BOM once, before the heading
}

TEST(Destino, PastaAusenteOuSomenteLeituraDaErroENaoDeixaNada)
{
    PastaMontada somenteLeitura(PastaMontada::Tipo::SomenteLeitura);
    QTemporaryDir pasta;
    QStringList destinos{pasta.filePath("nao/existe/r.xlsx"), pasta.filePath("nao/r.csv")};
    if (somenteLeitura.montada())
        destinos << somenteLeitura.caminho() + "/r.xlsx" << somenteLeitura.caminho() + "/r.csv";
    for (const QString& destino : destinos) {
        const FormatoPlanilha formato = destino.endsWith(".xlsx") ? FormatoPlanilha::Xlsx : FormatoPlanilha::Csv;
        try {
            ExportaRelatorio(Esperado("standard"), destino, formato, Periodo);
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
