#pragma once

#include <QComboBox>

// A combo box that announces the opening of its list, so the window can
// refill the list just before it is shown.
class ComboLista : public QComboBox {
    Q_OBJECT
public:
    explicit ComboLista(QWidget* parent = nullptr);

    void showPopup() override;

signals:
    void listaAbrindo();
};
