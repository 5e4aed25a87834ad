#include "LinhaDoPeriodo.h"

#include <QStringList>

namespace {

QString nomeDaData(DataRelatorio data)
{
    switch (data) {
    case DataRelatorio::Emissao:
        return QStringLiteral("Data de Emissão");
    case DataRelatorio::Entrega:
        return QStringLiteral("Data de Entrega");
    case DataRelatorio::Fechamento:
        return QStringLiteral("Data de Fechamento");
    }
    return {};
}

}  // namespace

QString LinhaDoPeriodo(const FiltroRelatorio& filtro)
{
    QStringList partes{QStringLiteral("Período: %1 a %2").arg(filtro.dtDe.trimmed(), filtro.dtAte.trimmed()),
                       nomeDaData(filtro.data)};
    for (const auto& [rotulo, valor] :
         {std::pair{QStringLiteral("Vendedor"), filtro.vendedor},
          std::pair{QStringLiteral("Marca do Produto"), filtro.marca},
          std::pair{QStringLiteral("Tipo / Classificação de Cliente"), filtro.tipoCliente},
          std::pair{QStringLiteral("Cliente"), filtro.cliente}})
        if (!valor.trimmed().isEmpty())
            partes << rotulo + QStringLiteral(": ") + valor.trimmed();
    return partes.join(QStringLiteral(" - "));
}
