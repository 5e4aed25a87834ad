#pragma once

#include <QStringList>

class QComboBox;
class QWidget;

// Form helpers of module "funcoes".

// Centres the window on its screen; a window larger than the screen gets a
// negative top and left.
void CentralizaForm(QWidget* janela);
// Selects the whole text of the focused text box (a QLineEdit, masked or
// not); any other focused control, or none, is left as it is.
void SelecionaTexto();
// Puts a filler's entries in the box in place of what it held.
void PreencheLista(QComboBox& combo, const QStringList& entradas);
