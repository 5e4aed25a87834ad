#pragma once

#include <QColor>
#include <QString>

// Colour scheme of module "funcoes": the four colour variables hold VB colour
// numbers as decimal text.
void CarregaCores(const QString& esquema);
// A VB colour number (decimal, signed or not; BGR; 0x80000000 and up are the
// system colours, taken from the application palette) as a Qt colour; an
// invalid QColor for a text that is no colour number.
QColor CorVB(const QString& numero);
