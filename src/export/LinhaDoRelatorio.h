#pragma once

#include <QStringList>

// One row of a report file as the report reader hands it over: the table it
// belongs to (numbered in file order from 0), whether the row is bold and the
// text of each cell, entities decoded ("&nbsp" reads as a no-break space).
struct LinhaDoRelatorio {
    int tabela = 0;
    bool negrito = false;
    QStringList celulas;
};
