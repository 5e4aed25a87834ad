#pragma once

class QWidget;

// Window background, frames and labels (background and text), buttons, text
// boxes, option buttons and check boxes (background; their text keeps the
// system's colour, even inside a painted frame); combo boxes, grids, masked
// boxes and browsers keep their colours. The colours are those
// CarregaCores left in module "funcoes"; a colour variable that is no
// colour number leaves that colour as it is.
void AplicaCores(QWidget* janela);
