#include "HtmlRelatorio.h"

namespace {

QString nomeAlinhamento(Alinha alinhamento)
{
    switch (alinhamento) {
    case Alinha::Esquerda:
        return QStringLiteral("LEFT");
    case Alinha::Direita:
        return QStringLiteral("RIGHT");
    case Alinha::Centro:
        break;
    }
    return QStringLiteral("CENTER");
}

}  // namespace

QString AberturaTabela(const QString& id)
{
    return QStringLiteral("<TABLE BORDER=1 Width=670 ALIGN=CENTER ID=") + id +
           QStringLiteral(" borderColor='black' cellSpacing=0 cellPadding=1>");
}

QString LinhaNegrito(int tamanhoFonte)
{
    return QStringLiteral("<TR style='FONT-WEIGHT: bold; FONT-SIZE: ") + QString::number(tamanhoFonte) +
           QStringLiteral("pt; FONT-FAMILY: Tahoma; FONT-VARIANT: small'>");
}

QString LinhaSimples(int tamanhoFonte)
{
    return QStringLiteral("<TR style='FONT-SIZE: ") + QString::number(tamanhoFonte) +
           QStringLiteral("pt; FONT-FAMILY: Tahoma; FONT-VARIANT: small'>");
}

QString Celula(int largura, Alinha alinhamento, const QString& valor)
{
    return QStringLiteral(" <TD width=") + QString::number(largura) + QStringLiteral("% ALIGN='") +
           nomeAlinhamento(alinhamento) + QStringLiteral("'>") + valor + QStringLiteral("</TD>");
}
