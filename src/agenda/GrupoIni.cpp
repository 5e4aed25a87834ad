#include "GrupoIni.h"

GrupoIni::GrupoIni(const DocumentoIni& arquivo, const QString& nome) : arquivo_(arquivo), nome_(nome)
{
    for (const EntradaIni& entrada : arquivo.Entradas(nome)) {
        const QString chave = entrada.chave.toLower();
        chaves_.append(chave);
        entradas_.insert(chave, entrada);
    }
}

void GrupoIni::Falha(const QString& chave, const QString& texto) const
{
    const auto entrada = entradas_.constFind(chave);
    arquivo_.Falha(entrada == entradas_.constEnd() ? arquivo_.LinhaDoGrupo(nome_) : entrada->linha, nome_, chave,
                   texto);
}
