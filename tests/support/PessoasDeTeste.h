#pragma once

#include "platform/MessageBox.h"
#include "support/BancoDeTeste.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// The persons of support/pessoas.sql, in every role, on the backend under
// test, with the module variables clean and message boxes recorded.
class PessoasDeTeste : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override;
    void TearDown() override;

    // The person ids of every statement's grid rows, column 0 top to bottom.
    static QStringList Ids(const class FlexGrid& grid);
    // The search statements sent (upper-cased), besides the lookups.
    QStringList buscasEnviadas;

    std::unique_ptr<BancoDeTeste> banco;
    std::shared_ptr<CaixaGravadora> caixa;

private:
    std::shared_ptr<CaixaDeMensagem> caixaAnterior_;
};
