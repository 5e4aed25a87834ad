#include "GravaCsv.h"

#include "platform/ArquivoDeSaida.h"

#include <QFile>

namespace {

QString textoDaCelula(const CelulaPlanilha& celula, const QLocale& local)
{
    switch (celula.tipo) {
    case TipoCelula::Numero: {
        QLocale semMilhar = local;
        semMilhar.setNumberOptions(QLocale::OmitGroupSeparator);
        return semMilhar.toString(celula.numero, 'f', celula.casas) + celula.sufixo;
    }
    case TipoCelula::Data:
        return celula.data.toString(QStringLiteral("dd/MM/yyyy"));
    case TipoCelula::Texto:
        return celula.texto;
    case TipoCelula::Vazia:
        break;
    }
    return QString();
}

}  // namespace

QString CampoCsv(const QString& texto, QChar separador)
{
    const bool entreAspas = texto.contains(separador) || texto.contains(u'"') || texto.contains(u'\n') ||
                            texto.contains(u'\r') || texto != texto.trimmed();
    if (!entreAspas)
        return texto;
    return u'"' + QString(texto).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

void GravaCsv(const Planilha& planilha, const QString& arquivo, const QLocale& local)
{
    const QChar separador = local.decimalPoint() == QLatin1String(",") ? u';' : u',';
    QString texto;
    const auto linha = [&](const QStringList& campos) {
        QStringList escritos;
        for (const QString& campo : campos)
            escritos.append(CampoCsv(campo, separador));
        texto += escritos.join(separador) + QStringLiteral("\r\n");
    };
    for (const FolhaPlanilha& folha : planilha.folhas) {
        if (&folha != &planilha.folhas.first())
            texto += QStringLiteral("\r\n");
        linha(folha.cabecalho);
        for (const LinhaPlanilha& linhaDaFolha : folha.linhas) {
            QStringList campos;
            for (const CelulaPlanilha& celula : linhaDaFolha.celulas)
                campos.append(textoDaCelula(celula, local));
            linha(campos);
        }
    }

    GravaArquivoDeSaida(arquivo, [&](const QString& temporario) {
        QFile saida(temporario);
        if (!saida.open(QIODevice::WriteOnly) || saida.write("\xEF\xBB\xBF" + texto.toUtf8()) < 0 || !saida.flush())
            FalhaAoGravar(arquivo, saida.errorString());
    });
}
