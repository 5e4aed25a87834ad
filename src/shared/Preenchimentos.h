#pragma once

#include <QString>

class QComboBox;
class QObject;
class QWidget;

// List fillers of module "funcoes". The control is found by name on the
// window; a window without it raises VbError 424 naming the control.
void CarregaTipoCliente(QWidget* janela);                        // cboTipoCli
void CarregaVendedores(QWidget* janela, QString filtro);         // cboVendedor
void CarregaAtividades(QWidget* janela, const QString& filtro);  // cboCod
// Trims the caller's text; one 94-character entry per active customer.
void CarregaClientes(QString& texto, QComboBox* combo);
// The grid is the FlexGrid child named "FlexTemp" of `janela` (any QObject,
// so the report engine's scratch grid needs no window).
void CarregaFlexTemp(QObject* janela);
