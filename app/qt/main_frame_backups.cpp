// The main frame's Program > Backups: the window of kept backups and what
// it offers on one of them (open, compare, write to the radio).
#include <QFileInfo>

#include "app/qt/backups_dlg.h"
#include "app/qt/child_frame.h"
#include "app/qt/main_frame.h"
#include "editor/qt/selkan_view.h"
#include "link/gui/transfer_controller.h"
#include "link/qt/backup_location.h"
#include "model/selkan_doc.h"
#include "settings/process_settings.h"

namespace selkan {

void CMainFrame::OnBackups() {
  if (!backups_) {
    // A write from the window goes to the port of the active document.
    auto port = [this] {
      CChildFrame* child = ActiveChild();
      return child ? child->View()->PortName() : QStringLiteral("COM1");
    };
    backups_ = new CBackupsDlg(DefaultBackupDirectory(), port, this);
    backups_->SetMessageCaption(messageCaption_);
    connect(backups_, &CBackupsDlg::openRequested, this, &CMainFrame::OpenBackup);
    connect(backups_, &CBackupsDlg::compareRequested, this, &CMainFrame::CompareWithBackup);
    connect(backups_, &CBackupsDlg::writeRequested, this, &CMainFrame::WriteBackup);
  }
  backups_->show();
  backups_->raise();
  backups_->activateWindow();
  // The backup taken before the active document's last write comes first.
  if (CChildFrame* child = ActiveChild()) {
    auto* controller =
        child->View()->findChild<CTransferController*>(QString(), Qt::FindDirectChildrenOnly);
    if (controller && !controller->LastBackup().empty())
      backups_->Select(QString::fromStdString(controller->LastBackup()));
  }
}

CBackupsDlg* CMainFrame::BackupsWindow() const { return backups_; }

bool CMainFrame::OpenBackup(const QString& path) {
  if (path.isEmpty() || RefuseWhileBusy()) return false;
  std::unique_ptr<CSelkanDoc> document = ReadDocument(path);
  if (!document) return false;
  // Not a file of its own: Save asks for a name, proposing the backup's
  // name outside the backups' folder.
  document->SetTitle(tr("%1 (backup)").arg(QFileInfo(path).fileName()).toStdString());
  if (CChildFrame* previous = ActiveChild()) previous->close();
  AddChild(std::move(document), false);
  // The document is to be worked on: the window that stands over it goes.
  if (backups_) backups_->hide();
  return true;
}

void CMainFrame::CompareWithBackup(const QString& path) {
  CChildFrame* active = ActiveChild();
  if (!active || path.isEmpty()) return;
  const DatLoadResult file = LoadDatFile(path.toStdString());
  if (file.error != DatLoadError::None) {
    ShowOpenError(path, static_cast<int>(file.error), file.detail.code);
    return;
  }
  ShowDifferences(active, file.image, QFileInfo(path).fileName(), QFileInfo(path).fileName(),
                  kImageSize, backups_ ? static_cast<QWidget*>(backups_) : this);
}

void CMainFrame::WriteBackup(const QString& path) {
  if (!backups_ || path.isEmpty()) return;
  auto* controller =
      CTransferController::For(*backups_, backups_->WriteDocument(), settings_.language());
  if (!controller->Dialog()) {
    if (RefuseWhileBusy()) return;
    const DatLoadResult file = LoadDatFile(path.toStdString());
    if (file.error != DatLoadError::None) {
      ShowOpenError(path, static_cast<int>(file.error), file.detail.code);
      return;
    }
    backups_->WriteDocument().SetImage(file.image);
  }
  PrepareTransfer(*controller);
  // The write keeps a new backup of the radio first: it joins the list.
  connect(controller, &CTransferController::finished, backups_, &CBackupsDlg::Refresh,
          Qt::UniqueConnection);
  controller->OnWrite();
}

}  // namespace selkan
