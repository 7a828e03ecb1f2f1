#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "settings/recent_folders.h"

class QWidget;

namespace selkan {

// The file choosers of Open, Save As and Export PDF, behind one seam so that
// a test can answer them. An empty result means the user cancelled.
enum class FilePromptKind { Open, Save, ExportPdf };

// Every member has a default, so that a request names only what it needs.
struct FilePromptRequest {
  QWidget* parent = nullptr;
  FilePromptKind kind = FilePromptKind::Open;
  QString caption{};
  // Save, ExportPdf: the name offered. An absolute path is offered as it is
  // (a document's own file); a bare name in the folder the chooser starts in.
  QString proposedPath{};
  // Empty: Selkan documents (*.dat), or PDF documents for ExportPdf. Open
  // adds All Files (*).
  QString filter{};
  QString defaultSuffix{};  // Save: added to a name without one; empty: "dat" or "pdf"
  // The chooser starts in the folder last used for this kind of file, else
  // in startFolder, else in the user's home folder; the folder of the file
  // chosen is remembered.
  FileKind files = FileKind::Configuration;
  RecentFolders* folders = nullptr;
  QString startFolder{};
  // Save: the index of the filter first shown (among those ";;" separates in
  // filter), and then of the one the user chose.
  int* chosenFilter = nullptr;
};

// The handler (a test's) sees the request with proposedPath made the path
// the chooser starts from: a folder, or a file in it.
std::optional<QString> AskFilePath(const FilePromptRequest& request);

using FilePromptHandler = std::function<std::optional<QString>(const FilePromptRequest&)>;
// Replaces the real choosers (tests); an empty handler restores them.
void SetFilePromptHandler(FilePromptHandler handler);

}  // namespace selkan
