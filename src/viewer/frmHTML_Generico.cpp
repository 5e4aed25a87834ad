#include "frmHTML_Generico.h"
#include "ui_frmHTML_Generico.h"

#include "email/ConfigEmail.h"
#include "email/frmEnviarEmail.h"
#include "export/Exportacao.h"
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

#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
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
    ui->cmdExportar->setIcon(QIcon::fromTheme(QStringLiteral("x-office-spreadsheet"),
                                              style()->standardIcon(QStyle::SP_DialogSaveButton)));
    connect(ui->cmdExportar, &QToolButton::clicked, this, &frmHTML_Generico::cmdExportar_Click);

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
    try {
        const std::optional<ConfigEmail> config = LeConfigEmail();
        if (!config) {
            MsgBox(QStringLiteral("Esta função não está habilitada!"), IconeMensagem::Informacao, TituloRelease());
            return;
        }
        const QString html = CaminhoLocal(relatorio().ArquivoHTML);
        const QString periodo = relatorio().Periodo;
        RelatorioParaEnvio envio{LePlanilha(html, periodo).titulo, periodo,
                                 [this](const QString& pasta) { return gravaPdf(pasta + QStringLiteral("/pantoro.pdf")); },
                                 [html, periodo](const QString& pasta) {
                                     const QString xlsx = pasta + QStringLiteral("/pantoro.xlsx");
                                     ExportaRelatorio(html, xlsx, FormatoPlanilha::Xlsx, periodo);
                                     return xlsx;
                                 }};
        frmEnviarEmail dialogo(*config, envio, this);
        dialogo.exec();
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
    }
}

void frmHTML_Generico::cmdExportar_Click()
{
    const QString xlsx = QStringLiteral("Planilha (*.xlsx)");
    const QString csv = QStringLiteral("Texto separado por ponto e vírgula (*.csv)");
    try {
        const QFileInfo html(CaminhoLocal(relatorio().ArquivoHTML));
        QString filtro = xlsx;
        const QString destino = QFileDialog::getSaveFileName(
            this, QStringLiteral("Exportar Relatório"),
            html.absolutePath() + u'/' + html.completeBaseName() + QStringLiteral(".xlsx"), xlsx + QStringLiteral(";;") + csv,
            &filtro);
        if (destino.isEmpty())
            return;
        const bool comoCsv = filtro == csv || destino.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
        ExportaRelatorio(html.absoluteFilePath(), destino, comoCsv ? FormatoPlanilha::Csv : FormatoPlanilha::Xlsx,
                         relatorio().Periodo);
        MsgBox(QStringLiteral("Relatório exportado para %1").arg(destino), IconeMensagem::Informacao, TituloRelease());
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
    }
}

QString frmHTML_Generico::gravaPdf(const QString& arquivo)
{
    QEventLoop laco;
    bool gravou = false;
    connect(ui->WebBrowser1->page(), &QWebEnginePage::pdfPrintingFinished, &laco, [&](const QString&, bool ok) {
        gravou = ok;
        laco.quit();
    });
    ui->WebBrowser1->page()->printToPdf(arquivo, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                             QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    laco.exec();
    if (!gravou)
        throw VbError(vb_error::PathFileAccess, QStringLiteral("O PDF não pôde ser gravado: %1").arg(arquivo));
    return arquivo;
}
