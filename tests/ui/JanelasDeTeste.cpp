#include "JanelasDeTeste.h"

#include <QKeyEvent>
#include <QDeadlineTimer>
#include <QTest>
#include <QWebEngineView>
#include <QTimer>

void JanelasDeTeste::SetUp()
{
    caixaAnterior_ = InstalaCaixaDeMensagem(caixa);
    impressoraAnterior_ = InstalaImpressora(impressora);
}

void JanelasDeTeste::TearDown()
{
    InstalaCaixaDeMensagem(caixaAnterior_);
    InstalaImpressora(impressoraAnterior_);
}

void JanelasDeTeste::clicaNaBorda(QWidget* controle)
{
    QTest::mouseClick(controle, Qt::LeftButton, {}, QPoint(6, controle->height() / 2));
}

void JanelasDeTeste::digitaTexto(QWidget* controle, const QString& texto)
{
    for (const QChar caractere : texto) {
        if (caractere.unicode() < 128) {
            QTest::keyClick(controle, caractere.toLatin1());
            continue;
        }
        QKeyEvent pressionada(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(caractere));
        QKeyEvent solta(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(caractere));
        QApplication::sendEvent(controle, &pressionada);
        QApplication::sendEvent(controle, &solta);
    }
}

void JanelasDeTeste::mostraAtiva(QWidget* janela)
{
    janela->show();
    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela));
}

std::unique_ptr<QTimer> JanelasDeTeste::aoAbrirModal(std::function<void(QWidget*)> acao)
{
    auto espera = std::make_unique<QTimer>();
    espera->setInterval(20);
    QTimer* relogio = espera.get();
    QObject::connect(relogio, &QTimer::timeout, [relogio, acao] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        relogio->stop();
        acao(modal);
        modal->close();
    });
    espera->start();
    return espera;
}

QString JanelasDeTeste::textoExibido(QWebEngineView* navegador, const QString& trecho)
{
    QString texto;
    QDeadlineTimer prazo(20000);
    // One request at a time: the page answers "" until its file has loaded.
    while (!texto.contains(trecho) && !prazo.hasExpired()) {
        bool respondeu = false;
        navegador->page()->toPlainText([&](const QString& resultado) {
            texto = resultado;
            respondeu = true;
        });
        if (!QTest::qWaitFor([&] { return respondeu; }, 5000))
            break;
        if (!texto.contains(trecho))
            QTest::qWait(50);
    }
    return texto;
}
