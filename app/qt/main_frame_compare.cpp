// The main frame's Compare With command: what differs between the active
// document and a file (or a backup, or the radio), as the grid and the
// listing show it.
#include <QDir>
#include <QFileInfo>

#include "app/qt/child_frame.h"
#include "app/qt/compare_dlg.h"
#include "app/qt/file_prompt.h"
#include "app/qt/main_frame.h"
#include "editor/qt/selkan_view.h"
#include "model/image_diff.h"
#include "model/selkan_doc.h"
#include "platform/qt/message_box.h"
#include "settings/process_settings.h"

namespace selkan {

void CMainFrame::OnFileCompare() {
  CChildFrame* active = ActiveChild();
  if (!active) return;
  const auto path = AskFilePath({.parent = this,
                                 .kind = FilePromptKind::Open,
                                 .caption = tr("Compare With"),
                                 .files = FileKind::Configuration,
                                 .folders = &folders_});
  if (!path) return;
  const DatLoadResult file = LoadDatFile(path->toStdString());
  if (file.error != DatLoadError::None) {
    ShowOpenError(*path, static_cast<int>(file.error), file.detail.code);
    return;
  }
  ShowDifferences(active, file.image, QFileInfo(*path).fileName(), QDir::toNativeSeparators(*path),
                  kImageSize, this);
}

void CMainFrame::ShowDifferences(CChildFrame* child, const RadioImage& other,
                                 const QString& otherName, const QString& otherLong,
                                 std::size_t end, QWidget* parent) {
  // The grid is the working copy of the channels: bring the image up to it.
  child->View()->Encode();
  const std::vector<ImageDifference> differences =
      CompareImages(child->Document().Image(), other, settings_.language(), end);
  const QString title = QString::fromStdString(child->Document().Title());
  if (differences.empty()) {
    ShowMessage({parent, messageCaption_, tr("%1 and %2 hold the same data.").arg(title, otherName),
                 QMessageBox::Information, QMessageBox::Ok});
    return;
  }
  QStringList lines;
  for (const ImageDifference& difference : differences)
    lines << QString::fromStdString(DifferenceLine(difference));
  const QString heading =
      tr("What differs between %1 and %2, one line each (%1 -> %2):").arg(title, otherLong);
  CCompareDlg dialog(heading, lines, parent);
  dialog.exec();
}

}  // namespace selkan
