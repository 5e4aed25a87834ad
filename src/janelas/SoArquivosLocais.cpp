#include "SoArquivosLocais.h"

#include <QUrl>

void SoArquivosLocais::interceptRequest(QWebEngineUrlRequestInfo& pedido)
{
    pedido.block(!Permitido(pedido.requestUrl()));
}

bool SoArquivosLocais::Permitido(const QUrl& endereco)
{
    return endereco.isLocalFile() || endereco.scheme() == QLatin1String("data");
}
