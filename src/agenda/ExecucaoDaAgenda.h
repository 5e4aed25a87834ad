#pragma once

#include "email/EnvioEmail.h"
#include "export/Exportacao.h"
#include "report/Relatorio.h"

#include <QDateTime>
#include <QString>
#include <functional>

// pantoro --agenda: sends every schedule of the agenda file that is due.
// Per due schedule: the period for its due time, the report (set-based) in
// a folder of the schedule's own, the formats of enviar=, and one mail with
// all of them whose text states the period, the filters and the report's
// totals; then the state records the due time. A schedule that fails (a bad
// group, a report or file error, a mail server that refused or is down)
// keeps its state, so the next run tries it again; the others go on. Every
// send, every failure and every "nothing to send" is one line through
// `registra`. One run at a time: while another holds the lock, nothing is
// done.

// The pieces a run is made of, injected so the command line wires the real
// ones and the tests their own. Each raises VbError when it fails.
struct ServicosDaAgenda {
    // Runs the report of `filtro` with the set-based source into the local
    // path `arquivo`. An engine that writes elsewhere says where in
    // ResultadoRelatorio::arquivo (Windows or local path), and the run
    // copies the file to `arquivo`.
    std::function<ResultadoRelatorio(const FiltroRelatorio& filtro, const QString& arquivo)> executaRelatorio;
    // The report file `html` as a PDF at `destino`; `filtro` as the run used it.
    std::function<void(const QString& html, const QString& destino, const FiltroRelatorio& filtro)> gravaPdf;
    // The report file `html` as an XLSX or CSV file at `destino`.
    std::function<void(const QString& html, const QString& destino, FormatoPlanilha formato,
                       const FiltroRelatorio& filtro)>
        exportaPlanilha;
    // Returns once the mail server accepted the mail.
    std::function<void(const MensagemEmail& mensagem)> enviaEmail;
    // One line of the run's account (stderr; the journal under systemd).
    std::function<void(const QString& linha)> registra;
};

// Local paths of what a run reads and writes.
struct LocaisDaAgenda {
    QString arquivo;  // the agenda file
    QString estado;   // what was sent
    QString trava;    // the lock
    QString pasta;    // each schedule's files in a folder of its own below it
};

// The agenda, state and lock files of c:\korva\config, and the folder
// "agenda" of the report folder `pastaRelatorios` (Windows or local path).
LocaisDaAgenda LocaisDaAgendaPadrao(const QString& pastaRelatorios);

enum class DesfechoDaAgenda {
    Feito,       // every due schedule went out or had nothing to send
    Falhou,      // at least one did not; it is tried again at the next run
    EmAndamento  // another run holds the lock: nothing was done
};

// `base` brings the company captions and title of the start-up; `agora`
// is the program's clock.
DesfechoDaAgenda ExecutaAgenda(const LocaisDaAgenda& locais, const FiltroRelatorio& base, const QDateTime& agora,
                               const ServicosDaAgenda& servicos);

// The name of a schedule's folder and of its files: the schedule's name
// where it is safe as a file name, else made safe and marked with a hash of
// the name, so that two schedules never share a folder.
QString NomeDeArquivoDoAgendamento(const QString& nome);
