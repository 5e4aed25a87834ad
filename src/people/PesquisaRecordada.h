#pragma once

#include <QString>
#include <cstdint>

// The last search that ended in a pick. The search window stores it when a
// person is chosen and restores it at its next opening; it lives for the
// whole process and is never written to disk.
struct PesquisaRecordada {
    int32_t PesqTopRow = 0;
    QString PesqForma;
    QString PesqConteudo;
    QString PesqTexto;
    QString PesqDesativados;
    QString PesqCategoria;
};

// The process's one copy. Tests reset it with `pesquisaRecordada() = {}`.
PesquisaRecordada& pesquisaRecordada();
