#include "TravaDaAgenda.h"

#include "platform/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TravaDaAgenda::TravaDaAgenda(const QString& caminho)
{
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    descritor_ = ::open(QFile::encodeName(caminho).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (descritor_ < 0)
        throw VbError(vb_error::PathFileAccess,
                      QStringLiteral("O arquivo de trava da agenda %1 não pôde ser aberto: %2")
                          .arg(caminho, QString::fromLocal8Bit(std::strerror(errno))));
    int resultado;
    do
        resultado = ::flock(descritor_, LOCK_EX | LOCK_NB);
    while (resultado < 0 && errno == EINTR);
    obtida_ = resultado == 0;
}

TravaDaAgenda::~TravaDaAgenda()
{
    ::close(descritor_);
}

QString ArquivoTravaDaAgenda()
{
    return QStringLiteral("c:\\korva\\config\\pantoro-agenda.trava");
}
