#pragma once

#include "platform/MessageBox.h"

#include <QString>

class QWidget;

// The width a window needs for `titulo` to show whole in its title bar, at
// most what a message box may take on the screen.
int LarguraParaOTitulo(const QString& titulo, const QWidget* janela = nullptr);

// Modal QMessageBox over the active window, as wide as its title.
class CaixaQt : public CaixaDeMensagem {
public:
    void Mostrar(const Mensagem& mensagem) override;
};
