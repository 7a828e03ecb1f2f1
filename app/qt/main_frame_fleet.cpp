// The main frame's Program > Program Several Radios: the window of a run
// over many radios, given the active document, and the refusals while a
// run goes.
#include <QFileInfo>
#include <QStatusBar>

#include "app/qt/child_frame.h"
#include "app/qt/fleet_dlg.h"
#include "app/qt/main_frame.h"
#include "editor/qt/selkan_view.h"
#include "link/gui/transfer_monitor.h"
#include "link/qt/backup_location.h"
#include "model/product_info.h"
#include "model/selkan_doc.h"
#include "settings/process_settings.h"

namespace selkan {

void CMainFrame::OnProgramSeveralRadios() {
  if (!fleet_) {
    FleetContext context;
    context.documentName = [this]() -> std::optional<QString> {
      CChildFrame* child = ActiveChild();
      if (!child) return std::nullopt;
      const CSelkanDoc& document = child->Document();
      if (child->HasFile())
        return QFileInfo(QString::fromStdString(document.PathName())).fileName();
      return QString::fromStdString(document.Title());
    };
    context.documentImage = [this]() -> std::optional<RadioImage> {
      CChildFrame* child = ActiveChild();
      if (!child) return std::nullopt;
      return child->View()->ImageToWrite();
    };
    context.port = [this] {
      CChildFrame* child = ActiveChild();
      return child ? child->View()->PortName() : QStringLiteral("COM1");
    };
    const CProfileStore* profile = &profile_;
    context.typeNames = [profile] { return RadioTypeNames(*profile); };
    context.backupDirectory = DefaultBackupDirectory();
    context.language = settings_.language();
    context.folders = &folders_;
    fleet_ = new CFleetDlg(std::move(context), this);
    fleet_->SetMessageCaption(messageCaption_);
  }
  fleet_->show();
  fleet_->raise();
  fleet_->activateWindow();
}

CFleetDlg* CMainFrame::FleetWindow() const { return fleet_; }

bool CMainFrame::RefuseWhileBusy() {
  if (RefuseWhileTransferring()) return true;
  if (!FleetRunning()) return false;
  statusBar()->showMessage(tr("Wait until the radios have been programmed, or stop the run."),
                           3000);
  if (fleet_) {
    fleet_->show();
    fleet_->raise();
  }
  return true;
}

}  // namespace selkan
