#include "paging/LeitorRelatorio.h"
#include "paging/RelatorioEmPaginas.h"
#include "platform/VbError.h"
#include "support/PastaMontada.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString esperado(const QString& layout)
{
    return QStringLiteral(PANTORO_TESTS_DIR "/report/esperado/") + layout + QStringLiteral(".html");
}

// Every event as one line of text: tables, rows with their style, cells.
class Transcricao : public ReceptorDeRelatorio {
public:
    void Titulo(const QString& titulo) override { linhas << QStringLiteral("titulo ") + titulo; }
    void InicioDeTabela(const TabelaRelatorio& t) override
    {
        linhas << QStringLiteral("tabela %1 %2 %3 %4").arg(t.id).arg(t.borda).arg(t.larguraPx).arg(t.centralizada);
    }
    void Linha(const LinhaRelatorio& l) override
    {
        QString texto = QStringLiteral("linha %1pt%2 %3")
                            .arg(l.tamanhoFontePt)
                            .arg(l.negrito ? " negrito" : "")
                            .arg(l.familiaFonte);
        for (const CelulaRelatorio& c : l.celulas)
            texto += QStringLiteral(" |%1%%2%3").arg(c.larguraPercentual).arg("ECD"[int(c.alinhamento)]).arg(c.texto);
        linhas << texto;
    }
    void FimDeTabela() override { linhas << QStringLiteral("fim"); }
    void Quebra(QuebraRelatorio q) override { linhas << (q == QuebraRelatorio::Paragrafo ? "P" : "BR"); }
    QStringList linhas;
};

Transcricao le(const QString& caminho)
{
    Transcricao transcricao;
    LeRelatorio(caminho, transcricao);
    return transcricao;
}

TEST(LeitorRelatorio, LeTabelasLinhasEstilosECelulasDoArquivo)
{
    const QStringList pa = le(esperado(QStringLiteral("pa"))).linhas;
    ASSERT_EQ(pa.size(), 15);
    EXPECT_EQ(pa[0], QStringLiteral("titulo Relatório de Produtos Por Atendimento"));
    EXPECT_EQ(pa[1], QStringLiteral("tabela Table1 1 670 1"));
    EXPECT_EQ(pa[2], QStringLiteral("linha 8pt negrito Tahoma |30%EERP KORVA - Tevrano - Release 2014.08.05"
                                    " |40%C001-BANANAS & CIA |30%DEmissão: 01/06/2024 12:00:00"));
    EXPECT_EQ(pa[7], QStringLiteral("P"));
    EXPECT_EQ(pa[10], QStringLiteral("linha 8pt Tahoma |15%E02/05/2024 |15%D2 |15%D33,5 |15%D16,75 |40%EZECA"));
    // The last row has no </TR>; its empty cell is "&nbsp" without ";".
    EXPECT_EQ(pa[13],
              QStringLiteral("linha 8pt negrito Tahoma |15%ETotal Geral |15%D3,00 |15%D36,50 |15%D12,17 |40%E") +
                  QChar(0x00A0));
    EXPECT_EQ(pa[14], QStringLiteral("fim"));

    const QStringList entrega = le(esperado(QStringLiteral("entrega"))).linhas;
    EXPECT_TRUE(entrega.contains(QStringLiteral("linha 14pt Tahoma |15%E02/05/2024 |15%E000042 |15%E03/05/2024"
                                                " |45%EMERCADO SÃO JOÃO |35%EZECA")));
    EXPECT_EQ(entrega.count(QStringLiteral("BR")), 3);
}

TEST(LeitorRelatorio, CadaLayoutTemAMolduraEAsLinhasDoArquivo)
{
    for (const char* layout : {"standard", "pa", "detalhado", "entrega", "entrega-vertical", "agrupamento"}) {
        QFile arquivo(esperado(QLatin1String(layout)));
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
        const QByteArray html = arquivo.readAll();
        const QStringList linhas = le(arquivo.fileName()).linhas;
        EXPECT_EQ(linhas.filter(QRegularExpression(QStringLiteral("^linha "))).size(), html.count("<TR")) << layout;
        EXPECT_EQ(linhas.count(QStringLiteral("fim")), html.count("</TABLE>")) << layout;
    }
}

// A file that is not a whole report of this program reaches the receiver not at all.
TEST(LeitorRelatorio, RecusaArquivoQueNaoEUmRelatorioInteiro)
{
    QFile original(esperado(QStringLiteral("detalhado")));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray inteiro = original.readAll();
    const struct {
        const char* caso;
        QByteArray bytes;
        long erro;
    } casos[] = {
        {"vazio", "", vb_error::ArquivoInvalido},
        {"cortado", inteiro.left(inteiro.size() / 2), vb_error::ArquivoInvalido},
        {"de outro programa", "<html><body><table><tr><td>x</td></tr></table></body></html>",
         vb_error::ArquivoInvalido},
        {"sem tabelas", "<HTML><BODY>nada</BODY></HTML>", vb_error::ArquivoInvalido},
    };
    QTemporaryDir pasta;
    for (const auto& caso : casos) {
        const QString caminho = pasta.filePath(QStringLiteral("r.html"));
        QFile arquivo(caminho);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
        arquivo.write(caso.bytes);
        arquivo.close();
        Transcricao transcricao;
        try {
            LeRelatorio(caminho, transcricao);
            ADD_FAILURE() << caso.caso;
        } catch (const VbError& erro) {
            EXPECT_EQ(erro.Number(), caso.erro) << caso.caso;
            EXPECT_TRUE(erro.Description().endsWith(caminho)) << caso.caso;
        }
        EXPECT_TRUE(transcricao.linhas.filter(QStringLiteral("linha")).isEmpty()) << caso.caso;
    }
    Transcricao nada;
    EXPECT_THROW(LeRelatorio(pasta.filePath(QStringLiteral("nao-existe.html")), nada), VbError);
}

// A disk that fills while the PDF is written: the message, and no PDF left.
TEST(RelatorioEmPaginas, DiscoCheioNaoDeixaPdfPelaMetade)
{
    PastaMontada cheia(PastaMontada::Tipo::Cheia);
    if (!cheia.montada())
        GTEST_SKIP() << "needs root to mount a tmpfs";
    RelatorioEmPaginas paginas(esperado(QStringLiteral("detalhado")));
    paginas.CarregaTudo();
    const QString pdf = cheia.caminho() + QStringLiteral("/r.pdf");
    try {
        paginas.GravaPdf(pdf);
        ADD_FAILURE() << "written on a full disk";
    } catch (const VbError& erro) {
        EXPECT_EQ(erro.Number(), vb_error::DiskFull);
        EXPECT_EQ(erro.Description(), QStringLiteral("Disco cheio: o PDF não pôde ser gravado: ") + pdf);
    }
    EXPECT_EQ(QDir(cheia.caminho()).entryList(QDir::Files), QStringList{QStringLiteral("enchimento")});
}

}  // namespace
