#include "ExecucaoSemJanela.h"

#include "app/RelatorioPdf.h"
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
    IniciarSemJanela(opcoes.lancamento, chamadaPadrao);
    filtro.codiEmpresa = Trim(ambiente().CodiEmpresa);
    filtro.nomeEmpresa = NomeEmpresa(QString::number(ambiente().IdEmpresa));
    filtro.tituloJanela = TituloJanela();
}

// Runs one report; errors of the run become a message and exit code 4.
int executa(const FiltroRelatorio& filtro, MotorRelatorio motor, ResultadoRelatorio& resultado)
{
    try {
        resultado = ExecutaRelatorio(filtro, motor);
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
        return saida::ErroNaExecucao;
    }
    return resultado.semDados ? saida::SemDados : saida::Feito;
}

int gravaPdf(const QString& html, const QString& pdf, void (*grava)(const QString&, const QString&) = GravaPdf)
{
    try {
        grava(html, pdf);
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
        return saida::ErroNaExecucao;
    }
    escreveCaminho(pdf);
    return saida::Feito;
}

}  // namespace

QString ChamadaPadrao()
{
    return QStringLiteral("1^1^PRD^");
}

int ExecutaRelatorioSemJanela(const OpcoesLinhaDeComando& opcoes)
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
        pior = std::max(pior, gravaPdf(html, opcoes.pdfNavegador, GravaPdfNavegador));
    return pior;
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
