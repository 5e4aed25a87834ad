#pragma once

#include <QString>

// The program's own data (fontconfig file, icons): share/pantoro beside the
// bin folder that holds the running executable. The build tree mirrors the
// installed layout (build/bin, build/share/pantoro), so both find it alike.
// Works before any QCoreApplication exists.
QString PastaDeDados();
