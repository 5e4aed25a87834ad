#pragma once

#include <QString>
#include <QTemporaryDir>

// A small tmpfs mounted on a temporary folder for one test, unmounted when
// the object goes away. Mounting needs root (CAP_SYS_ADMIN): `montada()`
// says whether it worked. Tests run as root, where permission bits do not
// stop a write, so a read-only or full file system is the real thing.
class PastaMontada {
public:
    enum class Tipo { SomenteLeitura, Cheia };
    explicit PastaMontada(Tipo tipo);
    ~PastaMontada();
    PastaMontada(const PastaMontada&) = delete;
    PastaMontada& operator=(const PastaMontada&) = delete;

    bool montada() const { return montada_; }
    QString caminho() const { return pasta_.path(); }

private:
    QTemporaryDir pasta_;
    bool montada_ = false;
};
