#pragma once

#include "email/ConfigEmail.h"

#include <QString>
#include <QStringList>
#include <functional>

struct MensagemEmail {
    QStringList para;  // addresses, already checked (LeEnderecos)
    QString assunto;
    QString texto;
    QStringList anexos;  // local paths of the files attached
};

// 0 to 1 as the message goes out; may be called from the sending thread.
using ProgressoEnvio = std::function<void(double fracao)>;

// Sends through the configured server. A refusal, a server that does not
// answer or a file that cannot be attached raises VbError ProviderFailure
// with the server's text; the password appears in no message.
void EnviaEmail(const ConfigEmail& config, const MensagemEmail& mensagem, const ProgressoEnvio& progresso = {});

// "Relatório de Pedidos - De 01/05/2024 até 31/05/2024".
QString AssuntoDoRelatorio(const QString& titulo, const QString& periodo);
