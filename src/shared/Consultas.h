#pragma once

#include "platform/Variant.h"

#include <QString>

// Entity lookups of module "funcoes": one upper-cased query each on the shared
// connection, the first row's column or the not-found result (0 for ids, ""
// for names). Text arguments by reference: NomeCliente writes the "0" default
// of an empty id into the caller's variable; the lookups that trim their
// argument (IdMarcaProduto, DescontoPedido, DescProduto, and ParametroEmpresa
// on the right) trim only the text they send.
Variant NomeCliente(QString& idCliente);
Variant IdMarca(QString& descricao);
Variant IdMarcaProduto(QString& idProduto);
Variant IdProduto(QString& codigo);
Variant DescontoPedido(QString& numeroPedido);
Variant IdTipoCliente(QString& descricao);
Variant IdVendedor(QString& nomeCurto);
Variant IdCliente(QString& nome);
Variant DescProduto(QString& codigo);
Variant NomeVendedor(QString& idVendedor);
Variant ParametroEmpresa(QString& nomeParametro);

// The role record's id of a person as text, "0" when it has none; deactivated
// records count only when MostraDesativados is "S".
QString IdClientePessoa(const QString& idPessoa);
QString IdMotoristaPessoa(const QString& idPessoa);
QString IdTransportadoraPessoa(const QString& idPessoa);
QString IdVendedorPessoa(const QString& idPessoa);
QString IdFornecedorPessoa(const QString& idPessoa);
QString IdDecoradorPessoa(const QString& idPessoa);
QString IdArquitetoPessoa(const QString& idPessoa);
