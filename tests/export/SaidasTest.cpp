#include "export/Exportacao.h"
#include "paging/PdfDoRelatorio.h"
#include "platform/VbError.h"
#include "support/Casos.h"
#include "support/ExecucaoDoPrograma.h"
#include "support/PastaTemporaria.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

// Every output at every kind of path: --pdf, --xlsx and --csv in this
// process, --pdf-navegador through the built program (the windows' engine).
namespace {

// Each output, and how its files start.
const std::pair<const char*, const char*> Formatos[] = {
    {"pdf", "%PDF-"}, {"pdf-navegador", "%PDF-"}, {"xlsx", "PK"}, {"csv", "\xEF\xBB\xBF"}};

// The golden standard report as `saida` at `destino`; VbError when refused.
void Grava(const std::string& saida, const QString& destino)
{
    const QString html = QStringLiteral(PANTORO_TESTS_DIR "/report/esperado/standard.html");
    if (saida == "pdf")
        return GravaPdf(html, destino);
    if (saida != "pdf-navegador")
        return ExportaRelatorio(html, destino, saida == "xlsx" ? FormatoPlanilha::Xlsx : FormatoPlanilha::Csv, {});
    static QTemporaryDir demo;
    const Saida programa = RodaPrograma(PANTORO_EXECUTAVEL, {"--demo", demo.path(), "--relatorio", "standard", "--de",
                                                             "01/05/2024", "--pdf-navegador", destino});
    if (programa.codigo == 0)
        return;
    EXPECT_EQ(programa.codigo, 4);
    throw VbError(0, programa.erro.trimmed());
}

mode_t Modo(const QString& caminho)
{
    struct stat estado {};
    return ::lstat(QFile::encodeName(caminho).constData(), &estado) == 0 ? estado.st_mode : 0;
}

// Makes in `pasta` a path of the kind the case names; returns the path to write at.
QString Prepara(const QString& tipo, const QString& pasta)
{
    const QString alvo = pasta + "/alvo", saida = pasta + "/saida";
    if (tipo == "existente-0640" || tipo == "vinculo") {
        EscreveArquivo(alvo, "velho");
        ::chmod(QFile::encodeName(alvo).constData(), 0640);
    }
    if (tipo.startsWith("vinculo"))
        QFile::link(alvo, saida);
    if (tipo == "fifo")
        ::mkfifo(QFile::encodeName(saida).constData(), 0644);
    if (tipo == "pasta")
        QDir().mkdir(saida);
    if (tipo == "dispositivo")  // a twin of /dev/null: a fault here replaces no system file
        ::mknod(QFile::encodeName(saida).constData(), S_IFCHR | 0666, makedev(1, 3));
    if (tipo == "existente-0640")
        return alvo;
    return tipo == "pasta-ausente" ? pasta + "/nao/existe" : saida;
}

class Saidas : public ::testing::TestWithParam<std::tuple<Caso, std::pair<const char*, const char*>>> {};

TEST_P(Saidas, GravadaInteiraOuRecusadaSemTocarNoCaminho)
{
    const auto& [caso, formato] = GetParam();
    const auto& [saida, inicio] = formato;
    ::umask(002);  // a new file's mode: 0664, neither the old 0640 nor a temporary file's 0600
    QTemporaryDir temporaria;
    const QString pasta = temporaria.path();
    const QString destino = Prepara(caso("caso"), pasta);
    const mode_t antes = Modo(destino);
    if (caso("caso") == "dispositivo" && antes == 0)
        GTEST_SKIP() << "mknod needs root";

    try {
        Grava(saida, destino);
        EXPECT_EQ(caso("mensagem"), QString()) << "written";
    } catch (const VbError& erro) {
        EXPECT_TRUE(erro.Description().endsWith(destino + QStringLiteral(": ") + caso("mensagem")) &&
                    !caso("mensagem").isEmpty())
            << erro.Description().toStdString();
    }
    EXPECT_TRUE(antes == 0 || (Modo(destino) & S_IFMT) == (antes & S_IFMT)) << "the path stays what it was";
    if (!caso("escrito").isEmpty()) {
        const QString escrito = pasta + u'/' + caso("escrito");
        EXPECT_EQ(Modo(escrito) & 07777, caso("modo").toUInt(nullptr, 8));
        EXPECT_TRUE(Conteudo(escrito).startsWith(inicio));
    }
    EXPECT_EQ(QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              caso.lista("restam"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, Saidas,
                         ::testing::Combine(::testing::ValuesIn(Casos("export/casos/saidas.tsv")),
                                            ::testing::ValuesIn(Formatos)),
                         [](const auto& info) {
                             return std::get<0>(info.param).nome() + '_' +
                                    QString::fromLatin1(std::get<1>(info.param).first).remove(u'-').toStdString();
                         });

}  // namespace
