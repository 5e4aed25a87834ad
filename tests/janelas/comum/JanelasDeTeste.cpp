#include "JanelasDeTeste.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

namespace {

QString Texto(const QRect& r)
{
    return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// The controls a user works with: the form's own (named) and a box's buttons.
bool DoUsuario(const QWidget* controle)
{
    const QString nome = controle->objectName();
    if (!nome.isEmpty() && !nome.startsWith(QLatin1String("qt_")))
        return true;
    return qobject_cast<const QAbstractButton*>(controle) &&
           qobject_cast<const QDialogButtonBox*>(controle->parentWidget());
}

QString Legenda(const QWidget* controle)
{
    if (auto* botao = qobject_cast<const QAbstractButton*>(controle))
        return botao->text();
    if (auto* rotulo = qobject_cast<const QLabel*>(controle))
        return rotulo->wordWrap() ? QString() : rotulo->text();
    return QString();
}

}  // namespace

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

void clicaNaBorda(QWidget* controle)
{
    QTest::mouseClick(controle, Qt::LeftButton, {}, QPoint(6, controle->height() / 2));
}

void mostraAtiva(QWidget* janela)
{
    janela->show();
    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela));
}

std::unique_ptr<QTimer> aoAbrirModal(std::function<void(QWidget*)> acao)
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

QString textoExibido(QWebEngineView* navegador, const QString& trecho)
{
    // The answer may come after this returns (a busy page): it writes to
    // state it shares, never to this frame.
    struct Resposta {
        QString texto;
        bool chegou = false;
    };
    QString texto;
    QDeadlineTimer prazo(60000);
    // One request at a time: the page answers "" until its file has loaded.
    while (!texto.contains(trecho) && !prazo.hasExpired()) {
        auto resposta = std::make_shared<Resposta>();
        navegador->page()->toPlainText([resposta](const QString& resultado) {
            resposta->texto = resultado;
            resposta->chegou = true;
        });
        if (!QTest::qWaitFor([&] { return resposta->chegou; }, static_cast<int>(prazo.remainingTime())))
            break;
        texto = resposta->texto;
        if (!texto.contains(trecho))
            QTest::qWait(50);
    }
    return texto;
}

QStringList problemasNaTela(const QWidget* janela)
{
    QStringList problemas;
    const QRect area = janela->screen()->availableGeometry();
    if (!area.contains(janela->frameGeometry()))
        problemas << QStringLiteral("%1: frame %2 beyond the screen's %3")
                         .arg(janela->objectName(), Texto(janela->frameGeometry()), Texto(area));
    for (const QWidget* controle : janela->findChildren<QWidget*>()) {
        if (!controle->isVisibleTo(janela) || !DoUsuario(controle))
            continue;
        const QRect onde(controle->mapTo(janela, QPoint()), controle->size());
        if (!janela->rect().contains(onde))
            problemas << QStringLiteral("%1 outside the window").arg(controle->objectName());
        const QString legenda = Legenda(controle);
        if (!legenda.isEmpty() && controle->width() < controle->sizeHint().width())
            problemas << QStringLiteral("\"%1\" cut: %2 of %3 px")
                             .arg(legenda)
                             .arg(controle->width())
                             .arg(controle->sizeHint().width());
    }
    return problemas;
}

QStringList colunasCortadas(const QTableView* grade, const QHash<int, QString>& maiores)
{
    QStringList cortadas;
    const QFontMetrics metricas = grade->fontMetrics();
    const QHeaderView* cabecalho = grade->horizontalHeader();
    const int margemCelula = 2 * (grade->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grade) + 1);
    const int margemCabecalho = 2 * grade->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, cabecalho);
    const QAbstractItemModel* modelo = grade->model();
    for (int c = 0; c < modelo->columnCount(); ++c) {
        if (grade->isColumnHidden(c))
            continue;
        const int largura = grade->columnWidth(c);
        // Names may be elided; numbers, dates and telephones may not.
        QStringList textos;
        if (maiores.contains(c))
            textos << maiores.value(c);
        for (int r = 0; r < modelo->rowCount() && maiores.contains(c); ++r)
            textos << modelo->index(r, c).data().toString();
        const QString titulo = modelo->headerData(c, Qt::Horizontal).toString();
        if (cabecalho->fontMetrics().horizontalAdvance(titulo) + margemCabecalho > largura)
            cortadas << QStringLiteral("header \"%1\" in %2 px").arg(titulo).arg(largura);
        for (const QString& texto : textos)
            if (metricas.horizontalAdvance(texto) + margemCelula > largura) {
                cortadas << QStringLiteral("\"%1\" in column \"%2\" of %3 px").arg(texto, titulo).arg(largura);
                break;
            }
    }
    if (grade->wordWrap())
        cortadas << QStringLiteral("cells wrap onto two lines");
    return cortadas;
}
