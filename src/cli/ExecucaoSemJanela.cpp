#include "ExecucaoSemJanela.h"

#include "email/ConfigEmail.h"
#include "email/EnvioDeRelatorio.h"
#include "export/Exportacao.h"
#include "paging/PdfDoRelatorio.h"
#include "platform/ArquivoDeSaida.h"
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

namespace {

QString dataTexto(const QDate& data)
{
    return Format(Variant(QDateTime(data, QTime())), QStringLiteral("dd/mm/yyyy"));
}

// Start-up without a window, then the filter the form would hold: the
// company captions, and today for a date not given.
FiltroRelatorio inicia(const OpcoesLinhaDeComando& opcoes)
{
    const LegendasDaJanela legendas = IniciarJanela(opcoes.lancamento, ChamadaPadrao());
    FiltroRelatorio filtro = opcoes.filtro;
    filtro.codiEmpresa = Trim(legendas.codiEmpresa);
    filtro.nomeEmpresa = legendas.nomeEmpresa;
    filtro.tituloJanela = legendas.titulo;
    filtro.dtDe = opcoes.de.value_or(dataTexto(Hoje()));
    filtro.dtAte = opcoes.ate.value_or(dataTexto(Hoje()));
    return filtro;
}

// Runs `acao`; an error of the run becomes its message and exit code 4.
int tenta(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
        return saida::ErroNaExecucao;
    }
    return saida::Feito;
}

// What a run of the report engine left: the exit code, and on success
// the report file and its period.
struct Execucao {
    int codigo = saida::Feito;
    QString html;
    QString periodo;
};

Execucao executa(const FiltroRelatorio& filtro, MotorRelatorio motor)
{
    Execucao execucao;
    execucao.codigo = tenta([&] {
        const ResultadoRelatorio resultado = ExecutaRelatorio(filtro, motor);
        if (resultado.semDados)
            return;
        execucao.html = CaminhoLocal(resultado.arquivo);
        execucao.periodo = relatorio().Periodo;
    });
    if (execucao.codigo == saida::Feito && execucao.html.isEmpty())
        execucao.codigo = saida::SemDados;
    return execucao;
}

// The PDF, and the spreadsheet when --xlsx asked for one, to the addresses of --email.
void enviaPorEmail(const Execucao& execucao, const OpcoesLinhaDeComando& opcoes)
{
    const ConfigEmail config = LeConfigEmailExigida();
    RelatorioParaEnvio relatorio{execucao.html, execucao.periodo};
    if (!opcoes.xlsx.isEmpty())
        relatorio.formatos.append(FormatoDeAnexo::Xlsx);
    const QString assunto = AssuntoDoRelatorio(relatorio);
    EnvioDeRelatorio(relatorio, MensagemEmail{opcoes.email, assunto, TextoPadraoDoEnvio(assunto), {}}).Envia(config);
}

}  // namespace

QString ChamadaPadrao()
{
    return QStringLiteral("1^1^PRD^");
}

int ExecutaRelatorioSemJanela(const OpcoesLinhaDeComando& opcoes, const GravadorDePdf& pdfNavegador, QTextStream& saida)
{
    const Execucao execucao = executa(inicia(opcoes), opcoes.motor);
    if (execucao.codigo != saida::Feito)
        return execucao.codigo;
    const QString& html = execucao.html;
    saida << html << Qt::endl;
    const auto planilha = [&](FormatoPlanilha formato) {
        return [&, formato](const QString& destino) { ExportaRelatorio(html, destino, formato, execucao.periodo); };
    };
    const std::pair<QString, std::function<void(const QString&)>> arquivos[] = {
        {opcoes.pdf, [&](const QString& destino) { GravaPdf(html, destino); }},
        {opcoes.pdfNavegador, [&](const QString& destino) { pdfNavegador(html, destino); }},
        {opcoes.xlsx, planilha(FormatoPlanilha::Xlsx)},
        {opcoes.csv, planilha(FormatoPlanilha::Csv)}};
    int pior = saida::Feito;
    for (const auto& [destino, grava] : arquivos)
        if (!destino.isEmpty())
            pior = std::max(pior, tenta([&, &destino = destino, &grava = grava] {
                                grava(destino);
                                saida << destino << Qt::endl;
                            }));
    if (pior != saida::Feito || opcoes.email.isEmpty())
        return pior;
    return tenta([&] { enviaPorEmail(execucao, opcoes); });
}

int ExecutaDemoSemJanela(const OpcoesLinhaDeComando& opcoes, QTextStream& saida)
{
    FiltroRelatorio filtro = inicia(opcoes);
    filtro.dtDe = dataTexto(Hoje().addMonths(-3));
    filtro.dtAte = dataTexto(Hoje());
    int pior = saida::Feito;
    for (const NomeDoLayout& demo : NomesDosLayouts) {
        filtro.layout = demo.layout;
        const Execucao execucao = executa(filtro, opcoes.motor);
        pior = std::max(pior, execucao.codigo);
        if (execucao.codigo != saida::Feito)
            continue;
        const QFileInfo gerado(execucao.html);
        const QString base = gerado.absolutePath() + QStringLiteral("/pantoro-") + QLatin1String(demo.nome);
        const QString html = base + QStringLiteral(".html");
        pior = std::max(pior, tenta([&] {
                            QFile::remove(html);
                            if (!QFile::copy(gerado.absoluteFilePath(), html))
                                FalhaAoGravar(html, QStringLiteral("o relatório não pôde ser copiado."));
                            saida << html << Qt::endl;
                            GravaPdf(html, base + QStringLiteral(".pdf"));
                            saida << base + QStringLiteral(".pdf") << Qt::endl;
                        }));
    }
    return pior;
}
