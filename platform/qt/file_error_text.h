#pragma once

#include <QString>

namespace selkan {

// The text, then on a line of its own the system's reason for a failed file
// operation when there is one (code, an errno value, is not 0): the common
// reasons in the program's language, any other as the system words it.
QString WithSystemError(const QString& text, int code);

}  // namespace selkan
