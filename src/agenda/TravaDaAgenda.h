#pragma once

#include <QString>

// One agenda run at a time: an exclusive lock (flock) on a file beside the
// agenda file, taken without waiting. The kernel lets go of it when the
// process ends, however it ends, so a run that died never blocks the next.
// Two opens of the file in one process exclude each other as two processes do.
class TravaDaAgenda {
public:
    // Opens (creating) the file and tries the lock; a file that cannot be
    // opened raises VbError naming it.
    explicit TravaDaAgenda(const QString& caminho);
    ~TravaDaAgenda();
    TravaDaAgenda(const TravaDaAgenda&) = delete;
    TravaDaAgenda& operator=(const TravaDaAgenda&) = delete;

    // False while another run holds the lock.
    bool Obtida() const { return obtida_; }

private:
    int descritor_ = -1;
    bool obtida_ = false;
};

QString ArquivoTravaDaAgenda();  // "c:\korva\config\pantoro-agenda.trava"
