#include "Agendamentos.h"

#include "agenda/GrupoIni.h"
#include "email/ConfigEmail.h"
#include "platform/VbError.h"

namespace {

constexpr FormatoEnvio Formatos[] = {FormatoEnvio::Pdf, FormatoEnvio::Xlsx, FormatoEnvio::Csv, FormatoEnvio::Html};

bool ehAgendamento(const DocumentoIni& arquivo, const QString& nome)
{
    for (const QString& chave : ChavesDeAgendamento())
        if (arquivo.TemChave(nome, chave))
            return true;
    return false;
}

QVector<FormatoEnvio> leFormatos(const GrupoIni& grupo)
{
    const QString chave = QStringLiteral("enviar");
    if (!grupo.Tem(chave))
        return {FormatoEnvio::Pdf};
    QVector<FormatoEnvio> formatos;
    for (const QString& parte : grupo.Valor(chave).split(u',')) {
        const QString nome = parte.trimmed().toLower();
        FormatoEnvio lido{};
        bool conhecido = false;
        for (const FormatoEnvio formato : Formatos)
            if (ExtensaoDoFormato(formato) == nome) {
                lido = formato;
                conhecido = true;
            }
        if (!conhecido)
            grupo.Falha(chave, QStringLiteral("\"%1\" não é um formato; use pdf, xlsx, csv e html, separados por "
                                              "vírgula.")
                                   .arg(parte.trimmed()));
        if (!formatos.contains(lido))
            formatos.append(lido);
    }
    return formatos;
}

Agendamento leAgendamento(const DocumentoIni& arquivo, const QString& nome)
{
    Agendamento agendamento;
    agendamento.filtro = FiltroSalvoDoGrupo(arquivo, nome);
    const GrupoIni grupo(arquivo, nome);
    agendamento.formatos = leFormatos(grupo);

    const QString para = QStringLiteral("para");
    if (grupo.Valor(para).trimmed().isEmpty())
        grupo.Falha(para, QStringLiteral("falta o endereço de e-mail de quem recebe o relatório."));
    try {
        agendamento.para = LeEnderecos(grupo.Valor(para));
    } catch (const VbError& erro) {
        grupo.Falha(para, erro.Description());
    }

    const QString quando = QStringLiteral("quando");
    if (!grupo.Tem(quando))
        grupo.Falha(quando, QStringLiteral("falta a chave quando= (%1).").arg(FormasDeQuando()));
    const std::optional<Quando> lido = LeQuando(grupo.Valor(quando));
    if (!lido)
        grupo.Falha(
            quando,
            QStringLiteral("\"%1\" não é um horário de envio; use %2.").arg(grupo.Valor(quando), FormasDeQuando()));
    agendamento.quando = *lido;

    const QString somente = QStringLiteral("somente-com-dados");
    const QString valor = grupo.Valor(somente).trimmed().toLower();
    if (!valor.isEmpty() && valor != QLatin1String("sim") && valor != QLatin1String("nao") &&
        valor != QStringLiteral("não"))
        grupo.Falha(somente, QStringLiteral("\"%1\" não é sim nem nao.").arg(grupo.Valor(somente)));
    agendamento.somenteComDados = valor == QLatin1String("sim");
    agendamento.assunto = grupo.Valor(QStringLiteral("assunto"));
    return agendamento;
}

}  // namespace

QString ExtensaoDoFormato(FormatoEnvio formato)
{
    switch (formato) {
    case FormatoEnvio::Pdf:
        return QStringLiteral("pdf");
    case FormatoEnvio::Xlsx:
        return QStringLiteral("xlsx");
    case FormatoEnvio::Csv:
        return QStringLiteral("csv");
    case FormatoEnvio::Html:
        return QStringLiteral("html");
    }
    return {};
}

QVector<AgendamentoLido> LeAgendamentos(const DocumentoIni& arquivo)
{
    QVector<AgendamentoLido> lidos;
    for (const QString& nome : arquivo.Grupos()) {
        if (!ehAgendamento(arquivo, nome))
            continue;
        AgendamentoLido lido{nome, {}, {}};
        try {
            lido.agendamento = leAgendamento(arquivo, nome);
        } catch (const VbError& erro) {
            lido.erro = erro.Description();
        }
        lidos.append(lido);
    }
    return lidos;
}
