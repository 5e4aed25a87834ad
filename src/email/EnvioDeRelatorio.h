#pragma once

#include "email/EnvioEmail.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

// Sending a finished report by e-mail: the one sequence the viewer's send
// dialog, the command line and scheduled delivery share. The attachments
// are written from the report file by the same writers as --pdf, --xlsx and
// --csv (the HTML is the report file itself), named after the report file
// ("pantoro.pdf"), and go out in one message.

enum class FormatoDeAnexo { Pdf, Xlsx, Csv, Html };

struct RelatorioParaEnvio {
    QString arquivoHtml;  // the finished report file (local path)
    QString periodo;      // "De 01/05/2024 até 31/05/2024"
    QList<FormatoDeAnexo> formatos{FormatoDeAnexo::Pdf};
};

// "Relatório de Pedidos - De 01/05/2024 até 31/05/2024": the report's title
// and period. Raises the reader's VbError for a file that is not a report.
QString AssuntoDoRelatorio(const RelatorioParaEnvio& relatorio);
// The body of a message nobody wrote (command line, schedules).
QString TextoPadraoDoEnvio(const QString& assunto);

// One send: made where the application runs (the PDF is painted), it writes
// the attachments into a folder of its own, removed with the object; the
// writers' VbError passes through. Envia may then run on another thread.
class EnvioDeRelatorio {
public:
    // `mensagem` gives the addresses, subject and text; its attachments are these.
    EnvioDeRelatorio(const RelatorioParaEnvio& relatorio, MensagemEmail mensagem);

    const MensagemEmail& Mensagem() const { return mensagem_; }
    // EnviaEmail's errors, unchanged.
    void Envia(const ConfigEmail& config, const ProgressoEnvio& progresso = {}) const;

private:
    QTemporaryDir pasta_;
    MensagemEmail mensagem_;
};
