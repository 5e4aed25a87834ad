#pragma once

#include "support/ImprimeTexto.h"
#include "platform/UserLocale.h"
#include "platform/VbError.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <functional>
#include <ostream>

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
template <class Acao>
auto EmLocale(const char* nome, Acao acao)
{
    struct Restaura {
        ~Restaura() { DefinirLocaleUsuario(QLocale(QStringLiteral("pt_BR"))); }
    } restaura;
    DefinirLocaleUsuario(QLocale(QString::fromLatin1(nome)));
    return acao();
}

// An environment variable set (or unset, with a null value) for one scope.
class VariavelDoTeste {
public:
    VariavelDoTeste(const char* nome, const QByteArray& valor)
        : nome_(nome), tinha_(qEnvironmentVariableIsSet(nome)), anterior_(qgetenv(nome))
    {
        if (valor.isNull())
            qunsetenv(nome);
        else
            qputenv(nome, valor);
    }
    ~VariavelDoTeste()
    {
        if (tinha_)
            qputenv(nome_, anterior_);
        else
            qunsetenv(nome_);
    }
    VariavelDoTeste(const VariavelDoTeste&) = delete;
    VariavelDoTeste& operator=(const VariavelDoTeste&) = delete;

private:
    const char* nome_;
    bool tinha_;
    QByteArray anterior_;
};
