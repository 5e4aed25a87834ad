#include "support/PastaMontada.h"

#include "fixtures/BaseRelatorio.h"
#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <QTemporaryDir>
#include <iostream>
#include <memory>
#include <optional>

// The report file cannot be written: the run ends with the file system's
// error naming the file, nothing is left for the viewer, and once the folder
// is usable again the next run writes the whole report. The folder does not
// exist, or (root only: a tmpfs mounted for the test) is read-only or full.
namespace {

struct PastaRuim {
    const char* nome;
    long erro;
    const char* texto;
    std::optional<PastaMontada::Tipo> montagem;  // none: a folder that does not exist
};

const PastaRuim PastasRuins[] = {
    {"PastaInexistente", vb_error::PathNotFound, "Path not found", std::nullopt},
    {"PastaSomenteLeitura", vb_error::PathFileAccess, "Path/File access error", PastaMontada::Tipo::SomenteLeitura},
    {"DiscoCheio", vb_error::DiskFull, "Disk full", PastaMontada::Tipo::Cheia},
};

class ArquivoDoRelatorio : public BaseRelatorio {};

TEST_P(ArquivoDoRelatorio, PastaQueNaoRecebeOArquivo)
{
    const FiltroRelatorio filtro = filtroDeMaio(LayoutRelatorio::Detalhado);
    executa(filtro);
    const QByteArray esperado = arquivoGerado();
    ASSERT_FALSE(esperado.isEmpty());

    for (const PastaRuim& caso : PastasRuins) {
        SCOPED_TRACE(caso.nome);
        QTemporaryDir tmp;
        QString pasta = tmp.filePath(QStringLiteral("nao-existe/"));
        std::unique_ptr<PastaMontada> montagem;
        if (caso.montagem) {
            montagem = std::make_unique<PastaMontada>(*caso.montagem);
            if (!montagem->montada()) {
                std::cout << "[ SKIPPED  ] " << caso.nome << ": needs root to mount a tmpfs\n";
                continue;
            }
            pasta = montagem->caminho() + u'/';
        }
        relatorio() = VariaveisRelatorio{};
        ambiente().PastaRelatorios = pasta;
        try {
            executa(filtro);
            ADD_FAILURE() << "the run wrote the report";
        } catch (const VbError& erro) {
            EXPECT_EQ(erro.Number(), caso.erro);
            EXPECT_EQ(erro.Description(),
                      QString::fromLatin1(caso.texto) + QStringLiteral(": ") + pasta + QStringLiteral("pantoro.html"));
        }
        EXPECT_TRUE(relatorio().ArquivoHTML.isEmpty());

        ambiente().PastaRelatorios = pastaRelatorios();
        EXPECT_EQ(executa(filtro).arquivo, pastaRelatorios() + QStringLiteral("pantoro.html"));
        EXPECT_EQ(arquivoGerado(), esperado);
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, ArquivoDoRelatorio, ::testing::ValuesIn(ParametrosRelatorio()), NomeDoParametro);

}  // namespace
