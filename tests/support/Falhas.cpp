#include "Falhas.h"

#include "platform/Ado.h"
#include "platform/MessageBox.h"
#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <gtest/gtest.h>

FalhaNaConsulta::FalhaNaConsulta(long alvo) : anterior_(Conexao().contador.antesDeConsultar)
{
    const long base = Conexao().contador.consultas;
    Conexao().contador.antesDeConsultar = [this, alvo, base](long numero, const QString& sql) {
        if (anterior_)
            anterior_(numero, sql);
        if (numero - base == alvo)
            throw VbError(adErroNaConsulta, Texto(alvo));
    };
}

FalhaNaConsulta::~FalhaNaConsulta()
{
    Conexao().contador.antesDeConsultar = anterior_;
}

QString FalhaNaConsulta::Texto(long alvo)
{
    return QStringLiteral("[injetada] conexão com o servidor perdida na consulta %1").arg(alvo);
}

long ConsultasDe(const std::function<void()>& acao)
{
    const long antes = Conexao().contador.consultas;
    acao();
    return Conexao().contador.consultas - antes;
}

long CadaConsultaFalha(const std::function<void()>& acao, const std::function<void()>& depoisDaFalha,
                       const std::function<void()>& confere)
{
    const long total = ConsultasDe(acao);
    EXPECT_GT(total, 0);
    for (long n = 1; n <= total; ++n) {
        SCOPED_TRACE("statement " + std::to_string(n) + " of " + std::to_string(total));
        {
            FalhaNaConsulta falha(n);
            try {
                acao();
                ADD_FAILURE() << "the run ended without the failure";
            } catch (const VbError& erro) {
                EXPECT_EQ(erro.Number(), adErroNaConsulta);
                EXPECT_EQ(erro.Description(), FalhaNaConsulta::Texto(n));
            }
        }
        depoisDaFalha();
        acao();
        confere();
    }
    return total;
}

long CadaConsultaNaJanela(const std::function<void()>& acao, CaixaGravadora& caixa,
                          const std::function<void()>& depoisDaFalha, const std::function<void()>& confere)
{
    const long total = ConsultasDe(acao);
    EXPECT_GT(total, 0);
    EXPECT_TRUE(caixa.mensagens.isEmpty());
    for (long n = 1; n <= total; ++n) {
        SCOPED_TRACE("statement " + std::to_string(n) + " of " + std::to_string(total));
        caixa.mensagens.clear();
        {
            FalhaNaConsulta falha(n);
            acao();
        }
        EXPECT_EQ(caixa.mensagens.size(), 1);
        if (caixa.mensagens.isEmpty())
            continue;
        EXPECT_EQ(caixa.mensagens[0].prompt, FalhaNaConsulta::Texto(n));
        EXPECT_EQ(caixa.mensagens[0].titulo, TituloRelease());
        EXPECT_EQ(caixa.mensagens[0].icone, IconeMensagem::Critico);
        caixa.mensagens.clear();
        depoisDaFalha();
        acao();
        confere();
        EXPECT_TRUE(caixa.mensagens.isEmpty());
    }
    return total;
}
