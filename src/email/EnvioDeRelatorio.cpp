#include "EnvioDeRelatorio.h"

#include "export/Exportacao.h"
#include "paging/PdfDoRelatorio.h"
#include "platform/VbError.h"

#include <QFileInfo>

namespace {

// Writes one attachment as `base` plus its extension; returns its path.
QString escreveAnexo(FormatoDeAnexo formato, const RelatorioParaEnvio& relatorio, const QString& base)
{
    switch (formato) {
    case FormatoDeAnexo::Pdf:
        GravaPdf(relatorio.arquivoHtml, base + QStringLiteral(".pdf"));
        return base + QStringLiteral(".pdf");
    case FormatoDeAnexo::Xlsx:
        ExportaRelatorio(relatorio.arquivoHtml, base + QStringLiteral(".xlsx"), FormatoPlanilha::Xlsx,
                         relatorio.periodo);
        return base + QStringLiteral(".xlsx");
    case FormatoDeAnexo::Csv:
        ExportaRelatorio(relatorio.arquivoHtml, base + QStringLiteral(".csv"), FormatoPlanilha::Csv, relatorio.periodo);
        return base + QStringLiteral(".csv");
    case FormatoDeAnexo::Html:
        break;
    }
    return relatorio.arquivoHtml;
}

}  // namespace

QString AssuntoDoRelatorio(const RelatorioParaEnvio& relatorio)
{
    const QString titulo = LePlanilha(relatorio.arquivoHtml, relatorio.periodo).titulo;
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
        mensagem_.anexos.append(escreveAnexo(formato, relatorio, base));
}

void EnvioDeRelatorio::Envia(const ConfigEmail& config, const ProgressoEnvio& progresso) const
{
    EnviaEmail(config, mensagem_, progresso);
}
