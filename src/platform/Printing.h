#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QWidget;
class QWebEngineView;

// What the viewer asks of a printer: one copy of the shown document to the
// default printer without a dialog, or the page set-up dialog.
class Impressora {
public:
    virtual ~Impressora() = default;
    virtual void ConfigurarPagina(QWidget* parent) = 0;
    virtual void ImprimirNaPadrao(QWebEngineView* documento) = 0;
};

std::shared_ptr<Impressora> ImpressoraAtual();
std::shared_ptr<Impressora> InstalaImpressora(std::shared_ptr<Impressora> impressora);

// Tests: records each command.
class ImpressoraGravadora : public Impressora {
public:
    void ConfigurarPagina(QWidget*) override { comandos << QStringLiteral("pagesetup"); }
    void ImprimirNaPadrao(QWebEngineView*) override { comandos << QStringLiteral("print"); }
    QStringList comandos;
};
