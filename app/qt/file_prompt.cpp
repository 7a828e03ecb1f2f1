#include "app/qt/file_prompt.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace selkan {

namespace {
FilePromptHandler& Handler() {
  static FilePromptHandler handler;
  return handler;
}

QString DatFilter() { return QCoreApplication::translate("FilePrompt", "Selkan Document (*.dat)"); }
QString PdfFilter() { return QCoreApplication::translate("FilePrompt", "PDF Document (*.pdf)"); }
QString AllFilesFilter() { return QCoreApplication::translate("FilePrompt", "All Files (*)"); }
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
  if (Handler()) return Handler()(request);
  QString path;
  if (request.kind == FilePromptKind::Open) {
    path = QFileDialog::getOpenFileName(request.parent, request.caption, QString(), request.filter);
  } else {
    QFileDialog dialog(request.parent, request.caption, request.proposedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      path = dialog.selectedFiles().constFirst();
  }
  if (path.isEmpty()) return std::nullopt;
  return path;
}

void SetFilePromptHandler(FilePromptHandler handler) { Handler() = std::move(handler); }

}  // namespace selkan
