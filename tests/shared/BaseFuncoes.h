#pragma once

#include "platform/Ado.h"
#include "support/BancoDeTeste.h"

#include <gtest/gtest.h>
#include <functional>
#include <memory>

// The company data the lookups, fillers and sums are tried on, loaded into a
// fresh database of the backend under test; the module variables start clean.
class BaseFuncoes : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override;

    std::unique_ptr<BancoDeTeste> banco;
};

// The VB error number `acao` raises, 0 when it raises none.
long NumeroDoErro(const std::function<void()>& acao);
