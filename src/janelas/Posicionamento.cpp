#include "Posicionamento.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace {

// What the window manager's frame adds around the window. Before the window
// is framed Qt knows nothing of it: a title bar is reserved then.
QSize Bordas(const QWidget* janela)
{
    const QSize bordas = janela->frameGeometry().size() - janela->geometry().size();
    if (!bordas.isNull() || (janela->windowFlags() & Qt::FramelessWindowHint))
        return bordas;
    return QSize(0, 2 * QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).height());
}

}  // namespace

void CentralizaNaTela(QWidget* janela)
{
    if (!janela || !janela->isWindow())
        return;
    QScreen* tela = janela->screen();
    if (!tela)
        return;
    if (QLayout* layout = janela->layout())
        layout->activate();
    const QRect area = tela->availableGeometry();
    const QSize bordas = Bordas(janela);
    const QSize tamanho = janela->size().boundedTo(area.size() - bordas).expandedTo(janela->minimumSize());
    if (tamanho != janela->size())
        janela->resize(tamanho);
    const QSize externo = tamanho + bordas;
    // A window whose minimum does not fit keeps its top-left corner on the
    // screen, where its title bar and first controls stay reachable.
    janela->move(area.left() + qMax(0, (area.width() - externo.width()) / 2),
                 area.top() + qMax(0, (area.height() - externo.height()) / 2));
}
