#pragma once

#include "Variant.h"

#include <QString>

// VB's Format for the masks this program uses: "dd/mm/yyyy", "###0.00",
// "000000", "yyyymmdd 00:00", "yyyymmdd 23:59", "dd/mm/yyyy hh:mm:ss".
// Null and Empty give ""; a text that is not a date or number comes back unchanged.
QString Format(const Variant& value, const QString& mask);
