#include "ExecucaoDoPrograma.h"

#include <QProcess>

Saida RodaPrograma(const QString& executavel, const QStringList& argumentos, const QProcessEnvironment& ambiente)
{
    QProcess processo;
    // The program speaks pt_BR, as the expected texts do, unless the test names another locale.
    QProcessEnvironment doPrograma = ambiente;
    if (!doPrograma.contains(QStringLiteral("PANTORO_LOCALE")))
        doPrograma.insert(QStringLiteral("PANTORO_LOCALE"), QStringLiteral("pt_BR"));
    processo.setProcessEnvironment(doPrograma);
    processo.start(executavel, argumentos);
    Saida saida;
    if (!processo.waitForFinished(300000) || processo.exitStatus() != QProcess::NormalExit)
        return saida;
    saida.codigo = processo.exitCode();
    saida.saida = QString::fromLocal8Bit(processo.readAllStandardOutput());
    saida.erro = QString::fromLocal8Bit(processo.readAllStandardError());
    return saida;
}
