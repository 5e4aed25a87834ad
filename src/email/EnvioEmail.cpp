#include "EnvioEmail.h"

#include "platform/VbError.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QUuid>
#include <curl/curl.h>
#include <memory>

namespace {

constexpr long SegundosParaConectar = 20;
constexpr long SegundosSemResposta = 60;

// The server's first refusal (a 4xx or 5xx reply), kept from curl's trace;
// what the program sends, the login included, is not kept.
struct Conversa {
    QString recusa;
    ProgressoEnvio progresso;
};

int guardaResposta(CURL*, curl_infotype tipo, char* dados, size_t tamanho, void* dadosDaConversa)
{
    auto* conversa = static_cast<Conversa*>(dadosDaConversa);
    const QString resposta = QString::fromUtf8(dados, int(tamanho)).trimmed();
    if (tipo == CURLINFO_HEADER_IN && conversa->recusa.isEmpty() &&
        (resposta.startsWith(u'4') || resposta.startsWith(u'5')))
        conversa->recusa = resposta;
    return 0;
}

int avisaProgresso(void* conversa, curl_off_t, curl_off_t, curl_off_t total, curl_off_t enviado)
{
    const ProgressoEnvio& progresso = static_cast<Conversa*>(conversa)->progresso;
    if (progresso && total > 0)
        progresso(double(enviado) / double(total));
    return 0;
}

// A header text outside ASCII as RFC 2047 encoded words.
QByteArray cabecalho(const QString& texto)
{
    const QByteArray utf8 = texto.toUtf8();
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80)
            return "=?UTF-8?B?" + utf8.toBase64() + "?=";
    return utf8;
}

struct Lista {
    curl_slist* itens = nullptr;
    ~Lista() { curl_slist_free_all(itens); }
    void acrescenta(const QByteArray& item) { itens = curl_slist_append(itens, item.constData()); }
};

[[noreturn]] void falha(const ConfigEmail& config, QString texto)
{
    if (!config.senha.isEmpty())
        texto.replace(config.senha, QStringLiteral("****"));
    throw VbError(vb_error::ProviderFailure, texto);
}

QByteArray enderecoDoServidor(const ConfigEmail& config)
{
    const QString esquema = config.seguranca == SegurancaEmail::Ssl ? QStringLiteral("smtps") : QStringLiteral("smtp");
    return QStringLiteral("%1://%2:%3").arg(esquema, config.servidor).arg(config.porta).toUtf8();
}

// The content type of an attachment the report sequence writes, by its extension.
const char* tipoDoAnexo(const QString& extensao)
{
    static const QHash<QString, const char*> tipos{
        {QStringLiteral("pdf"), "application/pdf"},
        {QStringLiteral("xlsx"), "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"},
        {QStringLiteral("csv"), "text/csv; charset=UTF-8"},
        {QStringLiteral("html"), "text/html; charset=windows-1252"}};
    return tipos.value(extensao.toLower(), "application/octet-stream");
}

// Why the mail did not go, in the user's words, for the failures a setting
// or the server's set-up explains; empty for the rest.
QString motivoDe(CURLcode codigo, const ConfigEmail& config)
{
    switch (codigo) {
    case CURLE_PEER_FAILED_VERIFICATION:
        if (!config.arquivoCa.isEmpty())
            return QStringLiteral("o certificado do servidor não é confiável: não foi assinado pela autoridade do "
                                  "arquivo %1.")
                .arg(config.arquivoCa);
        return QStringLiteral("o certificado do servidor não é confiável (assinado por ele mesmo ou por uma "
                              "autoridade desconhecida). Se o servidor é o da empresa, indique no sétimo campo de "
                              "%1 o arquivo da autoridade que assinou o certificado.")
            .arg(ArquivoConfigEmail());
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("o servidor não oferece conexão cifrada (STARTTLS), e a senha não é enviada sem ela. "
                              "Para enviar sem cifrar, a segurança em %1 deve ser nenhuma.")
            .arg(ArquivoConfigEmail());
    case CURLE_SSL_CONNECT_ERROR:
        return QStringLiteral("a conexão cifrada não pôde ser estabelecida; confira se a porta é de ssl ou de "
                              "starttls.");
    case CURLE_SSL_CACERT_BADFILE:
        return QStringLiteral("o arquivo da autoridade certificadora %1 não pôde ser lido.").arg(config.arquivoCa);
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("o nome do servidor não foi encontrado.");
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("o servidor não aceitou a conexão.");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("o servidor não respondeu a tempo.");
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("o servidor recusou o usuário ou a senha.");
    default:
        return QString();
    }
}

curl_mime* corpo(CURL* curl, const ConfigEmail& config, const MensagemEmail& mensagem)
{
    curl_mime* partes = curl_mime_init(curl);
    curl_mimepart* texto = curl_mime_addpart(partes);
    curl_mime_data(texto, mensagem.texto.toUtf8().constData(), CURL_ZERO_TERMINATED);
    curl_mime_type(texto, "text/plain; charset=UTF-8");
    curl_mime_encoder(texto, "quoted-printable");
    for (const QString& anexo : mensagem.anexos) {
        const QFileInfo arquivo(anexo);
        if (!arquivo.isFile() || !arquivo.isReadable()) {
            curl_mime_free(partes);
            falha(config, QStringLiteral("O anexo não pôde ser lido: %1").arg(anexo));
        }
        curl_mimepart* parte = curl_mime_addpart(partes);
        curl_mime_filedata(parte, QFile::encodeName(arquivo.absoluteFilePath()).constData());
        curl_mime_filename(parte, arquivo.fileName().toUtf8().constData());
        curl_mime_type(parte, tipoDoAnexo(arquivo.suffix()));
        curl_mime_encoder(parte, "base64");
    }
    return partes;
}

}  // namespace

void EnviaEmail(const ConfigEmail& config, const MensagemEmail& mensagem, const ProgressoEnvio& progresso)
{
    static const CURLcode iniciado = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (iniciado != CURLE_OK)
        falha(config, QString::fromUtf8(curl_easy_strerror(iniciado)));
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        falha(config, QStringLiteral("O envio de e-mail não pôde ser iniciado."));
    CURL* c = curl.get();

    const QByteArray servidor = enderecoDoServidor(config);
    curl_easy_setopt(c, CURLOPT_URL, servidor.constData());
    curl_easy_setopt(c, CURLOPT_USE_SSL,
                     config.seguranca == SegurancaEmail::Nenhuma ? CURLUSESSL_NONE : CURLUSESSL_ALL);
    // Only the named authority's certificates, when email.ini names one.
    const QByteArray autoridade = QFile::encodeName(config.arquivoCa);
    if (!autoridade.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, autoridade.constData());
    const QByteArray usuario = config.usuario.toUtf8();
    const QByteArray senha = config.senha.toUtf8();
    if (!config.usuario.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, usuario.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, senha.constData());
    }
    const QByteArray de = '<' + config.remetente.toUtf8() + '>';
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, de.constData());
    Lista destinatarios;
    for (const QString& para : mensagem.para)
        destinatarios.acrescenta('<' + para.toUtf8() + '>');
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, destinatarios.itens);

    Lista cabecalhos;
    cabecalhos.acrescenta("From: " + config.remetente.toUtf8());
    cabecalhos.acrescenta("To: " + mensagem.para.join(QStringLiteral(", ")).toUtf8());
    cabecalhos.acrescenta("Subject: " + cabecalho(mensagem.assunto));
    cabecalhos.acrescenta("Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toUtf8());
    cabecalhos.acrescenta("Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toUtf8() + '@' +
                          config.remetente.section(u'@', 1).toUtf8() + '>');
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, cabecalhos.itens);
    const std::unique_ptr<curl_mime, decltype(&curl_mime_free)> partes(corpo(c, config, mensagem), &curl_mime_free);
    curl_easy_setopt(c, CURLOPT_MIMEPOST, partes.get());

    Conversa conversa{QString(), progresso};
    char erro[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, erro);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, guardaResposta);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &conversa);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, avisaProgresso);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &conversa);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, SegundosParaConectar);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, SegundosSemResposta);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);

    const CURLcode resultado = curl_easy_perform(c);
    if (resultado == CURLE_OK)
        return;
    const QString detalhe = QString::fromUtf8(erro[0] ? erro : curl_easy_strerror(resultado));
    const QString motivo = motivoDe(resultado, config);
    QString texto = QStringLiteral("O e-mail não foi enviado pelo servidor %1 (porta %2): %3")
                        .arg(config.servidor)
                        .arg(config.porta)
                        .arg(motivo.isEmpty() ? detalhe : motivo + QStringLiteral("\r(") + detalhe + u')');
    if (!conversa.recusa.isEmpty())
        texto += QStringLiteral("\rResposta do servidor: ") + conversa.recusa;
    falha(config, texto);
}
