#include "Printing.h"

namespace {

std::shared_ptr<Impressora>& impressoraAtual()
{
    static std::shared_ptr<Impressora> impressora;
    return impressora;
}

}  // namespace

std::shared_ptr<Impressora> ImpressoraAtual()
{
    return impressoraAtual();
}

std::shared_ptr<Impressora> InstalaImpressora(std::shared_ptr<Impressora> impressora)
{
    std::swap(impressoraAtual(), impressora);
    return impressora;
}
