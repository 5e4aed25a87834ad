#include "Python.h"

#include <QJsonArray>
#include <QJsonObject>

QString Python()
{
    return QStringLiteral("/usr/bin/python3");
}

QJsonDocument RodaScript(const QString& script, const QStringList& argumentos)
{
    QProcess processo;
    processo.start(Python(), QStringList{QStringLiteral(PANTORO_TESTES_EXPORT "/") + script} + argumentos);
    processo.waitForFinished(60000);
    const QByteArray erro = processo.readAllStandardError();
    if (!erro.isEmpty())
        qWarning("%s", erro.constData());
    return QJsonDocument::fromJson(processo.readAllStandardOutput());
}

QJsonValue Celula(const QJsonDocument& planilha, int folha, const QString& endereco)
{
    const int coluna = endereco.at(0).unicode() - 'A';
    const int linha = endereco.mid(1).toInt() - 1;
    return planilha.array().at(folha).toObject().value(QStringLiteral("linhas")).toArray().at(linha).toArray().at(coluna);
}
