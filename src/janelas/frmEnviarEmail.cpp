#include "frmEnviarEmail.h"
#include "ui_frmEnviarEmail.h"

#include "email/EnvioEmail.h"
#include "platform/MessageBox.h"
#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <QThread>

frmEnviarEmail::frmEnviarEmail(const ConfigEmail& config, RelatorioParaEnvio relatorio, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmEnviarEmail>()), config_(config), relatorio_(std::move(relatorio))
{
    ui->setupUi(this);
    ui->txtAssunto->setText(AssuntoDoRelatorio(relatorio_));
    ui->lblSituacao->setText(QStringLiteral("Servidor: %1 (porta %2), remetente %3")
                                 .arg(config_.servidor)
                                 .arg(config_.porta)
                                 .arg(config_.remetente));
    connect(ui->cmdEnviar, &QPushButton::clicked, this, &frmEnviarEmail::cmdEnviar_Click);
    connect(ui->cmdFechar, &QPushButton::clicked, this, &frmEnviarEmail::reject);
}

frmEnviarEmail::~frmEnviarEmail()
{
    if (envio_)
        envio_->wait();
}

void frmEnviarEmail::reject()
{
    if (!envio_)
        QDialog::reject();
}

void frmEnviarEmail::emAndamento(bool enviando)
{
    for (QWidget* campo : std::initializer_list<QWidget*>{ui->txtPara, ui->txtAssunto, ui->txtMensagem,
                                                          ui->chkAnexarPlanilha, ui->cmdEnviar, ui->cmdFechar})
        campo->setEnabled(!enviando);
    ui->barProgresso->setValue(0);
}

void frmEnviarEmail::cmdEnviar_Click()
{
    RelatorioParaEnvio relatorio = relatorio_;
    if (ui->chkAnexarPlanilha->isChecked())
        relatorio.formatos.append(FormatoDeAnexo::Xlsx);
    try {
        const MensagemEmail mensagem{
            LeEnderecos(ui->txtPara->text()), ui->txtAssunto->text(), ui->txtMensagem->toPlainText(), {}};
        ui->lblSituacao->setText(QStringLiteral("Preparando os anexos..."));
        preparado_ = std::make_shared<const EnvioDeRelatorio>(relatorio, mensagem);
    } catch (const VbError& erro) {
        ui->lblSituacao->clear();
        MsgBox(erro.Description(), IconeMensagem::Exclamacao, TituloRelease());
        return;
    }

    emAndamento(true);
    ui->lblSituacao->setText(
        QStringLiteral("Enviando para %1...").arg(preparado_->Mensagem().para.join(QStringLiteral(", "))));
    const ProgressoEnvio progresso = [this](double fracao) {
        QMetaObject::invokeMethod(ui->barProgresso, "setValue", Qt::QueuedConnection, Q_ARG(int, int(fracao * 100)));
    };
    auto erro = std::make_shared<QString>();
    envio_ = QThread::create([config = config_, preparado = preparado_, progresso, erro] {
        try {
            preparado->Envia(config, progresso);
        } catch (const VbError& falha) {
            *erro = falha.Description();
        }
    });
    connect(envio_, &QThread::finished, this, [this, erro] { terminaEnvio(*erro); });
    envio_->start();
}

void frmEnviarEmail::terminaEnvio(const QString& erro)
{
    envio_->deleteLater();
    envio_ = nullptr;
    emAndamento(false);
    preparado_.reset();
    if (!erro.isEmpty()) {
        ui->lblSituacao->setText(QStringLiteral("O e-mail não foi enviado."));
        MsgBox(erro, IconeMensagem::Critico, TituloRelease());
        return;
    }
    ui->barProgresso->setValue(100);
    MsgBox(QStringLiteral("E-mail enviado para %1.").arg(ui->txtPara->text().trimmed()), IconeMensagem::Informacao,
           TituloRelease());
    accept();
}
