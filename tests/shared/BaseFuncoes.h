#pragma once

#include "fixtures/BancoDeTeste.h"
#include "shared/Funcoes.h"
#include "support/Casos.h"

#include <gtest/gtest.h>
#include <memory>

// The company of shared/funcoes.sql on the backend under test; the module variables start clean.
class BaseFuncoes : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override
    {
        funcoes() = VariaveisFuncoes{};
        banco = std::make_unique<BancoDeTeste>(GetParam());
        banco->executaScript(DadosDeTeste("shared/funcoes.sql"));
    }

    std::unique_ptr<BancoDeTeste> banco;
};
