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

// Sends through the configured server. With starttls or ssl the login and
// the message go only over a connection that is encrypted and whose
// certificate is trusted (ConfigEmail); the password is sent in clear only
// when the security is "nenhuma". A refusal, a server that does not answer,
// an untrusted certificate or a file that cannot be attached raises VbError
// ProviderFailure saying why in Portuguese, with the server's text; the
// password appears in no message.
void EnviaEmail(const ConfigEmail& config, const MensagemEmail& mensagem, const ProgressoEnvio& progresso = {});
