#pragma once

#include "platform/MessageBox.h"
#include "support/ImprimeTexto.h"
#include "support/PastaTemporaria.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

class BancoDeTeste;

// One installation in a temporary drive C (no marker file): the three
// configuration files, a company database, and a recording message box.
//   companies: 1 "001" (PATH_DANFE null), 2 "002  " (blank PATH_DANFE),
//              3 "003" (PATH_DANFE "D:\NFE\")
//   users: 1 MARIA, 5 JOSE, 12 PEDRO
class AmbienteDeTeste : public ::testing::Test {
public:
    // The companies and users above, on a fresh database.
    static void insereEmpresasEUsuarios(BancoDeTeste& banco);
    // A company database at the POSIX path below the drive root.
    void criaBanco(const QString& caminhoRelativo) const;
    void escreve(const QString& caminhoRelativo, const QByteArray& bytes) const;

    // Runs the start-up; the exit code it ended with, 0 when it went through.
    int inicia(const QString& argumento) const;

    static const QByteArray serverIniPadrao;  // the same SQLite database for PRD, HIST and DEV

    DriveCTemporario drive;
    std::shared_ptr<CaixaGravadora> caixa = std::make_shared<CaixaGravadora>();

protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::shared_ptr<CaixaDeMensagem> anterior_;
};
