#pragma once

#include <QDateTime>

// The emission time of reports and "today" of the date boxes:
// SOURCE_DATE_EPOCH (seconds, read as local wall time in UTC) when set to a
// number within years 1 to 9999, else now.
QDateTime Agora();
QDate Hoje();
