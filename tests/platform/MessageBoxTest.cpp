#include "Auxiliares.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class CaixaInstalada {
public:
    explicit CaixaInstalada(std::shared_ptr<CaixaDeMensagem> caixa) : anterior_(InstalaCaixaDeMensagem(caixa)) {}
    ~CaixaInstalada() { InstalaCaixaDeMensagem(anterior_); }

private:
    std::shared_ptr<CaixaDeMensagem> anterior_;
};

TEST(MsgBox, GravadoraGuardaTextoIconeETitulo)
{
    auto gravadora = std::make_shared<CaixaGravadora>();
    CaixaInstalada instalada(gravadora);
    MsgBox(QStringLiteral("Não há dados para exibir!"), IconeMensagem::Exclamacao,
           QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05"));
    MsgBox(QStringLiteral("linha 1\rlinha 2"));
    ASSERT_EQ(gravadora->mensagens.size(), 2);
    EXPECT_EQ(gravadora->mensagens[0].prompt, QStringLiteral("Não há dados para exibir!"));
    EXPECT_EQ(gravadora->mensagens[0].icone, IconeMensagem::Exclamacao);
    EXPECT_EQ(gravadora->mensagens[0].titulo, "ERP KORVA - Tevrano - Release 2014.08.05");
    EXPECT_EQ(gravadora->mensagens[1].prompt, "linha 1\rlinha 2");
    EXPECT_EQ(gravadora->mensagens[1].icone, IconeMensagem::Nenhum);
    EXPECT_EQ(gravadora->mensagens[1].titulo, "Pantoro");
}

TEST(MsgBox, InstalarDevolveACaixaAnterior)
{
    auto primeira = std::make_shared<CaixaGravadora>();
    auto segunda = std::make_shared<CaixaGravadora>();
    CaixaInstalada instalada(primeira);
    EXPECT_EQ(InstalaCaixaDeMensagem(segunda), primeira);
    MsgBox(QStringLiteral("x"));
    EXPECT_EQ(InstalaCaixaDeMensagem(primeira), segunda);
    EXPECT_TRUE(primeira->mensagens.isEmpty());
    EXPECT_EQ(segunda->mensagens.size(), 1);
}

TEST(TextoExibido, RetornoDeCarroQuebraALinha)
{
    EXPECT_EQ(TextoExibido("a\rb"), "a\nb");
    EXPECT_EQ(TextoExibido("a\r\nb"), "a\nb");
    EXPECT_EQ(TextoExibido("a\nb\r"), "a\nb\n");
}

TEST(CaixaTerminal, EscreveTituloETextoNoStderr)
{
    testing::internal::CaptureStderr();
    CaixaTerminal().Mostrar(Mensagem{QStringLiteral("Falha\rno servidor"), IconeMensagem::Critico, "Pantoro"});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Pantoro: Falha\nno servidor\n");
}

TEST(CaixaQt, MostraUmaCaixaModalComTextoSimplesIconeETitulo)
{
    QString texto, titulo;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    Qt::TextFormat formato = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        texto = box->text();
        titulo = box->windowTitle();
        icone = box->icon();
        formato = box->textFormat();
        box->accept();
    });
    CaixaQt().Mostrar(Mensagem{QStringLiteral("<b>1</b>\r2"), IconeMensagem::Critico, QStringLiteral("Título")});
    EXPECT_EQ(texto, "<b>1</b>\n2");
    EXPECT_EQ(titulo, QStringLiteral("Título"));
    EXPECT_EQ(icone, QMessageBox::Critical);
    EXPECT_EQ(formato, Qt::PlainText);
}

TEST(VbError, NumeroETextoChegamAQuemTrata)
{
    try {
        throw VbError(vb_error::ProviderFailure, QStringLiteral("Falha de Conexão"));
    } catch (const std::exception& erro) {
        EXPECT_STREQ(erro.what(), "Falha de Conex\xc3\xa3o");
        const auto* vb = dynamic_cast<const VbError*>(&erro);
        ASSERT_NE(vb, nullptr);
        EXPECT_EQ(vb->Number(), -2147467259);
        EXPECT_EQ(vb->Description(), QStringLiteral("Falha de Conexão"));
    }
}

TEST(FimDoPrograma, LevaOCodigoDeSaidaENaoEUmErroVb)
{
    try {
        throw FimDoPrograma(3);
    } catch (const VbError&) {
        ADD_FAILURE() << "caught as a VB error";
    } catch (const FimDoPrograma& fim) {
        EXPECT_EQ(fim.ExitCode(), 3);
    }
}

}  // namespace
