#pragma once

#include <QString>
#include <cstdint>

// Text helper of module "funcoes": it touches no database.

// Trims the caller's text (cut to `tamanho` when longer) and returns it padded
// with blanks to exactly `tamanho` characters, on the right when
// `alinhaEsquerda`, else on the left.
QString AjustaTamanho(QString& texto, int16_t tamanho, bool alinhaEsquerda);
