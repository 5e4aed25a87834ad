#pragma once

#include "platform/TextoSql.h"
#include "shared/Consultas.h"
#include "shared/Cores.h"
#include "shared/Preenchimentos.h"
#include "shared/Somas.h"
#include "shared/Textos.h"

#include <QString>

// Module "funcoes": window helpers, lookups, list fillers, colour scheme and
// the sums of an order. Every query runs on the shared connection.

// Its shared variables, one copy for the process.
struct VariaveisFuncoes {
    QString Sql;
    QString Sql2;
    QString MostraDesativados;
    QString TipoPessoaPesquisa;
    QString CorFundo1 = QStringLiteral("-2147483633");
    QString CorFrente1 = QStringLiteral("-2147483630");
    QString CorFundo2 = QStringLiteral("-2147483633");
    QString CorFrente2 = QStringLiteral("-2147483630");
};
VariaveisFuncoes& funcoes();
