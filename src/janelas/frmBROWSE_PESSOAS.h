#pragma once

#include "people/BuscaPessoas.h"

#include <QDialog>
#include <memory>

class FlexGrid;
class QLabel;
class VbError;

namespace Ui {
class frmBROWSE_PESSOAS;
}

// The person search window. Construction runs its load sequence: colour
// scheme, empty grid, defaults, customers only when TipoPessoaPesquisa is
// "CLIENTE", and the last remembered search restored (and run). Create one
// per opening, as the search starts from the creation defaults each time.
//
// Hand-back: a double-click on a person stores the remembered search and,
// when NomeTela is "frmPantoro" and TipoPessoaPesquisa is "CLIENTE", writes
// the person's name into the QLabel "lblCliente" of the top-level window
// named "frmPantoro"; the window then closes with Accepted. The two windows
// know each other only by those object names.
class frmBROWSE_PESSOAS : public QDialog {
    Q_OBJECT
public:
    explicit frmBROWSE_PESSOAS(QWidget* parent = nullptr);
    ~frmBROWSE_PESSOAS() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void CarregaJanela();
    void AplicaEsquemaDeCores();
    void DesabilitaCategorias();
    bool RestauraPesquisa();
    void Pesquisa();
    void EscolheLinha();
    void Limpa();
    void AbreListaDeAtividades();

    ParametrosBusca ParametrosDaJanela() const;
    void MarcaOpcao(const QString& nome);
    QLabel* RotuloClienteDoChamador() const;
    void MostraErro(const VbError& erro);

    // The view follows the grid's widths, current cell and top row.
    void AplicaLarguras();
    void RolaParaTopRow();
    void AcompanhaRolagem(int valor);

    std::unique_ptr<Ui::frmBROWSE_PESSOAS> ui;
    FlexGrid* flex_;
};
