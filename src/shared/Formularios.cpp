#include "Formularios.h"

#include "platform/Conversions.h"
#include "platform/VbError.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

namespace {

constexpr long ChamadaInvalida = 5;  // VB's "Invalid procedure call or argument"

}  // namespace

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

QString AjustaTamanho(QString& texto, int16_t tamanho, bool alinhaEsquerda)
{
    if (tamanho < 0)
        throw VbError(ChamadaInvalida, QStringLiteral("AjustaTamanho: tamanho negativo (%1)").arg(tamanho));
    texto = Trim(texto);
    if (texto.isEmpty())
        texto = QString(tamanho, QLatin1Char(' '));
    if (texto.length() > tamanho)
        texto = texto.left(tamanho);
    const QString brancos(tamanho - texto.length(), QLatin1Char(' '));
    return alinhaEsquerda ? texto + brancos : brancos + texto;
}
