#include "CorpoDoEmail.h"

#include "agenda/LinhaDoPeriodo.h"
#include "export/Exportacao.h"

#include <QMap>

namespace {

const QString FimDeLinha = QStringLiteral("\r\n");

bool vazia(const CelulaPlanilha& celula)
{
    return celula.tipo == TipoCelula::Vazia || celula.texto.trimmed().isEmpty();
}

// The index of the row's first cell with text when it starts with "Total", else -1.
int rotuloDeTotal(const LinhaPlanilha& linha)
{
    for (int i = 0; i < linha.celulas.size(); ++i)
        if (!vazia(linha.celulas[i]))
            return linha.celulas[i].texto.trimmed().startsWith(QLatin1String("Total")) ? i : -1;
    return -1;
}

QString textoDoTotal(const FolhaPlanilha& folha, const LinhaPlanilha& linha, int rotulo)
{
    QStringList valores;
    for (int i = rotulo + 1; i < linha.celulas.size(); ++i) {
        if (vazia(linha.celulas[i]))
            continue;
        const QString coluna = i < folha.cabecalho.size() ? folha.cabecalho[i].trimmed() : QString();
        valores << (coluna.isEmpty() ? QString() : coluna + u' ') + linha.celulas[i].texto.trimmed();
    }
    return linha.celulas[rotulo].texto.trimmed() + QStringLiteral(": ") + valores.join(QStringLiteral(" - "));
}

}  // namespace

QStringList TotaisDoRelatorio(const QString& arquivoHtml)
{
    const Planilha planilha = LePlanilha(arquivoHtml, QString());
    QMap<QString, int> vezes;
    for (const FolhaPlanilha& folha : planilha.folhas)
        for (const LinhaPlanilha& linha : folha.linhas)
            if (const int rotulo = rotuloDeTotal(linha); rotulo >= 0)
                ++vezes[linha.celulas[rotulo].texto.trimmed()];
    QStringList totais;
    for (const FolhaPlanilha& folha : planilha.folhas)
        for (const LinhaPlanilha& linha : folha.linhas)
            if (const int rotulo = rotuloDeTotal(linha);
                rotulo >= 0 && vezes.value(linha.celulas[rotulo].texto.trimmed()) == 1)
                totais << textoDoTotal(folha, linha, rotulo);
    return totais;
}

QString TextoDoEmail(const QString& nome, const FiltroRelatorio& filtro, const QStringList& totais,
                     const QStringList& anexos, bool semDados)
{
    QStringList linhas{nome, LinhaDoPeriodo(filtro), QString()};
    if (semDados) {
        linhas << QStringLiteral("Não há dados para exibir!");
    } else {
        if (!totais.isEmpty())
            linhas << QStringLiteral("Totais:") << totais << QString();
        linhas << QStringLiteral("Em anexo: ") + anexos.join(QStringLiteral(", "));
    }
    return linhas.join(FimDeLinha) + FimDeLinha;
}

QString AssuntoDoAgendamento(const QString& nome, const QString& assunto, const FiltroRelatorio& filtro)
{
    if (!assunto.trimmed().isEmpty())
        return assunto.trimmed();
    return QStringLiteral("%1 - %2 a %3").arg(nome, filtro.dtDe.trimmed(), filtro.dtAte.trimmed());
}
