#include "PastaTemporaria.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

DriveCTemporario::DriveCTemporario()
{
    tinhaAnterior_ = qEnvironmentVariableIsSet("PANTORO_DRIVE_C");
    anterior_ = qgetenv("PANTORO_DRIVE_C");
    qputenv("PANTORO_DRIVE_C", pasta_.path().toLocal8Bit());
}

DriveCTemporario::~DriveCTemporario()
{
    if (tinhaAnterior_)
        qputenv("PANTORO_DRIVE_C", anterior_);
    else
        qunsetenv("PANTORO_DRIVE_C");
}

void DriveCTemporario::escreve(const QString& caminhoRelativo, const QByteArray& bytes) const
{
    EscreveArquivo(pasta_.path() + u'/' + caminhoRelativo, bytes);
}

QByteArray Conteudo(const QString& caminho)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

void EscreveArquivo(const QString& caminho, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QFile file(caminho);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + caminho.toStdString());
}
