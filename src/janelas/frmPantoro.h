#pragma once

#include "report/Relatorio.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class frmPantoro;
}

// The order report filter: the program's start-up window and only main window.
class frmPantoro : public QWidget {
    Q_OBJECT
public:
    explicit frmPantoro(QWidget* parent = nullptr);
    ~frmPantoro() override;

    // The load event: the start-up sequence with the launch string (ends the
    // program through FimDoPrograma on a fatal start-up), then PreparaFiltros.
    void Carregar(const QString& argumentoChamada);
    // The filter defaults, on the connection start-up opened.
    void PreparaFiltros();
    // What the report run reads from the controls at the click.
    FiltroRelatorio Filtro() const;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void cboMarca_DropDown();
    void cboCliente_DropDown();
    void cboCliente_LostFocus();
    void cmdPesquisar_Cliente_Click();
    void mskDtAte_LostFocus();
    void AtualizaTamanhoFonte();
    void cmdImprimir_Click();
    void AbrePesquisaDeClientes();
    // Runs an event's work; a database or file error becomes a message and
    // the window stays usable.
    void ComAvisoDeErro(const std::function<void()>& acao);

    std::unique_ptr<Ui::frmPantoro> ui;
};
