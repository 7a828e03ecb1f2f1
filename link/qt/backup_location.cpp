#include "link/qt/backup_location.h"

#include <QStandardPaths>

#include "platform/user_folder.h"

namespace selkan {

std::filesystem::path DefaultBackupDirectory() {
  // The generic location rather than the application's own, whose name
  // differs between the program and the command-line tool.
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return std::filesystem::path(data.toStdString()) / kUserFolderName / "backups";
}

}  // namespace selkan
