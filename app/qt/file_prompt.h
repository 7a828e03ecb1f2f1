#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace selkan {

// The file choosers of Open, Save As and Export PDF, behind one seam so that
// a test can answer them. An empty result means the user cancelled.
enum class FilePromptKind { Open, Save, ExportPdf };

struct FilePromptRequest {
  QWidget* parent = nullptr;
  FilePromptKind kind = FilePromptKind::Open;
  QString caption;
  QString proposedPath;  // Save, ExportPdf: the name offered
  // Empty: Selkan documents (*.dat), or PDF documents for ExportPdf. Open
  // adds All Files (*).
  QString filter;
  QString defaultSuffix;  // Save: added to a name without one; empty: "dat" or "pdf"
};

std::optional<QString> AskFilePath(const FilePromptRequest& request);

using FilePromptHandler = std::function<std::optional<QString>(const FilePromptRequest&)>;
// Replaces the real choosers (tests); an empty handler restores them.
void SetFilePromptHandler(FilePromptHandler handler);

}  // namespace selkan
