#pragma once

#include <QString>
#include <cstdint>

// Sums of an order of module "funcoes". The 16-bit totals round half to even
// at every step and raise VbError 6 past -32768..32767. A null quantity adds
// nothing, in the 16-bit totals and in the discount's quantity times discount.
int16_t QtdeItensSubGrupo(int32_t idPedido, int32_t idSubGrupo, const QString& status);
int16_t QtdeProdutoPedido(int32_t idPedido, QString codigoProduto);
// A brand id below 1 means every brand.
double TotalDescontoPedido(int32_t idPedido, int32_t idMarca);
double TotalValorPedido(int32_t idPedido, int32_t idMarca);
double TotalQtdePedido(int32_t idPedido, int32_t idMarca);
// "count^total^PA^" in the locale's general number form; "0^0^0^" for a day
// without orders.
QString PAVendedorDia(const QString& dia, const QString& idVendedor);
int32_t QtdePedidosVendedorDia(const QString& dia, const QString& idVendedor);
