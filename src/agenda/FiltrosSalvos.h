#pragma once

#include "agenda/DocumentoIni.h"
#include "report/Relatorio.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The saved filter sets of c:\korva\config\pantoro-agenda.ini, one group
// each, named by the group, with the command line's names and values:
//   relatorio=LAYOUT                      required
//   periodo=NAME  or  de=dd/mm/yyyy and ate=dd/mm/yyyy   one of the two
//   data=emissao|entrega|fechamento       default emissao
//   vendedor= marca= tipo= cliente=       default empty (no filter)
//   fonte=8|10|11|12|14                   default 10
// A schedule (enviar, para, quando, somente-com-dados, assunto) is a set
// too. Every call reads the file afresh, as it may be edited by hand in
// between; saving or deleting writes it whole or not at all and leaves
// every other group, key, comment and blank line as it stood. Errors are
// VbError 13 whose message names the file, the line, the group and the key;
// a file that cannot be read or written gives the file system's VbError.

// The date kinds by the command line's names, in the order of the form's options.
struct NomeDaData {
    const char* nome;
    DataRelatorio data;
};
inline constexpr NomeDaData NomesDasDatas[] = {{"emissao", DataRelatorio::Emissao},
                                               {"entrega", DataRelatorio::Entrega},
                                               {"fechamento", DataRelatorio::Fechamento}};

struct FiltroSalvo {
    QString nome;
    LayoutRelatorio layout = LayoutRelatorio::Standard;
    DataRelatorio data = DataRelatorio::Emissao;
    QString periodo;  // a relative period; empty when the dates are fixed
    QDate de;         // the fixed dates
    QDate ate;
    QString vendedor;
    QString marca;
    QString tipoCliente;
    QString cliente;
    int tamanhoFonte = 10;
};

QString ArquivoAgenda();  // "c:\korva\config\pantoro-agenda.ini"
// The keys that make a group a schedule (read by the schedules' unit).
const QStringList& ChavesDeAgendamento();
DocumentoIni LeArquivoAgenda();

// The groups of the file, in file order (schedules included).
QStringList NomesDosFiltrosSalvos();
FiltroSalvo LeFiltroSalvo(const QString& nome);
FiltroSalvo FiltroSalvoDoGrupo(const DocumentoIni& arquivo, const QString& nome);

// The report filter of the set on the day `hoje` (a relative period is
// computed for it): `base`, which brings the company captions and title,
// with the set's values.
FiltroRelatorio AplicaFiltroSalvo(const FiltroSalvo& salvo, const QDate& hoje, FiltroRelatorio base = {});

// Saves the filter under `nome`: its dates, or the relative `periodo`
// instead when one is given. Over an existing group only the filter keys
// change (a schedule stays a schedule). Raises for a bad name, a date that
// is not dd/mm/yyyy, an unknown period.
void SalvaFiltros(const QString& nome, const FiltroRelatorio& filtro, const QString& periodo = {});
void RemoveFiltroSalvo(const QString& nome);
