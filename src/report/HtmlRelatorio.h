#pragma once

#include "report/MarcasDoRelatorio.h"

#include <QString>

// The HTML pieces every layout of the order report repeats. Nothing is
// escaped: values enter the text exactly as they are.

enum class Alinha { Esquerda, Direita, Centro };

// "<TABLE BORDER=1 Width=670 ALIGN=CENTER ID=<id> borderColor='black' cellSpacing=0 cellPadding=1>"
QString AberturaTabela(const QString& id = marca::TabelaComum);
// "<TR style='FONT-WEIGHT: bold; FONT-SIZE: <n>pt; ...'>"
QString LinhaNegrito(int tamanhoFonte = 8);
// "<TR style='FONT-SIZE: <n>pt; ...'>"
QString LinhaSimples(int tamanhoFonte = 8);
// " <TD width=<n>% ALIGN='<a>'>", the value, "</TD>" (with the leading blank).
QString Celula(int largura, Alinha alinhamento, const QString& valor);

// What an empty cell shows: the entity without its semicolon.
inline const QString Espaco = QStringLiteral("&nbsp");

// The text of a cell that shows "&nbsp" when empty (a salesperson's name).
inline QString OuEspaco(const QString& texto)
{
    return texto.isEmpty() ? Espaco : texto;
}
