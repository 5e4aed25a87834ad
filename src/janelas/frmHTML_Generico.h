#pragma once

#include <QDialog>
#include <QWebEnginePage>
#include <memory>

namespace Ui {
class frmHTML_Generico;
}

// The report viewer: shows the file named by ArquivoHTML on pages, as it
// prints, and in the browser view (loaded by itself only for files the
// browser shows quickly), and prints it in as many copies as asked. The
// caller shows it modally. When the browser's renderer ends abnormally (a
// report too large for its memory), the viewer says so and shows the pages.
class frmHTML_Generico : public QDialog {
    Q_OBJECT
public:
    explicit frmHTML_Generico(QWidget* parent = nullptr);
    ~frmHTML_Generico() override;

    // Copy counts above this are printed this many times, after a message.
    static constexpr int MaximoDeCopias = 99;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void cmdImprimir_Click();
    void cmdEnviarEmail_Click();
    void cmdExportar_Click();
    void carregaNavegador();
    void navegadorParou(QWebEnginePage::RenderProcessTerminationStatus estado);
    void mostraPaginas();

    QString arquivo_;

    std::unique_ptr<Ui::frmHTML_Generico> ui;
};
