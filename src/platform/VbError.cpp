#include "VbError.h"

VbError::VbError(long number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{}
