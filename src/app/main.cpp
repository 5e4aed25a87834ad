#include "cli/ExecucaoSemJanela.h"
#include "cli/LinhaDeComando.h"
#include "demo/InstalacaoDemo.h"
#include "janelas/PdfNavegador.h"
#include "janelas/ProgramaJanela.h"
#include "platform/Fontes.h"
#include "platform/MessageBox.h"
#include "platform/TraducoesQt.h"
#include "platform/UserLocale.h"
#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace {

void escreve(FILE* fluxo, const QString& texto)
{
    QTextStream(fluxo) << texto;
}

// The mode decided, on a running application; the end of the program and
// the errors no run caught become exit codes.
int executa(QApplication& app, Decisao& decisao)
{
    OpcoesLinhaDeComando& opcoes = decisao.opcoes;
    QTextStream saidaPadrao(stdout);
    try {
        if (!opcoes.pastaDemo.isEmpty()) {
            PreparaInstalacaoDemo(opcoes.pastaDemo);
            if (!opcoes.lancamentoDado)
                opcoes.lancamento = ChamadaPadrao();
        }
        switch (decisao.modo) {
        case Modo::Janela:
            return ExecutaJanela(app, opcoes.lancamento);
        case Modo::Relatorio:
            return ExecutaRelatorioSemJanela(opcoes, GravaPdfNavegador, saidaPadrao);
        case Modo::Demo:
            return ExecutaDemoSemJanela(opcoes, saidaPadrao);
        case Modo::Responde:
            break;
        }
        return decisao.codigo;
    } catch (const FimDoPrograma& fim) {
        return fim.ExitCode();
    } catch (const VbError& erro) {
        escreve(stderr, erro.Description() + QLatin1Char('\n'));
        return saida::ErroNaExecucao;
    }
}

QStringList argumentosDe(int argc, char** argv)
{
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    return argumentos;
}

}  // namespace

int main(int argc, char** argv)
{
    Decisao decisao = DecideExecucao(argumentosDe(argc, argv), TemTela());
    if (decisao.modo == Modo::Responde) {
        escreve(stdout, decisao.saidaPadrao);
        escreve(stderr, decisao.erroPadrao);
        return decisao.codigo;
    }
    const bool janela = decisao.modo == Modo::Janela;
    // The demo company is Brazilian: its figures and dates read as pt_BR
    // wherever it runs, unless PANTORO_LOCALE names another locale.
    if (!decisao.opcoes.pastaDemo.isEmpty() && qEnvironmentVariableIsEmpty("PANTORO_LOCALE"))
        DefinirLocaleUsuario(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // Headless runs still need the browser engine (PDF), on no screen at all.
    if (!janela && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The browser engine refuses its sandbox to root.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The PDF writer grows and frees a buffer for every page; glibc would
    // hand that memory back to the system each time (a fifth of the run).
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    ConfiguraFontes();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    CarregaTraducoesDoQt(app, LocaleUsuario());
    // Headless, stderr carries the run's messages, not the engine's set-up report.
    if (!janela) {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
        InstalaCaixaDeMensagem(std::make_shared<CaixaTerminal>());
    }

    const int codigo = executa(app, decisao);
    // The connection goes before the database drivers' own statics do.
    ambiente().conexao.reset();
    return codigo;
}
