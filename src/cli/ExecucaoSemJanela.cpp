#include "ExecucaoSemJanela.h"

#include "email/ConfigEmail.h"
#include "email/EnvioEmail.h"
#include "export/Exportacao.h"
#include "paging/PdfDoRelatorio.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"
#include "report/Relatorio.h"
#include "startup/Ambiente.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>

namespace {

void escreveCaminho(const QString& caminho)
{
    QTextStream saidaPadrao(stdout);
    saidaPadrao << caminho << Qt::endl;
}

// Start-up without a window, then the company captions the form would show.
void inicia(const OpcoesLinhaDeComando& opcoes, const QString& chamadaPadrao, FiltroRelatorio& filtro)
{
    InstalaCaixaDeMensagem(std::make_shared<CaixaTerminal>());
    const LegendasDaJanela legendas = IniciarJanela(opcoes.lancamento, chamadaPadrao);
    filtro.codiEmpresa = Trim(legendas.codiEmpresa);
    filtro.nomeEmpresa = legendas.nomeEmpresa;
    filtro.tituloJanela = legendas.titulo;
}

// A database or file error of the run: its message, exit code 4.
int falhaNaExecucao(const VbError& erro)
{
    MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
    return saida::ErroNaExecucao;
}

// Runs one report; errors of the run become a message and exit code 4.
int executa(const FiltroRelatorio& filtro, MotorRelatorio motor, ResultadoRelatorio& resultado)
{
    try {
        resultado = ExecutaRelatorio(filtro, motor);
    } catch (const VbError& erro) {
        return falhaNaExecucao(erro);
    }
    return resultado.semDados ? saida::SemDados : saida::Feito;
}

int gravaPdf(const QString& html, const QString& pdf, const GravadorDePdf& grava = GravaPdf)
{
    try {
        grava(html, pdf);
    } catch (const VbError& erro) {
        return falhaNaExecucao(erro);
    }
    escreveCaminho(pdf);
    return saida::Feito;
}

int exporta(const QString& html, const QString& destino, FormatoPlanilha formato, const QString& periodo)
{
    if (destino.isEmpty())
        return saida::Feito;
    try {
        ExportaRelatorio(html, destino, formato, periodo);
    } catch (const VbError& erro) {
        return falhaNaExecucao(erro);
    }
    escreveCaminho(destino);
    return saida::Feito;
}

// Mails the report's PDF (and the XLSX, when one was written) to the
// addresses of --email; without --pdf the PDF is made in a folder of its own.
int enviaPorEmail(const QString& html, const OpcoesLinhaDeComando& opcoes, const QString& periodo)
{
    try {
        const std::optional<ConfigEmail> config = LeConfigEmail();
        if (!config)
            throw VbError(vb_error::FileNotFound,
                          QStringLiteral("O envio de e-mail não está configurado: falta o arquivo %1.")
                              .arg(ArquivoConfigEmail()));
        QTemporaryDir pasta;
        const QString pdf = opcoes.pdf.isEmpty()
                                ? pasta.filePath(QFileInfo(html).completeBaseName() + QStringLiteral(".pdf"))
                                : opcoes.pdf;
        if (opcoes.pdf.isEmpty())
            GravaPdf(html, pdf);
        MensagemEmail mensagem;
        mensagem.para = opcoes.email;
        mensagem.assunto = AssuntoDoRelatorio(LePlanilha(html, periodo).titulo, periodo);
        mensagem.texto = mensagem.assunto + QStringLiteral("\r\n\r\nRelatório em anexo.\r\n");
        mensagem.anexos = QStringList{pdf};
        if (!opcoes.xlsx.isEmpty())
            mensagem.anexos.append(opcoes.xlsx);
        EnviaEmail(*config, mensagem);
    } catch (const VbError& erro) {
        return falhaNaExecucao(erro);
    }
    return saida::Feito;
}

}  // namespace

QString ChamadaPadrao()
{
    return QStringLiteral("1^1^PRD^");
}

int ExecutaRelatorioSemJanela(const OpcoesLinhaDeComando& opcoes, const GravadorDePdf& pdfNavegador)
{
    FiltroRelatorio filtro = opcoes.filtro;
    inicia(opcoes, ChamadaPadrao(), filtro);
    ResultadoRelatorio resultado;
    const int codigo = executa(filtro, opcoes.motor, resultado);
    if (codigo != saida::Feito)
        return codigo;
    const QString html = CaminhoLocal(resultado.arquivo);
    escreveCaminho(html);
    int pior = saida::Feito;
    if (!opcoes.pdf.isEmpty())
        pior = std::max(pior, gravaPdf(html, opcoes.pdf));
    if (!opcoes.pdfNavegador.isEmpty())
        pior = std::max(pior, gravaPdf(html, opcoes.pdfNavegador, pdfNavegador));
    if (pior != saida::Feito)
        return pior;
    const QString periodo = relatorio().Periodo;
    for (const auto& [destino, formato] :
         {std::pair{opcoes.xlsx, FormatoPlanilha::Xlsx}, std::pair{opcoes.csv, FormatoPlanilha::Csv}})
        if (exporta(html, destino, formato, periodo) != saida::Feito)
            return saida::ErroNaExecucao;
    return opcoes.email.isEmpty() ? saida::Feito : enviaPorEmail(html, opcoes, periodo);
}

int ExecutaDemoSemJanela(const OpcoesLinhaDeComando& opcoes)
{
    FiltroRelatorio filtro = opcoes.filtro;
    inicia(opcoes, ChamadaPadrao(), filtro);
    const QDate hoje = Hoje();
    filtro.dtDe = Format(Variant(QDateTime(hoje.addMonths(-3), QTime())), QStringLiteral("dd/mm/yyyy"));
    filtro.dtAte = Format(Variant(QDateTime(hoje, QTime())), QStringLiteral("dd/mm/yyyy"));

    int pior = saida::Feito;
    for (const NomeDoLayout& demo : NomesDosLayouts) {
        filtro.layout = demo.layout;
        ResultadoRelatorio resultado;
        const int codigo = executa(filtro, opcoes.motor, resultado);
        pior = std::max(pior, codigo);
        if (codigo != saida::Feito)
            continue;
        const QFileInfo gerado(CaminhoLocal(resultado.arquivo));
        const QString base = gerado.absolutePath() + QStringLiteral("/pantoro-") + QLatin1String(demo.nome);
        const QString html = base + QStringLiteral(".html");
        QFile::remove(html);
        if (!QFile::copy(gerado.absoluteFilePath(), html)) {
            MsgBox(QStringLiteral("O relatório não pôde ser copiado para %1").arg(html), IconeMensagem::Critico,
                   TituloRelease());
            pior = saida::ErroNaExecucao;
            continue;
        }
        escreveCaminho(html);
        pior = std::max(pior, gravaPdf(html, base + QStringLiteral(".pdf")));
    }
    return pior;
}
