#include "frmEscolheImpressora.h"
#include "ui_frmEscolheImpressora.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

frmEscolheImpressora::frmEscolheImpressora(QPrinter& impressora, QWidget* parent)
    : QDialog(parent), impressora_(impressora), ui(std::make_unique<Ui::frmEscolheImpressora>())
{
    ui->setupUi(this);
    ui->cboImpressora->addItems(QPrinterInfo::availablePrinterNames());
    ui->cboImpressora->setCurrentText(impressora.printerName());
    connect(ui->cboImpressora, &QComboBox::currentTextChanged, this, &frmEscolheImpressora::mudaImpressora);
    connect(ui->cmdPagina, &QPushButton::clicked, this, &frmEscolheImpressora::configuraPagina);
    connect(ui->botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    mostraPagina();
}

frmEscolheImpressora::~frmEscolheImpressora() = default;

void frmEscolheImpressora::mudaImpressora(const QString& nome)
{
    impressora_.setPrinterName(nome);
    mostraPagina();
}

void frmEscolheImpressora::configuraPagina()
{
    QPageSetupDialog dialogo(&impressora_, this);
    dialogo.exec();
    mostraPagina();
}

void frmEscolheImpressora::mostraPagina()
{
    const QPageLayout pagina = impressora_.pageLayout();
    ui->lblPagina->setText(
        pagina.pageSize().name() + QStringLiteral(", ") +
        (pagina.orientation() == QPageLayout::Portrait ? QStringLiteral("retrato") : QStringLiteral("paisagem")));
}
