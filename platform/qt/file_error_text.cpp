#include "platform/qt/file_error_text.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace selkan {
namespace {

// The system's reason for a failed file operation (an errno value, not 0) in
// the program's language: the common ones come from the catalogs, any other
// is shown as the system words it.
QString SystemErrorText(int code) {
  const char* source = nullptr;
  switch (code) {
    case ENOENT:
      source = QT_TRANSLATE_NOOP("selkan::FileErrors", "No such file or directory");
      break;
    case EACCES:
      source = QT_TRANSLATE_NOOP("selkan::FileErrors", "Permission denied");
      break;
    case EISDIR:
      source = QT_TRANSLATE_NOOP("selkan::FileErrors", "Is a directory");
      break;
    case ENOSPC:
      source = QT_TRANSLATE_NOOP("selkan::FileErrors", "No space left on device");
      break;
    case EROFS:
      source = QT_TRANSLATE_NOOP("selkan::FileErrors", "Read-only file system");
      break;
    default:
      return QString::fromLocal8Bit(std::strerror(code));
  }
  return QCoreApplication::translate("selkan::FileErrors", source);
}

}  // namespace

QString WithSystemError(const QString& text, int code) {
  return code == 0 ? text : text + QLatin1Char('\n') + SystemErrorText(code);
}

}  // namespace selkan
