#include "PesquisaRecordada.h"

PesquisaRecordada& pesquisaRecordada()
{
    static PesquisaRecordada pesquisa;
    return pesquisa;
}
