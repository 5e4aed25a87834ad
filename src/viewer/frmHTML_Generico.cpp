#include "frmHTML_Generico.h"
#include "ui_frmHTML_Generico.h"

#include "platform/Conversions.h"
#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"
#include "report/Relatorio.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"
#include "viewer/AjustesDeRelatorio.h"
#include "viewer/SoArquivosLocais.h"

#include <QStyle>


frmHTML_Generico::frmHTML_Generico(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmHTML_Generico>())
{
    ui->setupUi(this);
    ui->cmdImprimir->setIcon(QIcon::fromTheme(QStringLiteral("document-print"),
                                              style()->standardIcon(QStyle::SP_FileIcon)));
    ui->cmdEnviarEmail->setIcon(QIcon::fromTheme(QStringLiteral("mail-send"),
                                                 style()->standardIcon(QStyle::SP_ArrowForward)));
    connect(ui->cmdImprimir, &QToolButton::clicked, this, &frmHTML_Generico::cmdImprimir_Click);
    connect(ui->cmdEnviarEmail, &QToolButton::clicked, this, &frmHTML_Generico::cmdEnviarEmail_Click);

    CentralizaForm(this);
    setWindowTitle(TituloRelease() + QStringLiteral(" (") + ambiente().CodiAmbiente + QStringLiteral(")")
                   + QStringLiteral(" - Visualização de Relatório"));
    ui->txtNrCopias->setText(QStringLiteral("1"));
    ui->lblArqGerado->setText(relatorio().ArquivoHTML);
    ui->lblArqGerado->repaint();

    AjustaPaginaDeRelatorio(ui->WebBrowser1->settings());
    ui->WebBrowser1->page()->setUrlRequestInterceptor(new SoArquivosLocais(this));

    try {
        ui->WebBrowser1->load(QUrl::fromLocalFile(CaminhoLocal(ui->lblArqGerado->text())));
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
    }
}

frmHTML_Generico::~frmHTML_Generico() = default;

void frmHTML_Generico::cmdImprimir_Click()
{
    double copias = Val(ui->txtNrCopias->text());
    if (copias > MaximoDeCopias) {
        MsgBox(QStringLiteral("Serão impressas no máximo %1 cópias.").arg(MaximoDeCopias),
               IconeMensagem::Exclamacao, TituloRelease());
        copias = MaximoDeCopias;
    }
    const std::shared_ptr<Impressora> impressora = ImpressoraAtual();
    try {
        for (double copia = 1; copia <= copias; ++copia) {
            if (ui->chkEscolheImpressora->isChecked())
                impressora->ConfigurarPagina(this);
            else
                impressora->ImprimirNaPadrao(ui->WebBrowser1);
        }
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
        return;
    }
    MsgBox(QStringLiteral("Impressão Encerrada"), IconeMensagem::Informacao);
}

void frmHTML_Generico::cmdEnviarEmail_Click()
{
    MsgBox(QStringLiteral("Esta função não está habilitada!"), IconeMensagem::Informacao, TituloRelease());
}
