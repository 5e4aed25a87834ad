#pragma once

#include "platform/MessageBox.h"
#include "platform/Printing.h"

#include <QApplication>
#include <QHash>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class QTableView;
class QWebEngineView;

// Windows under test record their messages and prints instead of showing a
// box or reaching a printer; both seams come back as they were after each test.
class JanelasDeTeste : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::shared_ptr<CaixaGravadora> caixa = std::make_shared<CaixaGravadora>();
    std::shared_ptr<ImpressoraGravadora> impressora = std::make_shared<ImpressoraGravadora>();

private:
    std::shared_ptr<CaixaDeMensagem> caixaAnterior_;
    std::shared_ptr<Impressora> impressoraAnterior_;
};

// The named control of a window; the test fails when it is missing.
template <class Controle = QWidget> Controle* controle(const QWidget* janela, const char* nome)
{
    auto* encontrado = janela->findChild<Controle*>(QString::fromLatin1(nome));
    EXPECT_NE(encontrado, nullptr) << nome;
    return encontrado;
}

// A left click near the left edge, where option buttons and check boxes
// have their indicator (their middle may lie past the caption).
void clicaNaBorda(QWidget* controle);

// Shows the window and makes it the active one, so focus moves as the user sees it.
void mostraAtiva(QWidget* janela);

// Runs `acao` on the modal window the next event loop opens (the code that
// opens it blocks until it is closed), then closes that window. Watches
// while the returned timer lives.
[[nodiscard]] std::unique_ptr<QTimer> aoAbrirModal(std::function<void(QWidget*)> acao);

// The text the browser shows once it contains `trecho` (waits up to 60 s
// for the file to load); the last text seen otherwise.
QString textoExibido(QWebEngineView* navegador, const QString& trecho);

// What a user would find wrong with a shown window: its frame beyond the
// available area of its screen, a control outside the window, a caption
// narrower than its text. Empty when nothing is.
QStringList problemasNaTela(const QWidget* janela);

// Columns of a grid whose header does not fit on one line, or whose widest
// expected value (`maiores`, by column) or cells there do not.
QStringList colunasCortadas(const QTableView* grade, const QHash<int, QString>& maiores);
