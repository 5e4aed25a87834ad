#include "support/PastaMontada.h"

#include "fixtures/BaseRelatorio.h"
#include "platform/VbError.h"
#include "report/Relatorio.h"
#include "startup/Ambiente.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <iostream>
#include <memory>

// The report file cannot be written: the run ends with the file system's
// error naming the file, nothing is left for the viewer, and once the folder
// is usable again the next run writes the whole report.
namespace {

struct PastaRuim {
    const char* nome;
    long erro;
    const char* texto;
    // Prepares the bad folder inside `tmp`; returns the report folder to
    // use, or "" when this machine cannot provide it.
    std::function<QString(const QTemporaryDir& tmp, std::unique_ptr<PastaMontada>& montagem)> prepara;
};

const PastaRuim PastasRuins[] = {
    {"PastaInexistente", vb_error::PathNotFound, "Path not found",
     [](const QTemporaryDir& tmp, std::unique_ptr<PastaMontada>&) {
         return tmp.filePath(QStringLiteral("nao-existe/"));
     }},
    {"PastaQueEhUmArquivo", vb_error::PathNotFound, "Path not found",
     [](const QTemporaryDir& tmp, std::unique_ptr<PastaMontada>&) {
         QFile arquivo(tmp.filePath(QStringLiteral("relatorios")));
         return arquivo.open(QIODevice::WriteOnly) ? arquivo.fileName() + u'/' : QString();
     }},
    {"PastaSomenteLeitura", vb_error::PathFileAccess, "Path/File access error",
     [](const QTemporaryDir&, std::unique_ptr<PastaMontada>& montagem) {
         montagem = std::make_unique<PastaMontada>(PastaMontada::Tipo::SomenteLeitura);
         return montagem->montada() ? montagem->caminho() + u'/' : QString();
     }},
    {"DiscoCheio", vb_error::DiskFull, "Disk full",
     [](const QTemporaryDir&, std::unique_ptr<PastaMontada>& montagem) {
         montagem = std::make_unique<PastaMontada>(PastaMontada::Tipo::Cheia);
         return montagem->montada() ? montagem->caminho() + u'/' : QString();
     }},
};

class ArquivoDoRelatorio : public BaseRelatorio {};

TEST_P(ArquivoDoRelatorio, PastaQueNaoRecebeOArquivo)
{
    const FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::Detalhado);
    ExecutaRelatorio(filtro, GetParam().motor);
    const QByteArray esperado = arquivoGerado();
    ASSERT_FALSE(esperado.isEmpty());

    for (const PastaRuim& caso : PastasRuins) {
        SCOPED_TRACE(caso.nome);
        QTemporaryDir tmp;
        std::unique_ptr<PastaMontada> montagem;
        const QString pasta = caso.prepara(tmp, montagem);
        if (pasta.isEmpty()) {
            std::cout << "[ SKIPPED  ] " << caso.nome << ": needs root to mount a tmpfs\n";
            continue;
        }
        relatorio() = VariaveisRelatorio{};
        ambiente().PastaRelatorios = pasta;
        try {
            ExecutaRelatorio(filtro, GetParam().motor);
            ADD_FAILURE() << "the run wrote the report";
        } catch (const VbError& erro) {
            EXPECT_EQ(erro.Number(), caso.erro);
            EXPECT_EQ(erro.Description(),
                      QString::fromLatin1(caso.texto) + QStringLiteral(": ") + pasta + QStringLiteral("pantoro.html"));
        }
        EXPECT_TRUE(relatorio().ArquivoHTML.isEmpty());

        ambiente().PastaRelatorios = pastaRelatorios();
        const ResultadoRelatorio resultado = ExecutaRelatorio(filtro, GetParam().motor);
        EXPECT_EQ(resultado.arquivo, pastaRelatorios() + QStringLiteral("pantoro.html"));
        EXPECT_EQ(arquivoGerado(), esperado);
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, ArquivoDoRelatorio, ::testing::ValuesIn(ParametrosRelatorio()), NomeDoParametro);

}  // namespace
