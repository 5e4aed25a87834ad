#include "ProvedorFirebird.h"

#include "DialetoConexao.h"

namespace {

class ProvedorFirebird : public Provedor {
public:
    AberturaQt Abertura(const PedidoDeAbertura& pedido) const override
    {
        const ConexaoFirebird firebird = LerConexaoFirebird(pedido.stringDeConexao);
        AberturaQt abertura{QStringLiteral("QIBASE"), firebird.banco,
                            firebird.usuario.isEmpty() ? pedido.usuario : firebird.usuario,
                            firebird.senha.isEmpty() ? pedido.senha : firebird.senha};
        abertura.opcoes = QStringLiteral("ISC_DPB_LC_CTYPE=UTF8");
        abertura.segredos = QStringList{pedido.senha, abertura.senha};
        abertura.oQueAbre = QStringLiteral("abrir o banco de dados ") + firebird.banco;
        if (firebird.banco.trimmed().isEmpty())
            abertura.recusa = QStringLiteral("A string de conexão do Firebird não informa o banco de dados "
                                             "(Data Source, DBNAME ou Database).");
        return abertura;
    }
};

}  // namespace

std::unique_ptr<Provedor> CriaProvedorFirebird()
{
    return std::make_unique<ProvedorFirebird>();
}
