#pragma once

#include <QString>
#include <functional>

// A file written where the user said (--pdf, --xlsx, the viewer's export):
// it appears whole or not at all. The writer fills a temporary file beside
// the destination, which replaces the destination by a rename only once it
// is complete and on disk; a writer that fails leaves nothing behind and the
// old file as it was.
//
// A symbolic link is written through: the link stays, its target gets the
// content (a dangling link's target is created). A new file gets the user's
// umask; a replaced one keeps its mode and, where the process may set them,
// its owner and group. A destination that exists and is not a regular file
// (a device, a FIFO, a socket, a folder) is refused, never replaced, so
// "/dev/null" stays a device.
//
// Errors raise VbError "Não foi possível gravar o arquivo X: motivo":
// BadFileName for a destination that is not a regular file, PathNotFound
// for a missing folder, PathFileAccess for a folder or file that cannot be
// written, DiskFull when the disk fills; a writer's own VbError passes
// through unchanged.

// `grava` writes the whole content at the path it is given (an empty file,
// already created with the final mode).
void GravaArquivoDeSaida(const QString& destino, const std::function<void(const QString& temporario)>& grava);

// Raises VbError PathFileAccess: "Não foi possível gravar o arquivo X: motivo".
[[noreturn]] void FalhaAoGravar(const QString& destino, const QString& motivo);
