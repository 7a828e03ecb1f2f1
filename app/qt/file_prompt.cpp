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
}  // namespace

std::optional<QString> AskFilePath(const FilePromptRequest& request) {
  if (Handler()) return Handler()(request);
  QString path;
  if (request.kind == FilePromptKind::Open) {
    path = QFileDialog::getOpenFileName(request.parent, request.caption, QString(), DatFilter());
  } else {
    const bool pdf = request.kind == FilePromptKind::ExportPdf;
    QFileDialog dialog(request.parent, request.caption, request.proposedPath,
                       pdf ? PdfFilter() : DatFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(pdf ? QStringLiteral("pdf") : QStringLiteral("dat"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      path = dialog.selectedFiles().constFirst();
  }
  if (path.isEmpty()) return std::nullopt;
  return path;
}

void SetFilePromptHandler(FilePromptHandler handler) { Handler() = std::move(handler); }

}  // namespace selkan
