#pragma once

#include <QString>
#include <functional>

namespace selkan {

// Shows a folder in the desktop's file manager; false when none could be
// asked to.
bool ShowFolder(const QString& folder);

using FolderViewer = std::function<bool(const QString& folder)>;
// Replaces the file manager (tests); an empty viewer restores it.
void SetFolderViewer(FolderViewer viewer);

}  // namespace selkan
