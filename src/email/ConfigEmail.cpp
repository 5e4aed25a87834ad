#include "ConfigEmail.h"

#include "platform/Conversions.h"
#include "platform/TextFile.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"
#include "startup/Ambiente.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

const char* const NomesDosCampos[] = {
    "servidor", "porta", "segurança", "usuário", "senha", "remetente", "arquivo da autoridade certificadora"};

[[noreturn]] void campoInvalido(int campo, const QString& motivo)
{
    throw VbError(vb_error::TypeMismatch, QStringLiteral("Configuração de e-mail inválida em %1, campo %2 (%3): %4")
                                              .arg(ArquivoConfigEmail())
                                              .arg(campo)
                                              .arg(QString::fromUtf8(NomesDosCampos[campo - 1]), motivo));
}

SegurancaEmail segurancaDe(const QString& texto)
{
    const QString nome = texto.toLower();
    if (nome == QLatin1String("nenhuma"))
        return SegurancaEmail::Nenhuma;
    if (nome == QLatin1String("starttls"))
        return SegurancaEmail::StartTls;
    if (nome == QLatin1String("ssl"))
        return SegurancaEmail::Ssl;
    campoInvalido(3, QStringLiteral("\"%1\" não é nenhuma, starttls nem ssl.").arg(texto));
}

}  // namespace

QString ArquivoConfigEmail()
{
    return QStringLiteral("c:\\korva\\config\\email.ini");
}

std::optional<ConfigEmail> LeConfigEmail()
{
    if (!ArquivoExiste(ArquivoConfigEmail()))
        return std::nullopt;
    QString linha = Trim(LerLinhas(ArquivoConfigEmail(), 1).value(0));
    QStringList campos;
    for (int16_t n = 1; n <= 6; ++n) {
        // Campo reads an absent field as ".".
        const QString campo = Trim(CStr(Campo(n, linha)));
        if (campo == QLatin1String(".") || linha.isEmpty())
            campoInvalido(n, QStringLiteral("campo ausente."));
        campos.append(campo);
    }
    ConfigEmail config;
    config.servidor = campos[0];
    if (config.servidor.isEmpty())
        campoInvalido(1, QStringLiteral("vazio."));
    bool numero = false;
    config.porta = campos[1].toInt(&numero);
    if (!numero || config.porta < 1 || config.porta > 65535)
        campoInvalido(2, QStringLiteral("\"%1\" não é uma porta (1 a 65535).").arg(campos[1]));
    config.seguranca = segurancaDe(campos[2]);
    config.usuario = campos[3];
    config.senha = campos[4];
    config.remetente = campos[5];
    if (!EnderecoValido(config.remetente))
        campoInvalido(6, QStringLiteral("\"%1\" não é um endereço de e-mail.").arg(config.remetente));
    const QString ca = Trim(CStr(Campo(7, linha)));
    if (ca.isEmpty() || ca == QLatin1String("."))
        return config;
    try {
        config.arquivoCa = CaminhoLocal(ca);
    } catch (const VbError&) {
        campoInvalido(7, QStringLiteral("\"%1\" não é um caminho de arquivo.").arg(ca));
    }
    if (!QFileInfo(config.arquivoCa).isFile())
        campoInvalido(7, QStringLiteral("o arquivo \"%1\" não existe.").arg(ca));
    return config;
}

ConfigEmail LeConfigEmailExigida()
{
    const std::optional<ConfigEmail> config = LeConfigEmail();
    if (!config)
        throw VbError(
            vb_error::FileNotFound,
            QStringLiteral("O envio de e-mail não está configurado: falta o arquivo %1.").arg(ArquivoConfigEmail()));
    return *config;
}

bool EnderecoValido(const QString& endereco)
{
    static const QRegularExpression forma(QStringLiteral(R"(^[^@\s<>(),;:"\[\]\\]+@[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)+$)"));
    return forma.match(endereco).hasMatch();
}

QStringList LeEnderecos(const QString& lista)
{
    static const QRegularExpression separador(QStringLiteral("[,;]"));
    QStringList enderecos;
    for (const QString& parte : lista.split(separador)) {
        const QString endereco = parte.trimmed();
        if (!EnderecoValido(endereco))
            throw VbError(vb_error::TypeMismatch,
                          endereco.isEmpty() ? QStringLiteral("Falta um endereço de e-mail na lista \"%1\".").arg(lista)
                                             : QStringLiteral("Endereço de e-mail inválido: \"%1\".").arg(endereco));
        enderecos.append(endereco);
    }
    return enderecos;
}
