#include "Provedor.h"

#include "ProvedorFirebird.h"
#include "ProvedorOdbc.h"
#include "ProvedorSqlite.h"

QSqlError Provedor::Prepara(const QSqlDatabase&) const
{
    return {};
}

QVector<bool> Provedor::ColunasDeData(const QSqlQuery&) const
{
    return {};
}

std::optional<QDateTime> Provedor::Data(const QString&) const
{
    return std::nullopt;
}

std::unique_ptr<const Provedor> CriaProvedor(Backend backend)
{
    switch (backend) {
    case Backend::Sqlite:
        return CriaProvedorSqlite();
    case Backend::Firebird:
        return CriaProvedorFirebird();
    case Backend::Odbc:
        break;
    }
    return CriaProvedorOdbc();
}
