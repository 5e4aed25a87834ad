#include "ProvedorOdbc.h"

#include "DialetoConexao.h"

namespace {

// QODBC opens any name holding ".dsn", in any case, as "FILEDSN=" + name:
// the string's first key then becomes a file name and the driver is never
// named. Led by ";", that prefix is an empty FILEDSN key of its own, which
// the driver manager's Unicode entry point (the one QODBC calls) skips, and
// every key of the string follows intact.
QString nomeParaQodbc(const QString& odbc)
{
    if (odbc.contains(QLatin1String(".dsn"), Qt::CaseInsensitive))
        return u';' + odbc;
    return odbc;
}

class ProvedorOdbc : public Provedor {
public:
    AberturaQt Abertura(const PedidoDeAbertura& pedido) const override
    {
        const QString odbc = ConexaoOdbc(pedido.stringDeConexao);
        AberturaQt abertura{QStringLiteral("QODBC"), nomeParaQodbc(odbc), pedido.usuario, pedido.senha};
        if (pedido.segundos > 0)
            abertura.opcoes =
                QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1;SQL_ATTR_CONNECTION_TIMEOUT=%1").arg(pedido.segundos);
        abertura.segredos = QStringList{pedido.senha, SenhaOdbc(odbc)};
        abertura.oQueAbre = QStringLiteral("conectar ao servidor de dados");
        if (odbc.trimmed().isEmpty())
            abertura.recusa = QStringLiteral("A string de conexão está vazia.");
        return abertura;
    }
};

}  // namespace

std::unique_ptr<Provedor> CriaProvedorOdbc()
{
    return std::make_unique<ProvedorOdbc>();
}
