#pragma once

#include "email/ConfigEmail.h"

#include <QDialog>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace Ui {
class frmEnviarEmail;
}
class QThread;

// What the send dialog attaches: each function writes its file into the
// folder it is given and returns the file's path (VbError when it cannot).
struct RelatorioParaEnvio {
    QString titulo;   // "Relatório de Pedidos"
    QString periodo;  // "De 01/05/2024 até 31/05/2024"
    std::function<QString(const QString& pasta)> geraPdf;
    std::function<QString(const QString& pasta)> geraPlanilha;
};

// The report by e-mail: to, subject (title and period), message, the XLSX
// optionally beside the PDF. Sending runs off the window's thread with a
// progress bar; a refusal is shown and the dialog stays open to try again.
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
    std::unique_ptr<QTemporaryDir> anexos_;
    QThread* envio_ = nullptr;
};
