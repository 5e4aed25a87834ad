#include "paging/LeitorRelatorio.h"
#include "startup/Ambiente.h"
#include "support/ExecucaoDoPrograma.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The demo's reports through `pantoro --pdf`, read back with pdftotext: every
// data row of the file once, in order, on one page; every page with its frame
// and "Página N de M".
namespace {

// The body rows of a report as the PDF's text must hold them, and the frame.
class LinhasDoCorpo : public ReceptorDeRelatorio {
public:
    void InicioDeTabela(const TabelaRelatorio&) override { primeiraDaTabela_ = true; }
    void Linha(const LinhaRelatorio& linha) override
    {
        QStringList textos;
        for (const CelulaRelatorio& celula : linha.celulas)
            if (!celula.texto.trimmed().isEmpty() && celula.texto != QChar(0x00A0))
                textos << celula.texto;
        const bool cabecalho = primeiraDaTabela_ && linha.negrito;
        primeiraDaTabela_ = false;
        if (naMoldura_)
            moldura << textos;
        else if (!cabecalho && !textos.isEmpty())
            linhas << textos.join(QLatin1Char(' '));
    }
    void FimDeTabela() override {}
    void Quebra(QuebraRelatorio quebra) override { naMoldura_ = naMoldura_ && quebra != QuebraRelatorio::Paragrafo; }

    QStringList moldura;
    QStringList linhas;

private:
    bool naMoldura_ = true;
    bool primeiraDaTabela_ = false;
};

// The text of each page, blanks collapsed.
QStringList paginasDoPdf(const QString& pdf)
{
    QProcess texto;
    texto.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(texto.waitForFinished(120000));
    QStringList paginas = QString::fromUtf8(texto.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!paginas.isEmpty() && paginas.last().trimmed().isEmpty())
        paginas.removeLast();
    for (QString& pagina : paginas)
        pagina = pagina.simplified();
    return paginas;
}

struct Caso {
    const char* layout;
    const char* fonte;
};

class PaginasDoDemo : public ::testing::TestWithParam<Caso> {};

TEST_P(PaginasDoDemo, CadaLinhaUmaVezEmOrdemEMolduraEmCadaPagina)
{
    QTemporaryDir pasta;
    const QString pdf = pasta.filePath(QStringLiteral("r.pdf"));
    const Saida saida =
        RodaPrograma(QStringLiteral(PANTORO_EXECUTAVEL),
                     {QStringLiteral("--demo"), pasta.filePath(QStringLiteral("demo")), QStringLiteral("--relatorio"),
                      QLatin1String(GetParam().layout), QStringLiteral("--fonte"), QLatin1String(GetParam().fonte),
                      QStringLiteral("--de"), QStringLiteral("01/03/2026"), QStringLiteral("--ate"),
                      QStringLiteral("31/05/2026"), QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(saida.codigo, 0) << saida.erro.toStdString();
    LinhasDoCorpo arquivo;
    LeRelatorio(saida.saida.split(QLatin1Char('\n')).first().trimmed(), arquivo);
    ASSERT_GT(arquivo.linhas.size(), 3);
    const QStringList paginas = paginasDoPdf(pdf);
    ASSERT_FALSE(paginas.isEmpty());

    for (int i = 0; i < paginas.size(); ++i) {
        for (const QString& parte : arquivo.moldura)
            EXPECT_TRUE(paginas[i].contains(parte.simplified())) << "page " << i + 1 << ": " << parte.toStdString();
        EXPECT_TRUE(paginas[i].endsWith(QStringLiteral("Página %1 de %2").arg(i + 1).arg(paginas.size())))
            << paginas[i].right(40).toStdString();
    }
    // Each row on one page, after the one before it.
    int pagina = 0;
    qsizetype posicao = 0;
    QHash<QString, int> vezes;
    for (const QString& linha : arquivo.linhas) {
        const QString texto = linha.simplified();
        ++vezes[texto];
        qsizetype achado = -1;
        for (; pagina < paginas.size(); ++pagina, posicao = 0)
            if ((achado = paginas[pagina].indexOf(texto, posicao)) >= 0)
                break;
        ASSERT_GE(achado, 0) << "row missing or out of order: " << texto.toStdString();
        posicao = achado + texto.size();
    }
    const QString tudo = paginas.join(QLatin1Char(' '));
    for (auto linha = vezes.cbegin(); linha != vezes.cend(); ++linha) {
        // Whole words only: "9 - Verde" is no copy of "19 - Verde".
        const QRegularExpression inteira(QStringLiteral("(?<!\\S)") + QRegularExpression::escape(linha.key()) +
                                         QStringLiteral("(?!\\S)"));
        EXPECT_EQ(tudo.count(inteira), linha.value()) << linha.key().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, PaginasDoDemo,
                         ::testing::Values(Caso{"standard", "10"}, Caso{"pa", "10"}, Caso{"detalhado", "10"},
                                           Caso{"entrega", "8"}, Caso{"entrega", "14"}, Caso{"entrega-vertical", "8"},
                                           Caso{"entrega-vertical", "14"}, Caso{"agrupamento", "10"}),
                         [](const ::testing::TestParamInfo<Caso>& info) {
                             return QString::fromLatin1(info.param.layout).remove(QLatin1Char('-')).toStdString() +
                                    info.param.fonte;
                         });

}  // namespace
