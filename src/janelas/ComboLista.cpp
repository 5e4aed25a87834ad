#include "ComboLista.h"

ComboLista::ComboLista(QWidget* parent) : QComboBox(parent) {}

void ComboLista::showPopup()
{
    emit listaAbrindo();
    QComboBox::showPopup();
}
