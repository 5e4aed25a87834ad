#pragma once

#include "platform/Ado.h"

#include <QString>
#include <cstdint>
#include <functional>

// The rows of a set query sorted by its order id column "pedido", read
// forward only as the listed orders come (in the same, ascending order):
// only the current row is held. The query is sent on the shared connection
// when the object is made; reading may raise the database's VbError.
class LinhasPorPedido {
public:
    explicit LinhasPorPedido(const QString& sql);

    // Calls `linha` for each row of order `pedido`, skipping the rows of
    // orders before it. An order asked a second time has no rows left.
    void ParaCada(int32_t pedido, const std::function<void(const Recordset&)>& linha);

private:
    Recordset rs_;
    int coluna_ = 0;
};
