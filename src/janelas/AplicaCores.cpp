#include "AplicaCores.h"

#include "shared/Cores.h"
#include "shared/Funcoes.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QWebEngineView>
#include <QWidget>

namespace {

void Pinta(QWidget* controle, QPalette::ColorRole papel, const QColor& cor)
{
    if (!cor.isValid())
        return;
    QPalette paleta = controle->palette();
    paleta.setColor(QPalette::Active, papel, cor);
    paleta.setColor(QPalette::Inactive, papel, cor);
    // Disabled controls inside a painted frame still read as disabled.
    if (papel != QPalette::WindowText)
        paleta.setColor(QPalette::Disabled, papel, cor);
    controle->setPalette(paleta);
    if (papel == QPalette::Window)
        controle->setAutoFillBackground(true);
}

// Makes every colour of `cores` the control's own, so that the colours given
// to the window and frames around it do not reach it.
void FixaCores(QWidget* controle, const QPalette& cores)
{
    QPalette propria;
    for (int grupo = 0; grupo < QPalette::NColorGroups; ++grupo)
        for (int papel = 0; papel < QPalette::NColorRoles; ++papel) {
            const auto g = static_cast<QPalette::ColorGroup>(grupo);
            const auto r = static_cast<QPalette::ColorRole>(papel);
            propria.setBrush(g, r, cores.brush(g, r));
        }
    controle->setPalette(propria);
}

enum class Tratamento { Intocado, FundoEFrente, Fundo, FundoDoTexto, Botao, Recipiente };

Tratamento TratamentoDe(QWidget* controle)
{
    // The order matters: labels and item views are frames too.
    if (qobject_cast<QComboBox*>(controle) || qobject_cast<QAbstractItemView*>(controle) ||
        qobject_cast<QAbstractSpinBox*>(controle) || qobject_cast<QWebEngineView*>(controle))
        return Tratamento::Intocado;
    if (auto* caixa = qobject_cast<QLineEdit*>(controle))
        return caixa->inputMask().isEmpty() ? Tratamento::FundoDoTexto : Tratamento::Intocado;
    if (qobject_cast<QTextEdit*>(controle) || qobject_cast<QPlainTextEdit*>(controle))
        return Tratamento::FundoDoTexto;
    if (qobject_cast<QRadioButton*>(controle) || qobject_cast<QCheckBox*>(controle))
        return Tratamento::Fundo;
    if (qobject_cast<QAbstractButton*>(controle))
        return Tratamento::Botao;
    if (qobject_cast<QLabel*>(controle) || qobject_cast<QGroupBox*>(controle))
        return Tratamento::FundoEFrente;
    if (qobject_cast<QAbstractScrollArea*>(controle))
        return Tratamento::Intocado;
    if (qobject_cast<QFrame*>(controle))
        return Tratamento::FundoEFrente;
    if (controle->metaObject() == &QWidget::staticMetaObject)
        return Tratamento::Recipiente;
    return Tratamento::Intocado;
}

// Children before their parent: a control left alone keeps its colours only
// when they are fixed before any frame or window around it is painted.
void AplicaAosControles(QWidget* pai, const QColor& fundo, const QColor& frente)
{
    for (QObject* filho : pai->children()) {
        auto* controle = qobject_cast<QWidget*>(filho);
        if (!controle || controle->isWindow())
            continue;
        switch (TratamentoDe(controle)) {
        case Tratamento::Intocado:
            FixaCores(controle, controle->palette());
            break;
        case Tratamento::FundoEFrente:
            AplicaAosControles(controle, fundo, frente);
            Pinta(controle, QPalette::Window, fundo);
            Pinta(controle, QPalette::WindowText, frente);
            break;
        case Tratamento::Fundo:
            // Their text keeps the system's colour inside a frame painted with the scheme's.
            FixaCores(controle, QApplication::palette(controle));
            Pinta(controle, QPalette::Window, fundo);
            break;
        case Tratamento::FundoDoTexto:
            Pinta(controle, QPalette::Base, fundo);
            break;
        case Tratamento::Botao:
            Pinta(controle, QPalette::Button, fundo);
            break;
        case Tratamento::Recipiente:
            AplicaAosControles(controle, fundo, frente);
            break;
        }
    }
}

}  // namespace

void AplicaCores(QWidget* janela)
{
    if (!janela)
        return;
    const QColor fundo = CorVB(funcoes().CorFundo1);
    const QColor frente = CorVB(funcoes().CorFrente1);
    AplicaAosControles(janela, fundo, frente);
    Pinta(janela, QPalette::Window, fundo);
}
