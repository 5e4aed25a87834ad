#pragma once

#include "platform/Ado.h"
#include "platform/Variant.h"

#include <QString>
#include <cstdint>
#include <memory>

class QWidget;

// Module "ambiente": the launch string, the configuration files and the one
// shared connection. Its variables live for the whole process.
struct Ambiente {
    QString ParametrosChamada;
    int16_t IdUsuario = 0;
    int16_t IdEmpresa = 0;
    QString CodiAmbiente;
    QString NomeUsuario;
    QString NomeTela;

    QString PrefixoConfig1;
    QString PrefixoConfig2;
    QString ServidorBD;
    QString BancoDados;
    QString UsuarioBD;
    QString SenhaBD;
    QString TipoServidor;
    QString ConexaoFirebird;
    QString StringConexao;
    bool AceitaAcentos = false;
    QString ArqPaths;
    QString PastaRelatorios;
    QString PastaDanfe;
    QString CodiEmpresa;

    // Created on first use (Conexao()), released by FechaConexao.
    std::unique_ptr<Connection> conexao;
};

// The process's one copy. Tests reset it with `ambiente() = Ambiente{}`
// (move-assignable: the connection goes with it).
Ambiente& ambiente();
// The shared connection, created (unopened) on first use.
Connection& Conexao();

// The release text: window-title prefix and title of report messages.
QString TituloRelease();  // "ERP KORVA - Tevrano - Release 2014.08.05"

// The two ways every query is opened on Conexao:
// upper-cased: the whole text upper-cased, client-side static, batch-optimistic.
Recordset AbreConsultaMaiuscula(const QString& sql);
// plain: the text unchanged, client-side static, the given lock type, options -1.
Recordset AbreConsulta(const QString& sql, int lockType = adLockReadOnly);

// Caret field extractor: field n (from 1) of `texto`; appends "^" to the
// caller's trimmed text when it does not end with one; "." for an absent
// field, "" for n < 1, Empty for an empty text.
Variant Campo(int16_t n, QString& texto);

// Start-up sequence of the start-up window: launch string, Conectar, company
// captions (lblCodiEmpresa, lblNomeEmpresa, lblCodiAmbiente found by name on
// `janela` when present), user, centring, title, red lblTituloJanela outside
// PRD. Ends the program (FimDoPrograma) on the fatal cases, after the message.
void IniciarJanela(QWidget* janela, const QString& argumento, const QString& chamadaPadrao);
// The same sequence without a window (headless runs): captions are not set.
void IniciarSemJanela(const QString& argumento, const QString& chamadaPadrao);

QString MarcadorInstalacao();  // "ZAKTORP" or "CLIENTE"
void BuscaUsuario(int16_t idUsuario);
void Conectar();
void LerServerAplic();
void LerPaths();
void FechaConexao(const QString& modo);

QString CodigoEmpresa(const QString& idEmpresa);
QString NomeEmpresa(const QString& idEmpresa);
QString PathDanfeEmpresa(const QString& codigoEmpresa);

// Window title: release, " (", environment, ")(", code, "/", user, ")".
QString TituloJanela();
