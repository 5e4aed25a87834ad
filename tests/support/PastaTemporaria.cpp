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
    const QString caminho = pasta_.path() + u'/' + caminhoRelativo;
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QFile file(caminho);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + caminho.toStdString());
    file.write(bytes);
}
