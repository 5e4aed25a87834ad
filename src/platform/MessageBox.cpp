#include "MessageBox.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QRegularExpression>
#include <cstdio>

namespace {

std::shared_ptr<CaixaDeMensagem>& caixaAtual()
{
    static std::shared_ptr<CaixaDeMensagem> caixa = std::make_shared<CaixaTerminal>();
    return caixa;
}

}  // namespace

int LarguraParaOTitulo(const QString& titulo, const QWidget* janela)
{
    const QFontMetrics metricas(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    // The title bar also holds the window's icon and its buttons.
    int largura = metricas.horizontalAdvance(titulo) + 6 * metricas.height();
    if (const QScreen* tela = janela ? janela->screen() : QGuiApplication::primaryScreen())
        // A box never grows past the screen less 480 pixels (Qt's own limit).
        largura = qMin(largura, qMax(0, tela->availableGeometry().width() - 480));
    return largura;
}

QString TituloPrograma()
{
    return QStringLiteral("Pantoro");
}

void MsgBox(const QString& prompt, IconeMensagem icone, const QString& titulo)
{
    caixaAtual()->Mostrar(Mensagem{prompt, icone, titulo});
}

std::shared_ptr<CaixaDeMensagem> InstalaCaixaDeMensagem(std::shared_ptr<CaixaDeMensagem> caixa)
{
    std::swap(caixaAtual(), caixa);
    return caixa;
}

QString TextoExibido(const QString& prompt)
{
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
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
    QMessageBox box(icone, mensagem.titulo, TextoExibido(mensagem.prompt), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // A box sizes itself to its text: a spacer keeps it wide enough for its title.
    if (auto* grade = qobject_cast<QGridLayout*>(box.layout()))
        grade->addItem(new QSpacerItem(LarguraParaOTitulo(mensagem.titulo, &box), 0, QSizePolicy::Minimum,
                                       QSizePolicy::Minimum),
                       grade->rowCount(), 0, 1, grade->columnCount());
    box.exec();
}

void CaixaTerminal::Mostrar(const Mensagem& mensagem)
{
    const QString text = mensagem.titulo + QStringLiteral(": ") + TextoExibido(mensagem.prompt) + u'\n';
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}
