#pragma once

#include "platform/Ado.h"
#include "platform/Variant.h"
#include "platform/Versao.h"

#include <QString>
#include <cstdint>
#include <memory>

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

// The two ways every query is opened on Conexao:
// upper-cased: the whole text upper-cased, client-side static, batch-optimistic.
Recordset AbreConsultaMaiuscula(const QString& sql);
// plain: the text unchanged, client-side static, the given lock type, options -1.
Recordset AbreConsulta(const QString& sql, int lockType = adLockReadOnly);

// Caret field extractor: field n (from 1) of `texto`; appends "^" to the
// caller's trimmed text when it does not end with one; "." for an absent
// field, "" for n < 1, Empty for an empty text.
Variant Campo(int16_t n, QString& texto);

// What the start-up window shows of the environment it was started in.
struct LegendasDaJanela {
    QString codiEmpresa;            // lblCodiEmpresa
    QString nomeEmpresa;            // lblNomeEmpresa
    QString codiAmbiente;           // lblCodiAmbiente
    QString titulo;                 // the window's title (TituloJanela)
    bool tituloEmVermelho = false;  // lblTituloJanela red (VB colour 255) outside PRD
};

// Start-up sequence: launch string, Conectar, company and user. Returns what
// the window sets on its labels and title bar (a headless run reads the
// company from it); the window centres itself. Ends the program
// (FimDoPrograma) on the fatal cases, after the message.
LegendasDaJanela IniciarJanela(const QString& argumento, const QString& chamadaPadrao);

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
