#pragma once

#include "agenda/DocumentoIni.h"

#include <QMap>
#include <QString>
#include <QStringList>

// One group of an INI file by key, for reading its values with messages
// that point at the line they come from.
class GrupoIni {
public:
    // Raises as DocumentoIni::Entradas does.
    GrupoIni(const DocumentoIni& arquivo, const QString& nome);

    const QString& Nome() const { return nome_; }
    // The keys in file order, lower case.
    const QStringList& Chaves() const { return chaves_; }
    bool Tem(const QString& chave) const { return entradas_.contains(chave); }
    // Empty when absent.
    QString Valor(const QString& chave) const { return entradas_.value(chave).valor; }
    // VbError 13 at the key's line, or at the header's when the key is absent.
    [[noreturn]] void Falha(const QString& chave, const QString& texto) const;

private:
    const DocumentoIni& arquivo_;
    QString nome_;
    QStringList chaves_;
    QMap<QString, EntradaIni> entradas_;
};
