#pragma once

// Points fontconfig at the program's own configuration (the report's Tahoma
// drawn in DejaVu Sans Condensed, of the same widths, with its accents and a
// true bold) unless the user set FONTCONFIG_FILE.
// Call before the QApplication is created.
void ConfiguraFontes();
