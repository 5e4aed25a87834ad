#include "cli/ExecucaoSemJanela.h"
#include "cli/LinhaDeComando.h"
#include "demo/InstalacaoDemo.h"
#include "janelas/PdfNavegador.h"
#include "janelas/ProgramaJanela.h"
#include "platform/Clock.h"
#include "platform/Fontes.h"
#include "platform/Format.h"
#include "platform/TraducoesQt.h"
#include "platform/UserLocale.h"
#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <malloc.h>
#include <unistd.h>

namespace {

// Whether a window would reach a screen: the offscreen and minimal platforms
// draw on none, and the desktop ones need their display server.
bool temTela()
{
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM").split(':').constFirst();
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (plataforma.isEmpty())
        return x11 || wayland;
    if (plataforma == "offscreen" || plataforma == "minimal")
        return false;
    if (plataforma == "xcb")
        return x11;
    if (plataforma.startsWith("wayland"))
        return wayland;
    return true;
}

QString hojeTexto()
{
    return Format(Variant(QDateTime(Hoje(), QTime())), QStringLiteral("dd/mm/yyyy"));
}

void escreveErro(const QString& texto)
{
    QTextStream erro(stderr);
    erro << texto << Qt::endl;
}

// The mode the options ask for, on a running application.
int executa(QApplication& app, OpcoesLinhaDeComando& opcoes, bool janela)
{
    try {
        if (!opcoes.pastaDemo.isEmpty()) {
            PreparaInstalacaoDemo(opcoes.pastaDemo);
            if (!opcoes.lancamentoDado)
                opcoes.lancamento = ChamadaPadrao();
        }
        if (janela)
            return ExecutaJanela(app, opcoes.lancamento);
        if (opcoes.relatorio)
            return ExecutaRelatorioSemJanela(opcoes, GravaPdfNavegador);
        return ExecutaDemoSemJanela(opcoes);
    } catch (const FimDoPrograma& fim) {
        return fim.ExitCode();
    } catch (const VbError& erro) {
        escreveErro(erro.Description());
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
    OpcoesLinhaDeComando opcoes;
    try {
        opcoes = LeLinhaDeComando(argumentosDe(argc, argv));
    } catch (const ErroDeUso& erro) {
        escreveErro(QString::fromStdString(erro.what()) + QLatin1Char('\n') + TextoDeUso());
        return saida::Uso;
    }
    const bool demo = !opcoes.pastaDemo.isEmpty();
    // The demo company is Brazilian: its figures and dates read as pt_BR
    // wherever it runs, unless PANTORO_LOCALE names another locale.
    if (demo && qEnvironmentVariableIsEmpty("PANTORO_LOCALE"))
        DefinirLocaleUsuario(QLocale(QLocale::Portuguese, QLocale::Brazil));
    opcoes.DefineDatas(hojeTexto());

    const bool tela = temTela();
    const bool janela = !opcoes.relatorio && tela;
    if (!opcoes.relatorio && !demo && !tela) {
        escreveErro(QStringLiteral("pantoro: the filter window needs a display (DISPLAY or WAYLAND_DISPLAY), "
                                   "and there is none.\nWithout a window, run a report with --relatorio LAYOUT "
                                   "(or the demo with --demo DIR).\n") +
                    TextoDeUso());
        return saida::FalhaNoInicio;
    }
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
    if (!janela)
        QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));

    const int codigo = executa(app, opcoes, janela);
    // The connection goes before the database drivers' own statics do.
    ambiente().conexao.reset();
    return codigo;
}
