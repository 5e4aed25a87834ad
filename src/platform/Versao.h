#pragma once

#include <QString>

// The release this program answers to the suite: its version, and the
// release text that prefixes window titles and titles the report's messages.
QString VersaoDoPrograma();  // "2014.08.05"
QString TituloRelease();     // "ERP KORVA - Tevrano - Release 2014.08.05"
