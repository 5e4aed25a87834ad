#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <utility>

// A hand-edited INI file read and written line by line, so that saving or
// deleting one group leaves every other line as it stood: comments, blank
// lines, order, spelling, even the lines that are wrong.
//
//   [name]             opens a group; a name holds no "[" or "]"
//   key=value          in a group; a key is letters, digits, "-" and "_",
//                      matched ignoring case; blanks around both are dropped
//   ; text   # text    a comment line
//   key=value ; text   a ";" at the start of the value or after a blank
//                      starts a comment ("a@b.com;c@d.com" is one value)
//   key="value"        quoted: taken as it stands, "" for a quote
//
// UTF-8, with or without a byte-order mark; a CRLF file stays CRLF. Reading
// a file never fails on a bad line: the line is kept, and reading the group
// it falls in raises VbError 13 with a message naming the file (as the suite
// writes its path), the line, the group and the key.

struct EntradaIni {
    QString chave;  // as written
    QString valor;
    int linha = 0;  // from 1
};

class DocumentoIni {
public:
    // `nome` is the file as messages name it.
    DocumentoIni(const QString& nome, const QString& texto);
    // The file at the local path `caminho`; a missing file is an empty
    // document. An unreadable file, or one that is not UTF-8, raises VbError.
    static DocumentoIni Le(const QString& nome, const QString& caminho);

    QString Texto() const;
    // Whole or not at all, creating the folder; VbError when it cannot.
    void Grava(const QString& caminho) const;

    // The groups in file order, once each; raises for a key or a bad line
    // before the first group.
    QStringList Grupos() const;
    bool Contem(const QString& grupo) const;
    // The group's entries in file order; raises as Grupos does, and for a
    // group missing or given twice, a bad header, a bad line in the group
    // or a key given twice.
    QVector<EntradaIni> Entradas(const QString& grupo) const;
    // Whether a header of the group is followed by `chave` (ignoring
    // case), whatever else is wrong with the group; never raises.
    bool TemChave(const QString& grupo, const QString& chave) const;
    // The line of the group's header, 0 when there is none.
    int LinhaDoGrupo(const QString& grupo) const;

    // Sets the group's keys: a key already there keeps its line and its
    // comment, with the new value; the others are added after the group's
    // last key line, and a new group at the end of the file. The keys in
    // `remover` lose their lines. Raises VbError 13 for a name a header
    // cannot hold, or a value with a line break.
    void DefineGrupo(const QString& grupo, const QVector<std::pair<QString, QString>>& valores,
                     const QStringList& remover = {});
    // The group's header and lines, and the comment lines right above the
    // header (they describe it), go; the rest stays.
    void RemoveGrupo(const QString& grupo);

    // VbError 13: "Arquivo F, linha N, grupo [G], chave K: texto", leaving
    // out the line when 0 and the group or key when empty.
    [[noreturn]] void Falha(int linha, const QString& grupo, const QString& chave, const QString& texto) const;

    // Why `nome` cannot name a group, empty when it can.
    static QString ProblemaNoNome(const QString& nome);

private:
    enum class Tipo { Vazia, Comentario, Grupo, Chave, Invalida };
    struct Linha {
        Tipo tipo = Tipo::Vazia;
        QString texto;  // as read, without the line end
        QString nome;   // the group's name or the key
        QString valor;
        QString comentario;  // the end-of-line comment, with the blanks before it
        QString problema;    // what is wrong with an Invalida line or a group's header
    };

    static Linha analisa(const QString& texto);
    static Linha linhaDeChave(const QString& chave, const QString& valor, const QString& comentario);
    QVector<int> cabecalhos(const QString& grupo) const;
    int fimDoGrupo(int cabecalho) const;
    // The index of the group's line that sets `chave`, -1 when none does.
    int linhaDaChave(int cabecalho, const QString& chave) const;
    int cabecalhoUnico(const QString& grupo) const;
    void verificaInicio() const;

    QString nome_;
    QVector<Linha> linhas_;
    bool crlf_ = false;
    bool bom_ = false;
};
