// The main frame's Program and Setup commands: Read, Write and COM Setup of
// the active view, and the guard that keeps documents alive while a
// transfer pumps the event queue.
#include <QAction>
#include <QStatusBar>

#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/main_frame.h"
#include "dialogs/qt/com_setup_dlg.h"
#include "editor/qt/selkan_view.h"
#include "link/gui/transfer_controller.h"
#include "link/gui/transfer_monitor.h"
#include "model/product_info.h"
#include "settings/process_settings.h"
#include "settings/product_profile.h"

namespace selkan {

void CMainFrame::ConnectTransferCommands() {
  using namespace command;
  connect(Action(kRead), &QAction::triggered, this, &CMainFrame::OnRead);
  connect(Action(kWrite), &QAction::triggered, this, &CMainFrame::OnWrite);
  connect(Action(kCompareWithRadio), &QAction::triggered, this, &CMainFrame::OnCompareWithRadio);
  connect(Action(kBackups), &QAction::triggered, this, &CMainFrame::OnBackups);
  connect(Action(kProgramSeveralRadios), &QAction::triggered, this,
          &CMainFrame::OnProgramSeveralRadios);
  connect(Action(kComSetup), &QAction::triggered, this, &CMainFrame::OnComSetup);
  connect(Action(kLanguage), &QAction::triggered, this, &CMainFrame::OnLanguage);
  connect(&TransferMonitor::Instance(), &TransferMonitor::runningChanged, this,
          &CMainFrame::UpdateTransferCommands);
  connect(&TransferMonitor::Instance(), &TransferMonitor::fleetRunningChanged, this,
          &CMainFrame::UpdateTransferCommands);
}

void CMainFrame::UpdateTransferCommands() {
  using namespace command;
  // A run over many radios holds ports too, on threads of its own.
  const bool running = TransferRunning() || FleetRunning();
  const bool document = !Children().isEmpty();
  // Read and Write stay on during a transfer: they raise its window.
  Action(kRead)->setEnabled(document);
  Action(kWrite)->setEnabled(document);
  Action(kCompareWithRadio)->setEnabled(document);
  Action(kProgramSeveralRadios)->setEnabled(document);
  Action(kComSetup)->setEnabled(document && !running);
  Action(kLanguage)->setEnabled(document && !running);
  for (int id : {kFilePrint, kFilePrintDirect, kFilePrintPreview, kExportPdf})
    Action(id)->setEnabled(document);
  for (int id : {kFileNew, kFileOpen, kFileClose, kAppExit}) Action(id)->setEnabled(!running);
}

bool CMainFrame::RefuseWhileTransferring() {
  if (!TransferRunning()) return false;
  statusBar()->showMessage(tr("Wait until the transfer has ended, or cancel it."), 3000);
  return true;
}

CTransferController* CMainFrame::TransferControllerOfActiveView() {
  CChildFrame* child = ActiveChild();
  if (!child) return nullptr;
  CSelkanView* view = child->View();
  CTransferController* controller = CTransferController::For(*view, *view, settings_.language());
  // One transfer in the whole program: another document's would run nested
  // inside this one's event pumps.
  if (!controller->Dialog() && RefuseWhileBusy()) return nullptr;
  PrepareTransfer(*controller);
  return controller;
}

void CMainFrame::PrepareTransfer(CTransferController& controller) {
  controller.SetMessageCaption(messageCaption_);
  WriteSafetySettings safety;
  safety.registry = &registry_;
  safety.registryKey = ProductRegistryKey(profile_);
  const CProfileStore* profile = &profile_;
  safety.typeName = [profile](int typeIndex) { return RadioTypeName(*profile, typeIndex); };
  controller.SetWriteSafety(std::move(safety));
}

void CMainFrame::OnRead() {
  if (CTransferController* controller = TransferControllerOfActiveView()) controller->OnRead();
}

void CMainFrame::OnWrite() {
  if (CTransferController* controller = TransferControllerOfActiveView()) controller->OnWrite();
}

void CMainFrame::OnCompareWithRadio() {
  CTransferController* controller = TransferControllerOfActiveView();
  if (!controller) return;
  QPointer<CChildFrame> child = ActiveChild();
  controller->OnCompare(tr("Compare with Radio"), [this, child](const RadioImage& radio) {
    // The last 16 bytes are never written, so a write cannot make them agree.
    if (child)
      ShowDifferences(child, radio, tr("the radio"), tr("the radio"), offset::kWriteLimit, this);
  });
}

void CMainFrame::OnComSetup() {
  CChildFrame* child = ActiveChild();
  // The dialog tries the ports, which a run may hold.
  if (!child || TransferRunning() || FleetRunning()) return;
  CComSetupDlg dialog(registry_, ProductRegistryKey(profile_), this);
  if (dialog.exec() == QDialog::Accepted) child->View()->SetPortName(dialog.PortName());
}

}  // namespace selkan
