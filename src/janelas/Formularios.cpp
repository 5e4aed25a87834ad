#include "Formularios.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

void CentralizaForm(QWidget* janela)
{
    if (!janela)
        return;
    QScreen* tela = janela->screen();
    if (!tela)
        return;
    const QRect area = tela->geometry();
    const QRect moldura = janela->frameGeometry();
    const int topo = area.top() + (area.height() - moldura.height()) / 2;
    const int esquerda = area.left() + (area.width() - moldura.width()) / 2;
    janela->move(esquerda, topo);
}

void SelecionaTexto()
{
    auto* caixa = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!caixa)
        return;
    // The editor inside a combo or spin box belongs to that control, not to a text box.
    QObject* dono = caixa->parent();
    if (qobject_cast<QComboBox*>(dono) || qobject_cast<QAbstractSpinBox*>(dono))
        return;
    caixa->setSelection(0, caixa->text().length());
}

void PreencheLista(QComboBox& combo, const QStringList& entradas)
{
    combo.clear();
    combo.addItems(entradas);
}
