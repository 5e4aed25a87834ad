#include "paging/LeitorRelatorio.h"
#include "support/ExecucaoDoPrograma.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One demo report through `pantoro --pdf`, read back with pdftotext: every
// data row of the file once, in order, on one page; every page with its
// frame and "Página N de M". The rules themselves: PaginacaoTest.
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
                textos << celula.texto.simplified();
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

// The delivery report at 14 pt: orders that break across pages, item tables
// that go on with their headings.
TEST(PaginasDoDemo, CadaLinhaUmaVezEmOrdemEMolduraEmCadaPagina)
{
    QTemporaryDir pasta;
    const QString pdf = pasta.filePath(QStringLiteral("r.pdf"));
    const Saida saida =
        RodaPrograma(QStringLiteral(PANTORO_EXECUTAVEL),
                     {QStringLiteral("--demo"), pasta.filePath(QStringLiteral("demo")), QStringLiteral("--relatorio"),
                      QStringLiteral("entrega"), QStringLiteral("--fonte"), QStringLiteral("14"),
                      QStringLiteral("--de"), QStringLiteral("01/03/2026"), QStringLiteral("--ate"),
                      QStringLiteral("31/05/2026"), QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(saida.codigo, 0) << saida.erro.toStdString();
    LinhasDoCorpo arquivo;
    LeRelatorio(saida.saida.split(QLatin1Char('\n')).first().trimmed(), arquivo);
    const QStringList paginas = paginasDoPdf(pdf);
    ASSERT_GT(paginas.size(), 2);

    for (int i = 0; i < paginas.size(); ++i) {
        for (const QString& parte : arquivo.moldura)
            EXPECT_TRUE(paginas[i].contains(parte)) << "page " << i + 1 << ": " << parte.toStdString();
        EXPECT_TRUE(paginas[i].endsWith(QStringLiteral("Página %1 de %2").arg(i + 1).arg(paginas.size())));
    }
    // Each row on one page, after the one before it, and nowhere else.
    int pagina = 0;
    qsizetype posicao = 0;
    const QString tudo = paginas.join(QLatin1Char(' '));
    for (const QString& linha : arquivo.linhas) {
        qsizetype achado = -1;
        for (; pagina < paginas.size(); ++pagina, posicao = 0)
            if ((achado = paginas[pagina].indexOf(linha, posicao)) >= 0)
                break;
        ASSERT_GE(achado, 0) << "row missing or out of order: " << linha.toStdString();
        posicao = achado + linha.size();
        // Whole words only: "9 - Verde" is no copy of "19 - Verde".
        const QRegularExpression inteira(QStringLiteral("(?<!\\S)") + QRegularExpression::escape(linha) +
                                         QStringLiteral("(?!\\S)"));
        EXPECT_EQ(tudo.count(inteira), arquivo.linhas.count(linha)) << linha.toStdString();
    }
}

}  // namespace
