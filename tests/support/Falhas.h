#pragma once

#include <QString>
#include <functional>

class CaixaGravadora;

// Fault injection on the shared connection: statement number `alvo` of the
// next statements fails as the server would refuse it (VbError -2147217900),
// with a text that names the statement. The previous hook comes back when
// the object goes away.
class FalhaNaConsulta {
public:
    explicit FalhaNaConsulta(long alvo);
    ~FalhaNaConsulta();
    FalhaNaConsulta(const FalhaNaConsulta&) = delete;
    FalhaNaConsulta& operator=(const FalhaNaConsulta&) = delete;

    static QString Texto(long alvo);

private:
    std::function<void(long, const QString&)> anterior_;
};

// How many statements `acao` sends on the shared connection.
long ConsultasDe(const std::function<void()>& acao);

// For every N of the statements a clean `acao` sends: the Nth fails, `acao`
// raises that failure's VbError (its number and text) and `depoisDaFalha`
// checks what the failed run left; then a clean `acao` runs again and
// `confere` checks its result. Returns the number of statements.
long CadaConsultaFalha(const std::function<void()>& acao, const std::function<void()>& depoisDaFalha,
                       const std::function<void()>& confere);

// The same for a window, which shows the failure instead of raising it: for
// every N, `acao` with the Nth statement failing shows one critical box with
// that failure's text and the release title, and `depoisDaFalha` checks the
// window; then a clean `acao` runs and `confere` checks its result.
long CadaConsultaNaJanela(const std::function<void()>& acao, CaixaGravadora& caixa,
                          const std::function<void()>& depoisDaFalha, const std::function<void()>& confere);
