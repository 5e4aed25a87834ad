#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QPagedPaintDevice;

// A document that paints its own pages on a printer: `copias` copies of
// every page, in one job, on the paper the device has; `dispositivo` names
// it in the messages of its errors.
class Imprimivel {
public:
    virtual ~Imprimivel() = default;
    virtual void ImprimeEm(QPagedPaintDevice& folhas, int copias, const QString& dispositivo) const = 0;
    // The job's name in the printer's queue.
    virtual QString NomeDoDocumento() const { return {}; }
};

// What the viewer asks of a printer: the shown document to the chosen (at
// first the default) printer without a dialog, in `copias` copies as one
// job; or the dialog that chooses the printer and its page set-up (over the
// active window), kept for the later prints.
class Impressora {
public:
    virtual ~Impressora() = default;
    virtual void ConfigurarPagina() = 0;
    virtual void ImprimirNaPadrao(const Imprimivel* documento, int copias = 1) = 0;
    // The page set-up the later prints use, once the user has chosen one.
    virtual std::optional<QPageLayout> PaginaEscolhida() const { return std::nullopt; }
};

std::shared_ptr<Impressora> ImpressoraAtual();
std::shared_ptr<Impressora> InstalaImpressora(std::shared_ptr<Impressora> impressora);

// Tests: records each command, a print once per copy.
class ImpressoraGravadora : public Impressora {
public:
    void ConfigurarPagina() override { comandos << QStringLiteral("pagesetup"); }
    void ImprimirNaPadrao(const Imprimivel*, int copias) override
    {
        for (int i = 0; i < copias; ++i)
            comandos << QStringLiteral("print");
    }
    QStringList comandos;
};
