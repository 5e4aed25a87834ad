#include "frmHTML_Generico.h"
#include "ui_frmHTML_Generico.h"

#include "email/ConfigEmail.h"
#include "export/Exportacao.h"
#include "janelas/AjustesDeRelatorio.h"
#include "janelas/Posicionamento.h"
#include "janelas/SoArquivosLocais.h"
#include "janelas/VisualizacaoDePaginas.h"
#include "janelas/frmEnviarEmail.h"
#include "paging/RelatorioEmPaginas.h"
#include "platform/Conversions.h"
#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"
#include "report/Relatorio.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QScrollBar>
#include <QStyle>
#include <cmath>

namespace {

// Above this size the browser view takes more than 2 s to load a report
// here (0.8 to 2.4 s per MB, measured by bench/Paginas.cpp; it runs out of
// memory on the largest), so it is offered instead of loaded.
constexpr qint64 LimiteDoNavegador = 1024 * 1024;

QIcon icone(const char* tema, const char* reserva)
{
    return QIcon::fromTheme(QLatin1String(tema), QIcon(QLatin1String(reserva)));
}

// What prints when the file could not be read: nothing, and the reason.
class RelatorioIlegivel : public Imprimivel {
public:
    explicit RelatorioIlegivel(QString motivo) : motivo_(std::move(motivo)) {}
    void ImprimeEm(QPagedPaintDevice&, int, const QString&) const override
    {
        throw VbError(vb_error::ArquivoInvalido, motivo_);
    }

private:
    QString motivo_;
};

// The paper the next print uses: the one chosen in "Escolher Impressora", else the default.
QPageLayout paginaDaImpressao()
{
    const std::shared_ptr<Impressora> impressora = ImpressoraAtual();
    const std::optional<QPageLayout> escolhida = impressora ? impressora->PaginaEscolhida() : std::nullopt;
    return escolhida.value_or(RelatorioEmPaginas::PaginaPadrao());
}

}  // namespace

frmHTML_Generico::frmHTML_Generico(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::frmHTML_Generico>())
{
    ui->setupUi(this);
    Q_INIT_RESOURCE(icones);
    ui->cmdImprimir->setIcon(icone("document-print", ":/icones/imprimir.png"));
    ui->cmdEnviarEmail->setIcon(icone("mail-message-new", ":/icones/email.png"));
    connect(ui->cmdImprimir, &QToolButton::clicked, this, &frmHTML_Generico::cmdImprimir_Click);
    connect(ui->cmdEnviarEmail, &QToolButton::clicked, this, &frmHTML_Generico::cmdEnviarEmail_Click);
    ui->cmdExportar->setIcon(
        QIcon::fromTheme(QStringLiteral("x-office-spreadsheet"), style()->standardIcon(QStyle::SP_DialogSaveButton)));
    connect(ui->cmdExportar, &QToolButton::clicked, this, &frmHTML_Generico::cmdExportar_Click);
    for (const int zoom : {50, 75, 100, 125, 150, 200})
        ui->cboZoom->addItem(QStringLiteral("%1%").arg(zoom), zoom / 100.0);
    ui->cboZoom->setCurrentIndex(2);
    connect(ui->cboZoom, &QComboBox::currentIndexChanged, this,
            [this] { ui->PaginasDoRelatorio->DefineZoom(ui->cboZoom->currentData().toDouble()); });
    connect(ui->PaginasDoRelatorio, &VisualizacaoDePaginas::PaginasMudaram, this, &frmHTML_Generico::mostraPaginas);
    connect(ui->PaginasDoRelatorio->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &frmHTML_Generico::mostraPaginas);
    connect(ui->cmdAbrirNavegador, &QPushButton::clicked, this, &frmHTML_Generico::carregaNavegador);
    connect(ui->WebBrowser1->page(), &QWebEnginePage::renderProcessTerminated, this, &frmHTML_Generico::navegadorParou);

    setWindowTitle(TituloRelease() + QStringLiteral(" (") + ambiente().CodiAmbiente + QStringLiteral(")") +
                   QStringLiteral(" - Visualização de Relatório"));
    ui->txtNrCopias->setText(QStringLiteral("1"));
    ui->lblArqGerado->setText(relatorio().ArquivoHTML);
    ui->lblArqGerado->repaint();

    AjustaPaginaDeRelatorio(ui->WebBrowser1->settings());
    ui->WebBrowser1->page()->setUrlRequestInterceptor(new SoArquivosLocais(this));

    try {
        arquivo_ = CaminhoLocal(ui->lblArqGerado->text());
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
    }
    ui->PaginasDoRelatorio->Abre(arquivo_, paginaDaImpressao());
    if (QFileInfo(arquivo_).size() <= LimiteDoNavegador) {
        carregaNavegador();
        ui->abasVisualizacao->setCurrentWidget(ui->abaNavegador);
    } else {
        ui->WebBrowser1->hide();
        ui->abasVisualizacao->setCurrentWidget(ui->abaPaginas);
    }
}

frmHTML_Generico::~frmHTML_Generico() = default;

void frmHTML_Generico::carregaNavegador()
{
    ui->cmdAbrirNavegador->hide();
    ui->WebBrowser1->show();
    ui->WebBrowser1->load(QUrl::fromLocalFile(arquivo_));
}

// The page the browser held is gone: its tab offers it again, the pages show the report.
void frmHTML_Generico::navegadorParou(QWebEnginePage::RenderProcessTerminationStatus estado)
{
    if (estado == QWebEnginePage::NormalTerminationStatus)
        return;
    ui->WebBrowser1->hide();
    ui->cmdAbrirNavegador->show();
    ui->abasVisualizacao->setCurrentWidget(ui->abaPaginas);
    MsgBox(QStringLiteral("O navegador parou de mostrar o relatório (memória insuficiente ou falha do navegador)."
                          "\rO relatório inteiro está na aba \"Páginas\", que também o imprime."),
           IconeMensagem::Exclamacao, TituloRelease());
}

// Placed once its layout has a size: on the available screen, never larger.
void frmHTML_Generico::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    CentralizaNaTela(this);
}

void frmHTML_Generico::mostraPaginas()
{
    const VisualizacaoDePaginas* paginas = ui->PaginasDoRelatorio;
    const RelatorioEmPaginas* relatorio = paginas->Relatorio();
    if (!relatorio)
        ui->lblPaginas->setText(paginas->Erro());
    else if (!relatorio->Carregado())
        ui->lblPaginas->setText(QStringLiteral("%1 páginas até agora...").arg(relatorio->Prontas()));
    else
        ui->lblPaginas->setText(QStringLiteral("Página %1 de %2")
                                    .arg(std::min(paginas->PaginaVisivel() + 1, relatorio->Total()))
                                    .arg(relatorio->Total()));
}

void frmHTML_Generico::cmdImprimir_Click()
{
    double copias = Val(ui->txtNrCopias->text());
    if (copias > MaximoDeCopias) {
        MsgBox(QStringLiteral("Serão impressas no máximo %1 cópias.").arg(MaximoDeCopias), IconeMensagem::Exclamacao,
               TituloRelease());
        copias = MaximoDeCopias;
    }
    // One pass per whole copy, as the count from 1 in steps of 1 gives.
    const int passagens = copias >= 1 ? static_cast<int>(std::floor(copias)) : 0;
    const std::shared_ptr<Impressora> impressora = ImpressoraAtual();
    try {
        if (ui->chkEscolheImpressora->isChecked()) {
            for (int passagem = 0; passagem < passagens; ++passagem)
                impressora->ConfigurarPagina();
            ui->PaginasDoRelatorio->UsaPagina(paginaDaImpressao());
        } else if (passagens > 0) {
            // Every copy from one layout of the pages, in one job.
            QApplication::setOverrideCursor(Qt::WaitCursor);
            ui->PaginasDoRelatorio->CarregaTudo();
            QApplication::restoreOverrideCursor();
            const RelatorioIlegivel ilegivel(ui->PaginasDoRelatorio->Erro());
            const Imprimivel* documento = ui->PaginasDoRelatorio->Relatorio();
            impressora->ImprimirNaPadrao(documento ? documento : &ilegivel, passagens);
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
        frmEnviarEmail dialogo(*config, RelatorioParaEnvio{arquivo_, relatorio().Periodo}, this);
        dialogo.exec();
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
    }
}

void frmHTML_Generico::cmdExportar_Click()
{
    const QString xlsx = QStringLiteral("Planilha (*.xlsx)");
    const QString csv = QStringLiteral("Texto separado por ponto e vírgula (*.csv)");
    const QFileInfo html(arquivo_);
    QString filtro = xlsx;
    const QString destino =
        QFileDialog::getSaveFileName(this, QStringLiteral("Exportar Relatório"),
                                     html.absolutePath() + u'/' + html.completeBaseName() + QStringLiteral(".xlsx"),
                                     xlsx + QStringLiteral(";;") + csv, &filtro);
    if (destino.isEmpty())
        return;
    try {
        const bool comoCsv = filtro == csv || destino.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
        ExportaRelatorio(arquivo_, destino, comoCsv ? FormatoPlanilha::Csv : FormatoPlanilha::Xlsx,
                         relatorio().Periodo);
        MsgBox(QStringLiteral("Relatório exportado para %1").arg(destino), IconeMensagem::Informacao, TituloRelease());
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
    }
}
