#include "JanelasDeTeste.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
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

// First row holding ink (a pixel darker than mid grey), -1 for none; and the
// darkness summed over the image, which grows with the strokes' weight.
int TopoDaTinta(const QImage& imagem)
{
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            if (qGray(imagem.pixel(x, y)) < 128)
                return y;
    return -1;
}

double Tinta(const QImage& imagem)
{
    double soma = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            soma += 255 - qGray(imagem.pixel(x, y));
    return soma;
}

// The four samples of a size, left to right, each in a cell of this size (CSS pixels).
const QSize Celula(220, 40);
const QString Amostras[] = {QStringLiteral("MARCIA AGUAS"), QStringLiteral("MÁRCIA ÁGUAS"),
                            QStringLiteral("Nome Emissão"), QStringLiteral("Nome Emissão")};

QStringList FalhasDasAmostras(const QList<QImage>& celulas, int pontos, const QString& onde)
{
    QStringList falhas;
    const QString tamanho = QStringLiteral("%1 pt (%2)").arg(pontos).arg(onde);
    if (TopoDaTinta(celulas[0]) < 0)
        return {tamanho + QStringLiteral(": nothing drawn")};
    if (TopoDaTinta(celulas[1]) >= TopoDaTinta(celulas[0]))
        falhas << tamanho + QStringLiteral(": no accent above the capitals");
    // A bold face draws strokes visibly heavier than the regular one.
    if (Tinta(celulas[3]) < 1.25 * Tinta(celulas[2]))
        falhas << tamanho + QStringLiteral(": bold drawn as regular");
    return falhas;
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

QStringList JanelasDeTeste::problemasNaTela(const QWidget* janela)
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

QStringList JanelasDeTeste::colunasCortadas(const QTableView* grade, const QHash<int, QString>& maiores)
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

QStringList JanelasDeTeste::falhasDaTahoma(QWebEngineView* navegador, const QList<int>& pontos)
{
    // The browser: the report's own row style, one line of cells per size.
    QString html = QStringLiteral("<HTML><BODY style='margin:0;background:white'>");
    for (int linha = 0; linha < pontos.size(); ++linha)
        for (int i = 0; i < 4; ++i)
            html += QStringLiteral("<DIV style='position:absolute;left:%1px;top:%2px;%3FONT-SIZE: %4pt; "
                                   "FONT-FAMILY: Tahoma; FONT-VARIANT: small'>%5</DIV>")
                        .arg(i * Celula.width())
                        .arg(linha * Celula.height() + 8)
                        .arg(i == 3 ? QStringLiteral("FONT-WEIGHT: bold; ") : QString())
                        .arg(pontos[linha])
                        .arg(Amostras[i]);
    bool carregou = false;
    const QMetaObject::Connection carga =
        QObject::connect(navegador, &QWebEngineView::loadFinished, navegador, [&carregou] { carregou = true; });
    navegador->resize(4 * Celula.width(), pontos.size() * Celula.height() + 16);
    navegador->setHtml(html);
    navegador->show();
    const bool carregada = QTest::qWaitFor([&] { return carregou; }, 20000);
    QObject::disconnect(carga);  // `carregou` lives on this frame only
    if (!carregada)
        return {QStringLiteral("the sample page did not load")};
    QImage tela;
    // The first frames may still be blank.
    const bool desenhou = QTest::qWaitFor(
        [&] {
            tela = navegador->grab().toImage();
            return TopoDaTinta(tela) >= 0;
        },
        10000);
    if (!desenhou)
        return {QStringLiteral("the sample page stayed blank")};
    QTest::qWait(300);
    tela = navegador->grab().toImage();
    const double escala = tela.devicePixelRatio();

    QStringList falhas;
    for (int linha = 0; linha < pontos.size(); ++linha) {
        QList<QImage> doNavegador;
        QList<QImage> doPintor;
        for (int i = 0; i < 4; ++i) {
            const QRect celula(QPoint(i * Celula.width(), linha * Celula.height()) * escala, Celula * escala);
            doNavegador << tela.copy(celula);
            // Qt's painter, as the page renderer draws on paper and on the page view.
            QImage imagem(Celula * escala, QImage::Format_RGB32);
            imagem.setDevicePixelRatio(escala);
            imagem.fill(Qt::white);
            QPainter pintor(&imagem);
            QFont fonte(QStringLiteral("Tahoma"));
            fonte.setPointSize(pontos[linha]);
            fonte.setBold(i == 3);
            pintor.setFont(fonte);
            pintor.setPen(Qt::black);
            pintor.drawText(QRect(QPoint(), Celula), Qt::AlignLeft | Qt::AlignVCenter, Amostras[i]);
            pintor.end();
            doPintor << imagem;
        }
        falhas << FalhasDasAmostras(doNavegador, pontos[linha], QStringLiteral("browser"))
               << FalhasDasAmostras(doPintor, pontos[linha], QStringLiteral("painter"));
    }
    return falhas;
}
