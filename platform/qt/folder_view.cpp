#include "platform/qt/folder_view.h"

#include <QDesktopServices>
#include <QUrl>

namespace selkan {

namespace {

FolderViewer& Viewer() {
  static FolderViewer viewer;
  return viewer;
}

}  // namespace

bool ShowFolder(const QString& folder) {
  if (Viewer()) return Viewer()(folder);
  return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void SetFolderViewer(FolderViewer viewer) { Viewer() = std::move(viewer); }

}  // namespace selkan
