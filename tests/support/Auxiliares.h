#pragma once

#include "platform/UserLocale.h"
#include "platform/VbError.h"
#include "support/ImprimeTexto.h"

#include <QLocale>
#include <QString>
#include <functional>

// The VB error number an action raises; 0 when it raises none.
inline long ErroVb(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const VbError& erro) {
        return erro.Number();
    }
    return 0;
}

// Runs `acao` with the user's locale set to `nome`; pt_BR, the tests'
// default, comes back after.
template <class Acao> auto EmLocale(const QString& nome, Acao acao)
{
    struct Restaura {
        ~Restaura() { DefinirLocaleUsuario(QLocale(QStringLiteral("pt_BR"))); }
    } restaura;
    DefinirLocaleUsuario(QLocale(nome));
    return acao();
}
