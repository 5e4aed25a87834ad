#pragma once

#include <QColor>
#include <QString>

class QWidget;

// Colour scheme of module "funcoes": the four colour variables hold VB colour
// numbers as decimal text.
void CarregaCores(const QString& esquema);
// Window background, frames and labels (background and text), buttons, text
// boxes, option buttons and check boxes (background); combo boxes, grids,
// masked boxes and browsers keep their colours. A colour variable that is no
// colour number leaves that colour as it is.
void AplicaCores(QWidget* janela);
// A VB colour number (decimal, signed or not; BGR; 0x80000000 and up are the
// system colours, taken from the application palette) as a Qt colour; an
// invalid QColor for a text that is no colour number.
QColor CorVB(const QString& numero);
