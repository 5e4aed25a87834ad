#pragma once

#include "platform/Ado.h"
#include "platform/MessageBox.h"
#include "report/Relatorio.h"
#include "support/BancoDeTeste.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// Each test runs on every available database with each engine: both must
// write the same bytes.
struct ParametroRelatorio {
    Backend banco;
    MotorRelatorio motor;
};
std::vector<ParametroRelatorio> ParametrosRelatorio();
std::string NomeDoParametro(const ::testing::TestParamInfo<ParametroRelatorio>& info);

// A small distributor (two companies, seven orders in May 2024 and one in
// June) loaded into a fresh database of the backend under test, a report
// folder of its own and a message box that keeps what it is shown.
class BaseRelatorio : public ::testing::TestWithParam<ParametroRelatorio> {
public:
    // How many rows the table has now.
    static long linhas(const char* tabela);

protected:
    void SetUp() override;
    void TearDown() override;

    // The filter of company 001 for May 2024 on the issue date.
    static FiltroRelatorio filtroDeMaio(LayoutRelatorio layout);
    // Sets MODELO_PEDI_VEDS (no row for an absent value).
    void defineModelo(const QString& valor);
    QByteArray arquivoGerado() const;
    QString pastaRelatorios() const;

    std::unique_ptr<BancoDeTeste> banco;
    std::shared_ptr<CaixaGravadora> caixa;

private:
    QTemporaryDir pasta_;
    std::shared_ptr<CaixaDeMensagem> caixaAnterior_;
};

// The bytes of tests/report/esperado/<nome>; with PANTORO_REGENERA_ESPERADOS
// set the file is first rewritten with `gerado` (for review in the diff).
QByteArray Esperado(const QString& nome, const QByteArray& gerado);
