// The main frame's navigation bar and the editors it opens: the bar with its
// tree, View > Control Bar, and Optional Features.
#include <QAction>
#include <QHBoxLayout>
#include <QPointer>
#include <QStatusBar>

#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/main_frame.h"
#include "app/qt/mdi_client_wnd.h"
#include "editor/qt/selkan_view.h"
#include "link/gui/transfer_monitor.h"
#include "model/optional_features.h"
#include "model/qt/optional_features_dlg.h"
#include "navbar/qt/navigator_bar.h"
#include "navbar/qt/navigator_tree.h"
#include "platform/qt/profile_text.h"
#include "settings/process_settings.h"

namespace selkan {

void CMainFrame::CreateNavigatorBar() {
  // The bar stands on the left of the document windows, between the
  // toolbar and the status bar, and stays there.
  const QString company = ProfileText(settings_.ProductText("Company"));
  auto* area = new QWidget(this);
  auto* layout = new QHBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  navigatorBar_ = new CNavigatorBar(company, area);
  layout->addWidget(navigatorBar_);
  layout->addWidget(client_, 1);
  setCentralWidget(area);

  CNavigatorTree* tree = navigatorBar_->Tree();
  tree->Fill(company, settings_.language());
  connect(tree, &CNavigatorTree::editorChosen, this, &CMainFrame::OnNavigatorEditor);

  // View > Control Bar shows and hides the bar; its check mark follows the
  // bar, whichever way it was shown or hidden.
  QAction* toggle = Action(command::kControlBar);
  toggle->setChecked(true);
  connect(toggle, &QAction::toggled, navigatorBar_, &QWidget::setVisible);
  connect(navigatorBar_, &CNavigatorBar::shownChanged, toggle, &QAction::setChecked);
}

void CMainFrame::OnNavigatorEditor(NavigatorEditor editor) {
  switch (editor) {
    case NavigatorEditor::ChannelInformation:
      OnChannelInformation();
      break;
    case NavigatorEditor::OptionalFeatures:
      OnOptionalFeatures();
      break;
    case NavigatorEditor::ProductInformation:
      OnProductInformation();
      break;
    case NavigatorEditor::None:
      break;
  }
}

CChildFrame* CMainFrame::DocumentForEditor() {
  if (RefuseWhileTransferring()) return nullptr;
  CChildFrame* active = ActiveChild();
  if (!active) statusBar()->showMessage(tr("No document is open."), 3000);
  return active;
}

void CMainFrame::OnOptionalFeatures() {
  QPointer<CChildFrame> active = DocumentForEditor();
  if (!active) return;
  COptionalFeaturesDlg dialog(ReadOptionStates(active->Document().Image()), settings_.language(),
                              this);
  if (dialog.exec() != QDialog::Accepted || !active) return;
  const RadioImage before = active->Document().Image();
  // One step of the document's history when a byte changed.
  if (ApplyOptionStates(active->Document(), dialog.States()))
    active->View()->RecordImageChange(before, active->Document().Image(), tr("Optional Features"));
}

}  // namespace selkan
