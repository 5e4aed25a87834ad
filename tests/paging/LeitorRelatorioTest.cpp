#include "paging/LeitorRelatorio.h"
#include "paging/RelatorioEmPaginas.h"
#include "platform/VbError.h"
#include "support/Casos.h"
#include "support/PastaMontada.h"

#include <QDir>
#include <QFile>
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

// Every event of a layout's golden file, styles, widths and alignments
// ("E", "C", "D") included; in pa.html the last row has no </TR> and its
// empty cell is "&nbsp" without ";".
TEST(LeitorRelatorio, LeTabelasLinhasEstilosECelulasDoArquivo)
{
    EXPECT_EQ(le(esperado(QStringLiteral("pa"))).linhas.join(u'\n') + u'\n', DadosDeTeste("paging/esperado/pa.txt"));
}

class ArquivoRecusado : public ::testing::TestWithParam<Caso> {};

TEST_P(ArquivoRecusado, NadaChegaAoReceptor)
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("r.html"));
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(GetParam().bytes("conteudo"));
    arquivo.close();
    Transcricao transcricao;
    try {
        LeRelatorio(caminho, transcricao);
        ADD_FAILURE() << "read";
    } catch (const VbError& erro) {
        EXPECT_EQ(erro.Number(), vb_error::ArquivoInvalido);
        EXPECT_TRUE(erro.Description().endsWith(caminho));
    }
    EXPECT_TRUE(transcricao.linhas.filter(QStringLiteral("linha")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Tabela, ArquivoRecusado, ::testing::ValuesIn(Casos("paging/casos/arquivos-recusados.tsv")),
                         NomeDoCaso);

TEST(LeitorRelatorio, ArquivoQueNaoExiste)
{
    Transcricao nada;
    EXPECT_THROW(LeRelatorio(QStringLiteral("/nao-existe/pantoro.html"), nada), VbError);
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
