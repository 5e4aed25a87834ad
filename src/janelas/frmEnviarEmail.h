#pragma once

#include "email/ConfigEmail.h"
#include "email/EnvioDeRelatorio.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmEnviarEmail;
}
class QThread;

// The report by e-mail: to, subject (title and period), message, the XLSX
// optionally beside the PDF. The attachments are written when Enviar is
// clicked; sending runs off the window's thread with a progress bar; a
// refusal is shown and the dialog stays open to try again. The constructor
// raises the reader's VbError for a file that is not a report.
class frmEnviarEmail : public QDialog {
    Q_OBJECT
public:
    frmEnviarEmail(const ConfigEmail& config, RelatorioParaEnvio relatorio, QWidget* parent = nullptr);
    ~frmEnviarEmail() override;

    void reject() override;  // not while sending

private:
    void cmdEnviar_Click();
    void terminaEnvio(const QString& erro);
    void emAndamento(bool enviando);

    std::unique_ptr<Ui::frmEnviarEmail> ui;
    ConfigEmail config_;
    RelatorioParaEnvio relatorio_;
    std::shared_ptr<const EnvioDeRelatorio> preparado_;  // the message and attachments going out
    QThread* envio_ = nullptr;
};
