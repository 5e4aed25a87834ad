#pragma once

#include <QString>

// Where an export is written. The file appears whole or not at all: the
// writers write a temporary file beside it and rename it at the end.

// Raises VbError PathNotFound when the folder of `arquivo` does not exist and
// PathFileAccess when it cannot be written there.
void VerificaDestino(const QString& arquivo);
// Raises VbError PathFileAccess: "Não foi possível gravar o arquivo ...: motivo".
[[noreturn]] void FalhaAoGravar(const QString& arquivo, const QString& motivo);
