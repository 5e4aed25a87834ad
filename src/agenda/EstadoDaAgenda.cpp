#include "EstadoDaAgenda.h"

#include "platform/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString FormaDaData = QStringLiteral("yyyy-MM-dd'T'HH:mm");

[[noreturn]] void danificado(const QString& caminho, const QString& motivo)
{
    throw VbError(vb_error::TypeMismatch,
                  QStringLiteral("O arquivo de estado da agenda %1 está danificado (%2). Nada foi enviado. "
                                 "Apagá-lo faz cada agendamento enviar de novo o seu último horário.")
                      .arg(caminho, motivo));
}

}  // namespace

QString ArquivoEstadoDaAgenda()
{
    return QStringLiteral("c:\\korva\\config\\pantoro-agenda.estado");
}

EstadoDaAgenda LeEstadoDaAgenda(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.exists())
        return {};
    if (!arquivo.open(QIODevice::ReadOnly))
        throw VbError(vb_error::PathFileAccess, QStringLiteral("O arquivo de estado da agenda %1 não pôde ser lido: %2")
                                                    .arg(caminho, arquivo.errorString()));
    QJsonParseError erro;
    const QJsonDocument documento = QJsonDocument::fromJson(arquivo.readAll(), &erro);
    if (erro.error != QJsonParseError::NoError)
        danificado(caminho, erro.errorString());
    if (!documento.isObject())
        danificado(caminho, QStringLiteral("não é um objeto JSON"));
    EstadoDaAgenda estado;
    const QJsonObject objeto = documento.object();
    for (auto item = objeto.constBegin(); item != objeto.constEnd(); ++item) {
        const QDateTime vencimento = QDateTime::fromString(item.value().toString(), FormaDaData);
        if (!vencimento.isValid())
            danificado(caminho, QStringLiteral("o horário de \"%1\" não é aaaa-mm-ddTHH:MM").arg(item.key()));
        estado.insert(item.key(), vencimento);
    }
    return estado;
}

void GravaEstadoDaAgenda(const QString& caminho, const EstadoDaAgenda& estado)
{
    QJsonObject objeto;
    for (auto item = estado.constBegin(); item != estado.constEnd(); ++item)
        objeto.insert(item.key(), item.value().toString(FormaDaData));
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(QJsonDocument(objeto).toJson()) < 0 || !arquivo.commit())
        throw VbError(vb_error::PathFileAccess,
                      QStringLiteral("O arquivo de estado da agenda %1 não pôde ser gravado: %2")
                          .arg(caminho, arquivo.errorString()));
}
