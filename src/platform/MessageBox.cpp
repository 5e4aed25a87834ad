#include "MessageBox.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
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
        largura = qMin(largura, tela->availableGeometry().width() * 9 / 10);
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
    // A box fixes its size to its text (and at most the screen less 480
    // pixels) as it is shown: widen it for its title once it is up.
    QTimer::singleShot(0, &box, [&box, &mensagem] {
        const int largura = LarguraParaOTitulo(mensagem.titulo, &box);
        if (box.width() < largura)
            box.setFixedWidth(largura);
    });
    box.exec();
}

void CaixaTerminal::Mostrar(const Mensagem& mensagem)
{
    const QString text = mensagem.titulo + QStringLiteral(": ") + TextoExibido(mensagem.prompt) + u'\n';
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}
