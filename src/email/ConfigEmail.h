#pragma once

#include <QString>
#include <optional>

// The installation's mail server, c:\korva\config\email.ini: one caret line
// server^port^security^user^password^sender^[ca-file^]. An empty user sends
// without logging in. starttls and ssl check the server's certificate
// against the system's authorities, or only against the optional seventh
// field's file (a Windows or POSIX path) when it names one, for a server
// whose certificate the company signed itself.
enum class SegurancaEmail { Nenhuma, StartTls, Ssl };

struct ConfigEmail {
    QString servidor;
    int porta = 25;
    SegurancaEmail seguranca = SegurancaEmail::Nenhuma;
    QString usuario;
    QString senha;
    QString remetente;
    QString arquivoCa;  // local path; empty for the system's authorities
};

QString ArquivoConfigEmail();  // "c:\korva\config\email.ini"

// Nothing when the file is absent (e-mail not set up). A malformed line
// raises VbError 13 with a message naming the file and the field, never
// the password.
std::optional<ConfigEmail> LeConfigEmail();
// The same for a send that needs it: an absent file raises VbError 53.
ConfigEmail LeConfigEmailExigida();

// The list of addresses ("a@b.com, c@d.com.br"; "," or ";" between them);
// a missing or malformed address raises VbError 13 naming it.
QStringList LeEnderecos(const QString& lista);
bool EnderecoValido(const QString& endereco);
