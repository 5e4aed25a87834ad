#pragma once

#include <QComboBox>
#include <QStringList>

// The entries of a drop-down list, top to bottom.
inline QStringList ItensDaLista(const QComboBox& lista)
{
    QStringList itens;
    for (int i = 0; i < lista.count(); ++i)
        itens << lista.itemText(i);
    return itens;
}
