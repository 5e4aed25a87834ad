#pragma once

#include "report/Relatorio.h"

#include <QStringList>
#include <cstdint>
#include <random>

// Small random companies for comparing the two report engines. The same seed
// gives the same rows. Ids grow in insertion order, as a server's sequences
// give them.
struct PerfilEmpresa {
    int pedidos = 40;
    // The corners: null, fractional and negative quantities, product codes
    // and order numbers carried by several rows, null codes and numbers,
    // order times other than midnight.
    bool cantos = true;
    // Quantities large enough to overflow a 16-bit sum.
    bool grandes = false;
};

// The insert statements of one company (ISO date literals, quotes doubled).
QStringList ComandosEmpresaAleatoria(uint32_t semente, const PerfilEmpresa& perfil);

// A filter drawn at random among the texts the companies hold (mixed case,
// blanks around, accents, an apostrophe, names nobody has, an invalid end
// date, a period without orders).
FiltroRelatorio FiltroAleatorio(std::mt19937& gerador, LayoutRelatorio layout);
