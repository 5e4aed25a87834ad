#include "ExecucaoRelatorio.h"

#include "platform/TextFile.h"

void ExecucaoRelatorio::Escreve(const QString& buffer) const
{
    AcrescentaLinha(arquivo, buffer);
}
