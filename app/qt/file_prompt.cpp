#include "app/qt/file_prompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

namespace selkan {

namespace {
FilePromptHandler& Handler() {
  static FilePromptHandler handler;
  return handler;
}

QString DatFilter() { return QCoreApplication::translate("FilePrompt", "Selkan Document (*.dat)"); }
QString PdfFilter() { return QCoreApplication::translate("FilePrompt", "PDF Document (*.pdf)"); }
QString AllFilesFilter() { return QCoreApplication::translate("FilePrompt", "All Files (*)"); }

// The folder, or the file in it, the chooser starts from.
QString StartPath(const FilePromptRequest& request) {
  if (QFileInfo(request.proposedPath).isAbsolute()) return request.proposedPath;
  QString folder;
  if (request.folders != nullptr)
    folder = QString::fromStdString(request.folders->Folder(request.files));
  if (folder.isEmpty()) folder = request.startFolder;
  if (folder.isEmpty()) folder = QDir::homePath();
  return request.proposedPath.isEmpty() ? folder : QDir(folder).filePath(request.proposedPath);
}

QString RunChooser(const FilePromptRequest& request) {
  QFileDialog dialog(request.parent, request.caption, request.proposedPath, request.filter);
  if (request.kind == FilePromptKind::Open) {
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
  }
  // Large enough for the file types' names in either language.
  dialog.resize(dialog.sizeHint().expandedTo(QSize(640, 420)));
  const QStringList filters = dialog.nameFilters();
  if (request.chosenFilter != nullptr)
    dialog.selectNameFilter(filters.value(*request.chosenFilter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  if (request.chosenFilter != nullptr)
    *request.chosenFilter =
        std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
  return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> AskFilePath(const FilePromptRequest& asked) {
  FilePromptRequest request = asked;
  const bool pdf = request.kind == FilePromptKind::ExportPdf;
  if (request.filter.isEmpty()) request.filter = pdf ? PdfFilter() : DatFilter();
  // Files of any name can be opened: a configuration need not end in .dat.
  if (request.kind == FilePromptKind::Open)
    request.filter += QStringLiteral(";;") + AllFilesFilter();
  if (request.defaultSuffix.isEmpty())
    request.defaultSuffix = pdf ? QStringLiteral("pdf") : QStringLiteral("dat");
  request.proposedPath = StartPath(request);
  const QString path = Handler() ? Handler()(request).value_or(QString()) : RunChooser(request);
  if (path.isEmpty()) return std::nullopt;
  if (request.folders != nullptr)
    request.folders->Remember(request.files, QFileInfo(path).absoluteFilePath().toStdString());
  return path;
}

void SetFilePromptHandler(FilePromptHandler handler) { Handler() = std::move(handler); }

}  // namespace selkan
