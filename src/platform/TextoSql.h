#pragma once

#include <QString>

// A text value as it goes inside a quoted SQL literal: its single quotes
// doubled, so a name such as D'ÁVILA is found instead of breaking the query.
QString DobraAspas(const QString& valor);
