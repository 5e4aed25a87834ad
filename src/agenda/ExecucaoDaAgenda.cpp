#include "ExecucaoDaAgenda.h"

#include "agenda/Agendamentos.h"
#include "agenda/CorpoDoEmail.h"
#include "agenda/EstadoDaAgenda.h"
#include "agenda/FiltrosSalvos.h"
#include "agenda/LinhaDoPeriodo.h"
#include "agenda/TravaDaAgenda.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

QString textoDoVencimento(const QDateTime& vencimento)
{
    return vencimento.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

// The report file where the run wants it, whole or not at all.
void copiaRelatorio(const QString& origem, const QString& destino)
{
    if (QFileInfo(origem).canonicalFilePath() == QFileInfo(destino).canonicalFilePath())
        return;
    QFile lido(origem);
    QSaveFile gravado(destino);
    if (!lido.open(QIODevice::ReadOnly) || !gravado.open(QIODevice::WriteOnly) || gravado.write(lido.readAll()) < 0 ||
        !gravado.commit())
        throw VbError(vb_error::PathFileAccess,
                      QStringLiteral("O relatório %1 não pôde ser copiado para %2").arg(origem, destino));
}

// One due schedule of a run.
class Envio {
public:
    Envio(const ServicosDaAgenda& servicos, const QString& nome, const Agendamento& agendamento,
          const QDateTime& vencimento)
        : servicos_(servicos), nome_(nome), agendamento_(agendamento), vencimento_(vencimento)
    {}

    // Writes the files and sends the mail; false when the schedule had
    // nothing to send (somente-com-dados). Raises VbError when it fails.
    bool Envia(const QString& pasta, const FiltroRelatorio& base)
    {
        QDir().mkpath(pasta);
        const QString arquivo = pasta + u'/' + NomeDeArquivoDoAgendamento(nome_);
        const QString html = arquivo + QStringLiteral(".html");
        filtro_ = AplicaFiltroSalvo(agendamento_.filtro, vencimento_.date(), base);
        const ResultadoRelatorio resultado = servicos_.executaRelatorio(filtro_, html);
        if (resultado.semDados && agendamento_.somenteComDados)
            return false;
        QStringList anexos;
        QStringList totais;
        if (!resultado.semDados) {
            copiaRelatorio(CaminhoLocal(resultado.arquivo), html);
            filtro_.dtAte = resultado.dtAte.isEmpty() ? filtro_.dtAte : resultado.dtAte;
            if (resultado.dataEmissaoForcada)
                filtro_.data = DataRelatorio::Emissao;
            for (const FormatoEnvio formato : agendamento_.formatos)
                anexos << grava(html, arquivo + u'.' + ExtensaoDoFormato(formato), formato);
            totais = TotaisDoRelatorio(html);
        }
        for (const QString& anexo : anexos)
            anexos_ << QFileInfo(anexo).fileName();
        MensagemEmail mensagem;
        mensagem.para = agendamento_.para;
        mensagem.assunto = AssuntoDoAgendamento(nome_, agendamento_.assunto, filtro_);
        mensagem.texto = TextoDoEmail(nome_, filtro_, totais, anexos_, resultado.semDados);
        mensagem.anexos = anexos;
        servicos_.enviaEmail(mensagem);
        return true;
    }

    QString Enviado() const
    {
        return QStringLiteral("agenda [%1]: enviado para %2 (horário %3; %4; anexos: %5).")
            .arg(nome_, agendamento_.para.join(QStringLiteral(", ")), textoDoVencimento(vencimento_),
                 LinhaDoPeriodo(filtro_),
                 anexos_.isEmpty() ? QStringLiteral("nenhum") : anexos_.join(QStringLiteral(", ")));
    }

    QString SemDados() const
    {
        return QStringLiteral("agenda [%1]: nada enviado, não há dados (horário %2; %3; somente-com-dados=sim).")
            .arg(nome_, textoDoVencimento(vencimento_), LinhaDoPeriodo(filtro_));
    }

    QString Falha(const QString& erro) const
    {
        return QStringLiteral("agenda [%1]: falha no envio do horário %2, tentado de novo na próxima execução: %3")
            .arg(nome_, textoDoVencimento(vencimento_), erro);
    }

    QString SemEstado(const QString& erro) const
    {
        return QStringLiteral("agenda [%1]: o horário %2 foi tratado, mas não pôde ser registrado e será "
                              "repetido na próxima execução: %3")
            .arg(nome_, textoDoVencimento(vencimento_), erro);
    }

private:
    QString grava(const QString& html, const QString& destino, FormatoEnvio formato) const
    {
        switch (formato) {
        case FormatoEnvio::Html:
            return html;
        case FormatoEnvio::Pdf:
            servicos_.gravaPdf(html, destino, filtro_);
            break;
        case FormatoEnvio::Xlsx:
            servicos_.exportaPlanilha(html, destino, FormatoPlanilha::Xlsx, filtro_);
            break;
        case FormatoEnvio::Csv:
            servicos_.exportaPlanilha(html, destino, FormatoPlanilha::Csv, filtro_);
            break;
        }
        return destino;
    }

    const ServicosDaAgenda& servicos_;
    QString nome_;
    const Agendamento& agendamento_;
    QDateTime vencimento_;
    FiltroRelatorio filtro_;
    QStringList anexos_;
};

}  // namespace

LocaisDaAgenda LocaisDaAgendaPadrao(const QString& pastaRelatorios)
{
    return {CaminhoLocal(ArquivoAgenda()), CaminhoLocal(ArquivoEstadoDaAgenda()), CaminhoLocal(ArquivoTravaDaAgenda()),
            QDir(CaminhoLocal(pastaRelatorios)).filePath(QStringLiteral("agenda"))};
}

QString NomeDeArquivoDoAgendamento(const QString& nome)
{
    static const QRegularExpression inseguro(QStringLiteral("[^\\w .-]|^[ .]|[ .]$"),
                                             QRegularExpression::UseUnicodePropertiesOption);
    if (!inseguro.match(nome).hasMatch())
        return nome;
    const QByteArray hash = QCryptographicHash::hash(nome.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return QString(nome).replace(inseguro, QStringLiteral("_")) + u'-' + QString::fromLatin1(hash);
}

DesfechoDaAgenda ExecutaAgenda(const LocaisDaAgenda& locais, const FiltroRelatorio& base, const QDateTime& agora,
                               const ServicosDaAgenda& servicos)
{
    const auto falhaGeral = [&](const QString& texto) {
        servicos.registra(QStringLiteral("agenda: ") + texto);
        return DesfechoDaAgenda::Falhou;
    };
    try {
        const TravaDaAgenda trava(locais.trava);
        if (!trava.Obtida()) {
            servicos.registra(
                QStringLiteral("agenda: outra execução da agenda está em andamento; esta termina sem enviar nada."));
            return DesfechoDaAgenda::EmAndamento;
        }
        const DocumentoIni arquivo = DocumentoIni::Le(ArquivoAgenda(), locais.arquivo);
        const QVector<AgendamentoLido> agendamentos = LeAgendamentos(arquivo);
        EstadoDaAgenda estado = LeEstadoDaAgenda(locais.estado);
        DesfechoDaAgenda desfecho = DesfechoDaAgenda::Feito;
        for (const AgendamentoLido& lido : agendamentos) {
            if (!lido.erro.isEmpty()) {
                desfecho = falhaGeral(lido.erro);
                continue;
            }
            const auto anterior = estado.constFind(lido.nome);
            const std::optional<QDateTime> vencimento =
                VencimentoAEnviar(lido.agendamento.quando, agora,
                                  anterior == estado.constEnd() ? std::nullopt : std::optional<QDateTime>(*anterior));
            if (!vencimento)
                continue;
            Envio envio(servicos, lido.nome, lido.agendamento, *vencimento);
            bool enviado = false;
            try {
                enviado = envio.Envia(QDir(locais.pasta).filePath(NomeDeArquivoDoAgendamento(lido.nome)), base);
            } catch (const VbError& erro) {
                servicos.registra(envio.Falha(erro.Description()));
                desfecho = DesfechoDaAgenda::Falhou;
                continue;
            }
            try {
                estado.insert(lido.nome, *vencimento);
                GravaEstadoDaAgenda(locais.estado, estado);
                servicos.registra(enviado ? envio.Enviado() : envio.SemDados());
            } catch (const VbError& erro) {
                servicos.registra(envio.SemEstado(erro.Description()));
                desfecho = DesfechoDaAgenda::Falhou;
            }
        }
        return desfecho;
    } catch (const VbError& erro) {
        return falhaGeral(erro.Description());
    }
}
