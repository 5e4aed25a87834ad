#pragma once

#include "report/Relatorio.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class frmPantoro;
}

// The order report filter: the program's start-up window and only main window.
// Below the filters, "Filtros salvos" saves them under a name (with the
// window's dates or a relative period), fills the form from a saved set and
// deletes one; errors of the agenda file become a message.
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
    // The form set to `filtro`'s layout, date kind, dates, filters and font
    // size, as a user would set them.
    void MostraFiltro(const FiltroRelatorio& filtro);

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
    void cboFiltrosSalvos_DropDown();
    void cboFiltrosSalvos_Escolhido(const QString& nome);
    void cmdSalvarFiltros_Click();
    void cmdExcluirFiltro_Click();
    // The saved sets' names in the list, `nome` in the box.
    void AtualizaFiltrosSalvos(const QString& nome);
    // The name in the saved sets' box; empty, once `falta` has been shown,
    // when there is none.
    QString NomeDoFiltroSalvo(const QString& falta);
    // Runs an event's work; a database or file error becomes a message and
    // the window stays usable.
    void ComAvisoDeErro(const std::function<void()>& acao);

    std::unique_ptr<Ui::frmPantoro> ui;
};
