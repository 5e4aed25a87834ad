#pragma once

#include <QColor>
#include <QString>

class QWidget;

// Colour scheme of module "funcoes": the four colour variables hold VB colour
// numbers as decimal text.
void CarregaCores(const QString& esquema);
// Window background, frames and labels (background and text), buttons, text
// boxes, option buttons and check boxes (background); other controls untouched.
void AplicaCores(QWidget* janela);
// A VB colour number (BGR; 0x80000000 and up are system colours) as a Qt colour.
QColor CorVB(const QString& numero);
