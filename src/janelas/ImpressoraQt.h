#pragma once

#include "platform/Printing.h"

#include <QPageLayout>
#include <QString>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// The printer of the running program. "Escolher Impressora" chooses the
// printer and its page set-up, kept for the later prints of the session;
// until then printing goes to the system's default printer. With no printer
// installed, both commands raise VbError 482 saying so.
class ImpressoraQt : public Impressora {
public:
    // Shows the choice to the user; true when accepted. Tests put their own.
    using Escolha = std::function<bool(QPrinter& impressora, QWidget* parent)>;
    static bool EscolhaNaJanela(QPrinter& impressora, QWidget* parent);

    explicit ImpressoraQt(Escolha escolha = EscolhaNaJanela);

    void ConfigurarPagina() override;
    void ImprimirNaPadrao(const Imprimivel* documento, int copias) override;
    std::optional<QPageLayout> PaginaEscolhida() const override { return pagina_; }

private:
    void prepara(QPrinter& impressora) const;

    Escolha escolha_;
    QString nome_;
    std::optional<QPageLayout> pagina_;
};
