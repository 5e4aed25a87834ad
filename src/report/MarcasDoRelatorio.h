#pragma once

#include "platform/Versao.h"

#include <QString>

// What a report file's HTML tells of its own structure: the layouts write
// these marks and the page renderer reads them back, so both take them
// from here.
namespace marca {

// The table that opens one order's block: the renderer keeps the block
// (heading and item lines up to the next break) on one page when it fits.
inline const QString TabelaDoPedido = QStringLiteral("Table2");
// Every other table.
inline const QString TabelaComum = QStringLiteral("Table1");

// A table whose first row is bold (LinhaNegrito) has that row as its column
// headings: the renderer repeats it on every page the table continues on.

// The page frame's first row begins with the release text: a file whose
// first row does not is no report of this program.
inline QString InicioDaMoldura()
{
    return TituloRelease();
}

}  // namespace marca
