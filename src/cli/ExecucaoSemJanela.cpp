#include "ExecucaoSemJanela.h"

#include "agenda/ExecucaoDaAgenda.h"
#include "agenda/FiltrosSalvos.h"
#include "agenda/LinhaDoPeriodo.h"
#include "agenda/PeriodoRelativo.h"
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

// A date as the window's date boxes show it.
QString dataTexto(const QDate& data)
{
    return Format(Variant(QDateTime(data, QTime())), QStringLiteral("dd/mm/yyyy"));
}

// Start-up without a window: the filter with the company captions and title.
FiltroRelatorio filtroDaEmpresa(const OpcoesLinhaDeComando& opcoes)
{
    const LegendasDaJanela legendas = IniciarJanela(opcoes.lancamento, ChamadaPadrao());
    FiltroRelatorio filtro = opcoes.filtro;
    filtro.codiEmpresa = Trim(legendas.codiEmpresa);
    filtro.nomeEmpresa = legendas.nomeEmpresa;
    filtro.tituloJanela = legendas.titulo;
    return filtro;
}

// Runs `acao`; an error of the run becomes its message and exit code 4, a
// saved set that is not there its message and exit code 2.
int tenta(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
        return saida::ErroNaExecucao;
    } catch (const ErroDeUso& erro) {
        MsgBox(QString::fromStdString(erro.what()), IconeMensagem::Critico, TituloRelease());
        return saida::Uso;
    }
    return saida::Feito;
}

// The saved set of --filtro on `base`, with its period computed for today.
FiltroRelatorio filtroSalvo(const QString& nome, const FiltroRelatorio& base)
{
    const DocumentoIni arquivo = LeArquivoAgenda();
    if (!arquivo.Contem(nome)) {
        const QStringList nomes = arquivo.Grupos();
        throw ErroDeUso(QStringLiteral("Não há filtro salvo com o nome \"%1\" em %2 (%3).")
                            .arg(nome, ArquivoAgenda(),
                                 nomes.isEmpty() ? QStringLiteral("o arquivo não tem nenhum")
                                                 : QStringLiteral("os nomes são: ") + nomes.join(QStringLiteral(", ")))
                            .toStdString());
    }
    return AplicaFiltroSalvo(FiltroSalvoDoGrupo(arquivo, nome), Hoje(), base);
}

// The filter the form would hold: a saved set's, or the options' with the
// period's days, or today for a date not given.
FiltroRelatorio filtroDasOpcoes(const OpcoesLinhaDeComando& opcoes, FiltroRelatorio filtro)
{
    if (!opcoes.filtroSalvo.isEmpty())
        return filtroSalvo(opcoes.filtroSalvo, filtro);
    if (!opcoes.periodo.isEmpty()) {
        const DatasDoPeriodo datas = CalculaPeriodo(opcoes.periodo, Hoje());
        filtro.dtDe = dataTexto(datas.de);
        filtro.dtAte = dataTexto(datas.ate);
        return filtro;
    }
    filtro.dtDe = opcoes.de.value_or(dataTexto(Hoje()));
    filtro.dtAte = opcoes.ate.value_or(dataTexto(Hoje()));
    return filtro;
}

// What a run of the report engine left: the exit code, and on success
// the report file, its period and the line of its period and filters.
struct Execucao {
    int codigo = saida::Feito;
    QString html;
    QString periodo;
    QString linhaDoPeriodo;
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
        execucao.linhaDoPeriodo = LinhaDoPeriodo(FiltroUsado(filtro, resultado));
    });
    if (execucao.codigo == saida::Feito && execucao.html.isEmpty())
        execucao.codigo = saida::SemDados;
    return execucao;
}

// The PDF, and the spreadsheet when --xlsx asked for one, to the addresses of --email.
void enviaPorEmail(const Execucao& execucao, const OpcoesLinhaDeComando& opcoes)
{
    const ConfigEmail config = LeConfigEmailExigida();
    RelatorioParaEnvio relatorio{execucao.html, execucao.periodo, {FormatoDeAnexo::Pdf}, execucao.linhaDoPeriodo};
    if (!opcoes.xlsx.isEmpty())
        relatorio.formatos.append(FormatoDeAnexo::Xlsx);
    const QString assunto = AssuntoDoRelatorio(relatorio);
    EnvioDeRelatorio(relatorio, MensagemEmail{opcoes.email, assunto, TextoPadraoDoEnvio(assunto), {}}).Envia(config);
}

// Shows no message: a scheduled run says what happened in its own lines.
class CaixaQuieta : public CaixaDeMensagem {
public:
    void Mostrar(const Mensagem&) override {}
};

// The message box in use for as long as it lives, the previous one after.
class CaixaDuranteAExecucao {
public:
    explicit CaixaDuranteAExecucao(std::shared_ptr<CaixaDeMensagem> caixa)
        : anterior_(InstalaCaixaDeMensagem(std::move(caixa)))
    {}
    ~CaixaDuranteAExecucao() { InstalaCaixaDeMensagem(anterior_); }
    CaixaDuranteAExecucao(const CaixaDuranteAExecucao&) = delete;
    CaixaDuranteAExecucao& operator=(const CaixaDuranteAExecucao&) = delete;

private:
    std::shared_ptr<CaixaDeMensagem> anterior_;
};

}  // namespace

QString ChamadaPadrao()
{
    return QStringLiteral("1^1^PRD^");
}

int ExecutaRelatorioSemJanela(const OpcoesLinhaDeComando& opcoes, const GravadorDePdf& pdfNavegador, QTextStream& saida)
{
    const FiltroRelatorio daEmpresa = filtroDaEmpresa(opcoes);
    FiltroRelatorio filtro;
    if (const int codigo = tenta([&] { filtro = filtroDasOpcoes(opcoes, daEmpresa); }); codigo != saida::Feito)
        return codigo;
    const Execucao execucao = executa(filtro, opcoes.motor);
    if (execucao.codigo != saida::Feito)
        return execucao.codigo;
    const QString& html = execucao.html;
    saida << html << Qt::endl;
    const auto planilha = [&](FormatoPlanilha formato) {
        return
            [&, formato](const QString& destino) { ExportaRelatorio(html, destino, formato, execucao.linhaDoPeriodo); };
    };
    const std::pair<QString, std::function<void(const QString&)>> arquivos[] = {
        {opcoes.pdf, [&](const QString& destino) { GravaPdf(html, destino, execucao.linhaDoPeriodo); }},
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
    FiltroRelatorio filtro = filtroDaEmpresa(opcoes);
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
                            GravaPdf(html, base + QStringLiteral(".pdf"), execucao.linhaDoPeriodo);
                            saida << base + QStringLiteral(".pdf") << Qt::endl;
                        }));
    }
    return pior;
}

int ExecutaAgendaSemJanela(const OpcoesLinhaDeComando& opcoes, QTextStream& registro)
{
    const FiltroRelatorio daEmpresa = filtroDaEmpresa(opcoes);
    const ServicosDaAgenda servicos{[](const FiltroRelatorio& filtro, const QString& arquivo) {
                                        return ExecutaRelatorio(filtro, MotorRelatorio::Rapido, {}, arquivo);
                                    },
                                    [](const MensagemEmail& mensagem) { EnviaEmail(LeConfigEmailExigida(), mensagem); },
                                    [&registro](const QString& linha) { registro << linha << Qt::endl; }};
    const CaixaDuranteAExecucao quieta(std::make_shared<CaixaQuieta>());
    const DesfechoDaAgenda desfecho =
        ExecutaAgenda(LocaisDaAgendaPadrao(ambiente().PastaRelatorios), daEmpresa, Agora(), servicos);
    return desfecho == DesfechoDaAgenda::Falhou ? saida::ErroNaExecucao : saida::Feito;
}
