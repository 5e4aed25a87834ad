#pragma once

#include <QDialog>
#include <memory>

class QPrinter;

namespace Ui {
class frmEscolheImpressora;
}

// "Escolher Impressora": the printer and, through the page set-up dialog,
// its paper, orientation and margins. Works on the printer it is given;
// the caller keeps the choice when the dialog is accepted.
class frmEscolheImpressora : public QDialog {
    Q_OBJECT
public:
    frmEscolheImpressora(QPrinter& impressora, QWidget* parent = nullptr);
    ~frmEscolheImpressora() override;

private:
    void mudaImpressora(const QString& nome);
    void configuraPagina();
    void mostraPagina();

    QPrinter& impressora_;
    std::unique_ptr<Ui::frmEscolheImpressora> ui;
};
