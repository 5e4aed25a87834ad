#pragma once

#include <QString>
#include <cstdint>

class QWidget;

// Form and text helpers of module "funcoes": they touch no database.

// Centres the window on its screen; a window larger than the screen gets a
// negative top and left.
void CentralizaForm(QWidget* janela);
// Selects the whole text of the focused text box (a QLineEdit, masked or
// not); any other focused control, or none, is left as it is.
void SelecionaTexto();
// Trims the caller's text (cut to `tamanho` when longer) and returns it padded
// with blanks to exactly `tamanho` characters, on the right when
// `alinhaEsquerda`, else on the left.
QString AjustaTamanho(QString& texto, int16_t tamanho, bool alinhaEsquerda);
