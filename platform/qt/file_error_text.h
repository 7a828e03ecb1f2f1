#pragma once

#include <QString>

namespace selkan {

// The system's reason for a failed file operation (an errno value) in the
// program's language: the common ones come from the catalogs, any other is
// shown as the system words it.
QString SystemErrorText(int code);
// The text, then on a line of its own the system's reason when there is one
// (code is not 0).
QString WithSystemError(const QString& text, int code);

}  // namespace selkan
