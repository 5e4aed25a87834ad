#include "CaixaQt.h"

#include "janelas/Posicionamento.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

namespace {

// A box sizes itself to its text whenever it lays itself out; a spacer in
// its layout keeps it as wide as its title, up to Qt's own limit of the
// screen less 480 pixels, and past that the box is widened after Qt.
class CaixaComTitulo : public QMessageBox {
public:
    CaixaComTitulo(Icon icone, const QString& titulo, const QString& texto, QWidget* pai)
        : QMessageBox(icone, titulo, texto, QMessageBox::Ok, pai)
    {
        if (auto* grade = qobject_cast<QGridLayout*>(layout()))
            grade->addItem(
                new QSpacerItem(LarguraParaOTitulo(titulo, this), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                grade->rowCount(), 0, 1, grade->columnCount());
    }

protected:
    bool event(QEvent* evento) override
    {
        const bool tratado = QMessageBox::event(evento);
        if (evento->type() == QEvent::Show || evento->type() == QEvent::LayoutRequest) {
            const int largura = LarguraParaOTitulo(windowTitle(), this);
            if (width() < largura) {
                setFixedWidth(largura);
                CentralizaNaTela(this);
            }
        }
        return tratado;
    }
};

}  // namespace

int LarguraParaOTitulo(const QString& titulo, const QWidget* janela)
{
    const QFontMetrics metricas(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    // The title bar also holds the window's icon and its buttons.
    int largura = metricas.horizontalAdvance(titulo) + 6 * metricas.height();
    if (const QScreen* tela = janela ? janela->screen() : QGuiApplication::primaryScreen())
        largura = qMin(largura, tela->availableGeometry().width() - 2 * metricas.height());
    return largura;
}

void CaixaQt::Mostrar(const Mensagem& mensagem)
{
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    switch (mensagem.icone) {
    case IconeMensagem::Critico:
        icone = QMessageBox::Critical;
        break;
    case IconeMensagem::Exclamacao:
        icone = QMessageBox::Warning;
        break;
    case IconeMensagem::Informacao:
        icone = QMessageBox::Information;
        break;
    case IconeMensagem::Nenhum:
        break;
    }
    CaixaComTitulo box(icone, mensagem.titulo, TextoExibido(mensagem.prompt), QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
