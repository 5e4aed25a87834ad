#include "ExecucaoDoPrograma.h"

#include <QProcess>

Saida RodaPrograma(const QString& executavel, const QStringList& argumentos, const QProcessEnvironment& ambiente)
{
    QProcess processo;
    processo.setProcessEnvironment(ambiente);
    processo.start(executavel, argumentos);
    Saida saida;
    if (!processo.waitForFinished(300000) || processo.exitStatus() != QProcess::NormalExit)
        return saida;
    saida.codigo = processo.exitCode();
    saida.saida = QString::fromLocal8Bit(processo.readAllStandardOutput());
    saida.erro = QString::fromLocal8Bit(processo.readAllStandardError());
    return saida;
}
