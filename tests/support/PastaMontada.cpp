#include "PastaMontada.h"

#include <QFile>
#include <sys/mount.h>

PastaMontada::PastaMontada(Tipo tipo)
{
    if (!pasta_.isValid())
        return;
    const QByteArray alvo = QFile::encodeName(pasta_.path());
    const unsigned long opcoes = tipo == Tipo::SomenteLeitura ? MS_RDONLY : 0;
    montada_ = ::mount("tmpfs", alvo.constData(), "tmpfs", opcoes, "size=64k") == 0;
    if (!montada_ || tipo != Tipo::Cheia)
        return;
    // Fills every block, so the first byte of the report finds no room.
    QFile enchimento(pasta_.filePath(QStringLiteral("enchimento")));
    if (enchimento.open(QIODevice::WriteOnly)) {
        const QByteArray bloco(4096, 'x');
        while (enchimento.write(bloco) == bloco.size() && enchimento.flush()) {}
    }
}

PastaMontada::~PastaMontada()
{
    if (montada_)
        ::umount2(QFile::encodeName(pasta_.path()).constData(), MNT_DETACH);
}
