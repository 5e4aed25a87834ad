#pragma once

#include "platform/MessageBox.h"
#include "support/BancoDeTeste.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// A small company of persons in every role, on the backend under test, with
// the module variables clean and message boxes recorded.
//
//   id   name             trade name           roles              notes
//   7    DORA PROSPECTO   DORA MODAS           none (prospect)    fax 2177778888, RJ
//   12   ANA DA SILVA     ANA FRUTAS           customer 501       CPF 12345678901, SP, FRUTAS and FRUTAS SECAS
//   30   EDUARDO VENDAS   EDU                  salesperson 801
//   50   (null)           SEM NOME             customer 503
//   99   HELENA ANTIGA    HELENA               customer 504       deactivated 15/03/2024, FRUTAS
//   112  BENTO D'AVILA    D'AVILA HORTIFRUTI   supplier 701       tel 2 1955556666, SP
//   120  CARLOS PEREIRA   CARLOS TRANSPORTES   carrier 901        FRUTAS
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
