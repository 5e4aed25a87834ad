#pragma once

#include "platform/Variant.h"

#include <QColor>
#include <QString>
#include <cstdint>

class QComboBox;
class QWidget;
class QObject;

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

// Form and text helpers.
void CentralizaForm(QWidget* janela);
void SelecionaTexto();
QString AjustaTamanho(QString& texto, int16_t tamanho, bool alinhaEsquerda);

// Entity lookups (text arguments by reference, as the callers rely on it).
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

QString IdClientePessoa(const QString& idPessoa);
QString IdMotoristaPessoa(const QString& idPessoa);
QString IdTransportadoraPessoa(const QString& idPessoa);
QString IdVendedorPessoa(const QString& idPessoa);
QString IdFornecedorPessoa(const QString& idPessoa);
QString IdDecoradorPessoa(const QString& idPessoa);
QString IdArquitetoPessoa(const QString& idPessoa);

// List fillers: the control is found by name on the window; a window
// without it raises VbError 424 naming the control.
void CarregaTipoCliente(QWidget* janela);
void CarregaVendedores(QWidget* janela, QString filtro);
void CarregaAtividades(QWidget* janela, const QString& filtro);
void CarregaClientes(QString& texto, QComboBox* combo);
// The grid is the FlexGrid child named "FlexTemp" of `janela` (any QObject,
// so the report engine's scratch grid needs no window).
void CarregaFlexTemp(QObject* janela);
void CarregaCores(const QString& esquema);
void AplicaCores(QWidget* janela);
// A VB colour number (BGR; 0x80000000 and up are system colours) as a Qt colour.
QColor CorVB(const QString& numero);

// Sums of an order (16-bit totals round half to even at every step).
int16_t QtdeItensSubGrupo(int32_t idPedido, int32_t idSubGrupo, const QString& status);
int16_t QtdeProdutoPedido(int32_t idPedido, QString codigoProduto);
double TotalDescontoPedido(int32_t idPedido, int32_t idMarca);
double TotalValorPedido(int32_t idPedido, int32_t idMarca);
double TotalQtdePedido(int32_t idPedido, int32_t idMarca);
QString PAVendedorDia(const QString& dia, const QString& idVendedor);
int32_t QtdePedidosVendedorDia(const QString& dia, const QString& idVendedor);
