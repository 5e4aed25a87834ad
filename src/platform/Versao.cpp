#include "Versao.h"

QString VersaoDoPrograma()
{
    return QStringLiteral("2014.08.05");
}

QString TituloRelease()
{
    return QStringLiteral("ERP KORVA - Tevrano - Release ") + VersaoDoPrograma();
}
