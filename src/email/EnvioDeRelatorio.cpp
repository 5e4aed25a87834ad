#include "EnvioDeRelatorio.h"

#include "export/Exportacao.h"
#include "paging/PdfDoRelatorio.h"
#include "platform/VbError.h"

#include <QFileInfo>

QString ExtensaoDoAnexo(FormatoDeAnexo formato)
{
    switch (formato) {
    case FormatoDeAnexo::Pdf:
        return QStringLiteral("pdf");
    case FormatoDeAnexo::Xlsx:
        return QStringLiteral("xlsx");
    case FormatoDeAnexo::Csv:
        return QStringLiteral("csv");
    case FormatoDeAnexo::Html:
        break;
    }
    return QStringLiteral("html");
}

QString EscreveAnexo(FormatoDeAnexo formato, const RelatorioParaEnvio& relatorio, const QString& base)
{
    const QString destino = base + u'.' + ExtensaoDoAnexo(formato);
    switch (formato) {
    case FormatoDeAnexo::Pdf:
        GravaPdf(relatorio.arquivoHtml, destino, relatorio.linhaDoPeriodo);
        return destino;
    case FormatoDeAnexo::Xlsx:
    case FormatoDeAnexo::Csv:
        ExportaRelatorio(relatorio.arquivoHtml, destino,
                         formato == FormatoDeAnexo::Xlsx ? FormatoPlanilha::Xlsx : FormatoPlanilha::Csv,
                         relatorio.linhaDoPeriodo);
        return destino;
    case FormatoDeAnexo::Html:
        break;
    }
    return relatorio.arquivoHtml;
}

QString AssuntoDoRelatorio(const RelatorioParaEnvio& relatorio)
{
    const QString titulo = LePlanilha(relatorio.arquivoHtml, QString()).titulo;
    return relatorio.periodo.isEmpty() ? titulo : titulo + QStringLiteral(" - ") + relatorio.periodo;
}

QString TextoPadraoDoEnvio(const QString& assunto)
{
    return assunto + QStringLiteral("\r\n\r\nRelatório em anexo.\r\n");
}

EnvioDeRelatorio::EnvioDeRelatorio(const RelatorioParaEnvio& relatorio, MensagemEmail mensagem)
    : mensagem_(std::move(mensagem))
{
    if (!pasta_.isValid())
        throw VbError(vb_error::PathFileAccess,
                      QStringLiteral("Os anexos não puderam ser preparados: %1").arg(pasta_.errorString()));
    const QString base = pasta_.filePath(QFileInfo(relatorio.arquivoHtml).completeBaseName());
    mensagem_.anexos.clear();
    for (const FormatoDeAnexo formato : relatorio.formatos)
        mensagem_.anexos.append(EscreveAnexo(formato, relatorio, base));
}

void EnvioDeRelatorio::Envia(const ConfigEmail& config, const ProgressoEnvio& progresso) const
{
    EnviaEmail(config, mensagem_, progresso);
}
