#pragma once

// Points fontconfig at the program's own configuration (Tahoma from wine's
// font folder, a sans-serif fallback) unless the user set FONTCONFIG_FILE.
// Call before the QApplication is created.
void ConfiguraFontes();
