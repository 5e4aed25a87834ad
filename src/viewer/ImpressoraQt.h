#pragma once

#include "platform/Printing.h"

#include <QPageLayout>
#include <optional>

// The printer of the running program: the page set-up the user chose in the
// dialog is kept for the next prints; printing goes to the system's default
// printer. With no printer installed, both commands raise VbError 482 saying so.
class ImpressoraQt : public Impressora {
public:
    void ConfigurarPagina(QWidget* parent) override;
    void ImprimirNaPadrao(QWebEngineView* documento) override;

private:
    std::optional<QPageLayout> pagina_;
};
