#pragma once

#include <QWebEngineUrlRequestInterceptor>

// The viewer shows report files only: every request that does not read a
// local file (or inline data) is blocked, so nothing is fetched from outside.
class SoArquivosLocais : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& pedido) override;
    static bool Permitido(const QUrl& endereco);
};
