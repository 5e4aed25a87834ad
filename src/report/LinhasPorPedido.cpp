#include "LinhasPorPedido.h"

#include "platform/Conversions.h"
#include "startup/Ambiente.h"

LinhasPorPedido::LinhasPorPedido(const QString& sql)
{
    rs_.Open(sql, Conexao(), adOpenForwardOnly, adLockReadOnly);
    coluna_ = rs_.Indice(QStringLiteral("pedido"));
}

void LinhasPorPedido::ParaCada(int32_t pedido, const std::function<void(const Recordset&)>& linha)
{
    for (; !rs_.Eof(); rs_.MoveNext()) {
        const int32_t atual = CLng(rs_.Fields(coluna_));
        if (atual > pedido)
            return;
        if (atual == pedido)
            linha(rs_);
    }
}
