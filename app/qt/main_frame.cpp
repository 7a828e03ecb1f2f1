#include "app/qt/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoGroup>
#include <QUndoStack>

#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/fleet_dlg.h"
#include "app/qt/help_window.h"
#include "app/qt/mdi_client_wnd.h"
#include "app/qt/toolbar_icons.h"
#include "editor/qt/selkan_view.h"
#include "link/gui/transfer_monitor.h"
#include "platform/qt/help_request.h"
#include "settings/process_settings.h"
#include "settings/product_profile.h"
#include "settings/profile_store.h"

namespace selkan {

CMainFrame::CMainFrame(const ProcessSettings& settings, CProfileStore& profile, Registry& registry,
                       QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      profile_(profile),
      registry_(registry),
      folders_(registry, ProductRegistryKey(profile)) {
  setObjectName(QStringLiteral("CMainFrame"));
  // The caption is the application title until the product information sets it.
  setWindowTitle(tr("Selkan"));
  messageCaption_ = tr("Selkan");
  resize(1000, 600);
  client_ = new CMDIClientWnd(QString::fromStdString(settings_.ProgramDirectory()), this);
  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  CreateNavigatorBar();
  ConnectTransferCommands();
  ConnectPrintCommands();
  connect(client_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    if (auto* child = qobject_cast<CChildFrame*>(window)) {
      lastActive_ = child;
      undoGroup_->setActiveStack(child->View()->UndoStack());
    }
    if (fleet_) fleet_->RefreshDocument();
    UpdateMenus();
  });
  UpdateMenus();
}

CMainFrame::~CMainFrame() {
  // The document windows go first, while this frame is still whole, and
  // without telling it; those closed for good but not yet deleted too.
  disconnect(client_, nullptr, this, nullptr);
  disconnect(undoGroup_, nullptr, this, nullptr);
  // A run over many radios still going is stopped by its window, which goes
  // after this frame: its end must not reach the frame.
  disconnect(&TransferMonitor::Instance(), nullptr, this, nullptr);
  for (CChildFrame* child : client_->findChildren<CChildFrame*>()) {
    disconnect(child, nullptr, this, nullptr);
    if (child->View() != nullptr) disconnect(child->View(), nullptr, this, nullptr);
    delete child;
  }
}

QAction* CMainFrame::MakeAction(int commandId, const QString& text, const QString& prompt,
                                const QString& toolTip) {
  auto* action = new QAction(text, this);
  action->setData(commandId);
  action->setStatusTip(prompt);
  if (!toolTip.isEmpty()) action->setToolTip(toolTip);
  actions_[commandId] = action;
  addAction(action);  // accelerators work whichever menu is shown
  return action;
}

void CMainFrame::CreateActions() {
  using namespace command;
  MakeAction(kFileNew, tr("&New"), tr("Create a new document"), tr("New"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  MakeAction(kFileOpen, tr("&Open..."), tr("Open an existing document"), tr("Open"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  MakeAction(kFileClose, tr("&Close"), tr("Close the active document"));
  MakeAction(kFileSave, tr("&Save"), tr("Save the active document"), tr("Save"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  MakeAction(kFileSaveAs, tr("Save &As..."), tr("Save the active document with a new name"));
  MakeAction(kFileCompare, tr("Co&mpare With..."),
             tr("List what differs between the active document and a file"));
  MakeAction(kFilePrint, tr("&Print..."), tr("Print the active document"), tr("Print"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  MakeAction(kFilePrintDirect, tr("Print"));
  MakeAction(kFilePrintPreview, tr("Print Pre&view"), tr("Display full pages"));
  MakeAction(kExportPdf, tr("&Export PDF..."), tr("Write the listing to a PDF file"));
  MakeAction(kFilePrintSetup, tr("P&rint Setup..."), tr("Change the printer and printing options"));
  MakeAction(kAppExit, tr("E&xit"), tr("Quit the application; prompts to save documents"));
  MakeAction(kProductInformation, tr("&Product Information"),
             tr("Choose the radio type and the frequency band"));
  MakeAction(kChannelInformation, tr("&Channel Information"), tr("Show the channel window"));
  MakeAction(kOptionalFeatures, tr("&Optional Features"), tr("Edit the radio's optional features"));
  MakeAction(kRead, tr("&Read"), tr("Read Data From Radio"), tr("Read"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  MakeAction(kWrite, tr("&Write"), tr("Write Data To Radio"), tr("Write"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  MakeAction(kProgramSeveralRadios, tr("Program &Several Radios..."),
             tr("Write the active document into radio after radio, each logged"));
  MakeAction(kCompareWithRadio, tr("Co&mpare with Radio"),
             tr("Read the radio and list what differs from the active document"));
  MakeAction(kBackups, tr("&Backups..."), tr("The radio's contents kept before each write"));
  MakeAction(kViewToolbar, tr("&Toolbar"), tr("Show or hide the toolbar"))->setCheckable(true);
  MakeAction(kViewStatusBar, tr("&Status Bar"), tr("Show or hide the status bar"))
      ->setCheckable(true);
  MakeAction(kControlBar, tr("&Control Bar"), tr("Show or hide the navigation bar"))
      ->setCheckable(true);
  MakeAction(kComSetup, tr("&Com Setup"));
  MakeAction(kLanguage, tr("&Language"));
  MakeAction(kAppAbout, tr("&About Selkan..."),
             tr("Display program information, version number and copyright"), tr("About"));
  aboutWithoutDocument_ = new QAction(tr("&About Selkan..."), this);
  aboutWithoutDocument_->setData(kAppAbout);
  aboutWithoutDocument_->setStatusTip(Action(kAppAbout)->statusTip());
  MakeAction(kNextPane, tr("Next Window"), tr("Switch to the next window pane"))
      ->setShortcut(QKeySequence(Qt::Key_F6));
  MakeAction(kPrevPane, tr("Previous Window"), tr("Switch back to the previous window pane"))
      ->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
  actions_[kAppAbout]->setIcon(ToolbarIcon(ToolbarIconKind::About));
  actions_[kFileNew]->setIcon(ToolbarIcon(ToolbarIconKind::New));
  actions_[kFileOpen]->setIcon(ToolbarIcon(ToolbarIconKind::Open));
  actions_[kFileSave]->setIcon(ToolbarIcon(ToolbarIconKind::Save));
  actions_[kRead]->setIcon(ToolbarIcon(ToolbarIconKind::Read));
  actions_[kWrite]->setIcon(ToolbarIcon(ToolbarIconKind::Write));
  actions_[kFilePrint]->setIcon(ToolbarIcon(ToolbarIconKind::Print));

  connect(actions_[kFileNew], &QAction::triggered, this, [this] { OnFileNew(); });
  connect(actions_[kFileOpen], &QAction::triggered, this, &CMainFrame::OnFileOpen);
  connect(actions_[kFileClose], &QAction::triggered, this, &CMainFrame::OnFileClose);
  connect(actions_[kFileSave], &QAction::triggered, this, [this] { OnFileSave(); });
  connect(actions_[kFileSaveAs], &QAction::triggered, this, [this] { OnFileSaveAs(); });
  connect(actions_[kFileCompare], &QAction::triggered, this, &CMainFrame::OnFileCompare);
  connect(actions_[kAppExit], &QAction::triggered, this, &QWidget::close);
  connect(actions_[kProductInformation], &QAction::triggered, this,
          &CMainFrame::OnProductInformation);
  connect(actions_[kChannelInformation], &QAction::triggered, this,
          &CMainFrame::OnChannelInformation);
  connect(actions_[kOptionalFeatures], &QAction::triggered, this, &CMainFrame::OnOptionalFeatures);
  connect(actions_[kAppAbout], &QAction::triggered, this, &CMainFrame::OnAbout);
  connect(aboutWithoutDocument_, &QAction::triggered, this, &CMainFrame::OnAbout);
  connect(actions_[kNextPane], &QAction::triggered, client_, &QMdiArea::activateNextSubWindow);
  connect(actions_[kPrevPane], &QAction::triggered, client_, &QMdiArea::activatePreviousSubWindow);

  auto* help = new QAction(this);
  help->setShortcut(QKeySequence::HelpContents);
  connect(help, &QAction::triggered, this, &CMainFrame::OnHelpKey);
  addAction(help);
  CreateEditActions();
}

void CMainFrame::CreateMenus() {
  using namespace command;
  auto menu = [this](const QString& title, QList<QMenu*>& into) {
    auto* m = new QMenu(title, this);
    m->installEventFilter(this);  // F1 on an item asks for the item's topic
    into.append(m);
    return m;
  };
  auto add = [this](QMenu* m, std::initializer_list<int> ids) {
    for (int id : ids) {
      if (id == 0)
        m->addSeparator();
      else
        m->addAction(actions_.at(id));
    }
  };
  // The menu bar while a document is open.
  add(menu(tr("&File"), documentMenus_),
      {kFileNew, kFileOpen, kFileClose, kFileSave, kFileSaveAs, 0, kFileCompare, 0, kImportChannels,
       kExportChannels, 0, kFilePrint, kFilePrintPreview, kFilePrintSetup, kExportPdf, 0,
       kAppExit});
  add(menu(tr("&Edit"), documentMenus_),
      {kEditUndo, kEditRedo, 0, kEditCut, kEditCopy, kEditPaste, kEditClear, kEditSelectAll, 0,
       kInsertChannel, kDeleteChannel, kMoveChannelUp, kMoveChannelDown, 0, kProductInformation,
       kChannelInformation, kOptionalFeatures});
  add(menu(tr("&Program"), documentMenus_),
      {kRead, kWrite, kProgramSeveralRadios, 0, kCompareWithRadio, kBackups});
  add(menu(tr("&View"), documentMenus_), {kViewToolbar, kViewStatusBar, kControlBar});
  add(menu(tr("&Setup"), documentMenus_), {kComSetup, kLanguage});
  add(menu(tr("&Help"), documentMenus_), {kAppAbout});
  // The menu bar without a document.
  add(menu(tr("&File"), menusWithoutDocument_),
      {kFileNew, kFileOpen, 0, kFilePrintSetup, 0, kAppExit});
  add(menu(tr("&View"), menusWithoutDocument_), {kViewToolbar, kViewStatusBar});
  menu(tr("&Help"), menusWithoutDocument_)->addAction(aboutWithoutDocument_);
}

void CMainFrame::CreateToolBar() {
  using namespace command;
  toolBar_ = new QToolBar(tr("Toolbar"), this);
  toolBar_->setObjectName(QStringLiteral("toolbar59392"));
  toolBar_->setIconSize(QSize(18, 18));
  for (int id : {kFileNew, kFileOpen, kFileSave, 0, kRead, kWrite, 0, kFilePrint, 0, kAppAbout}) {
    if (id == 0)
      toolBar_->addSeparator();
    else
      toolBar_->addAction(actions_.at(id));
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
  QAction* toggle = actions_.at(kViewToolbar);
  toggle->setChecked(true);
  connect(toggle, &QAction::toggled, toolBar_, &QWidget::setVisible);
  connect(toolBar_, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("statusbar59393"));
  // The lock-key states cannot be read portably: the indicators stand as
  // labels of their own.
  for (const QString& name : {tr("CAP"), tr("NUM"), tr("SCRL")}) {
    auto* indicator = new QLabel(name, bar);
    indicator->setAlignment(Qt::AlignCenter);
    indicator->setFrameShape(QFrame::Panel);
    indicator->setFrameShadow(QFrame::Sunken);
    indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(name) + 12);
    indicator->setEnabled(false);
    bar->addPermanentWidget(indicator);
  }
  connect(bar, &QStatusBar::messageChanged, this, [this](const QString& message) {
    if (message.isEmpty()) ShowReady();
  });
  ShowReady();
  QAction* toggle = actions_.at(command::kViewStatusBar);
  toggle->setChecked(true);
  connect(toggle, &QAction::toggled, bar, &QWidget::setVisible);
}

void CMainFrame::ShowReady() { statusBar()->showMessage(tr("Ready")); }

void CMainFrame::UpdateMenus() {
  UpdateTransferCommands();
  const bool documentMenu = !Children().isEmpty();
  if (documentMenu == documentMenu_ && !menuBar()->actions().isEmpty()) return;
  documentMenu_ = documentMenu;
  menuBar()->clear();
  for (QMenu* m : documentMenu_ ? documentMenus_ : menusWithoutDocument_) menuBar()->addMenu(m);
}

QAction* CMainFrame::Action(int commandId) const {
  auto it = actions_.find(commandId);
  return it == actions_.end() ? nullptr : it->second;
}

QAction* CMainFrame::AboutAction(bool documentMenu) const {
  return documentMenu ? Action(command::kAppAbout) : aboutWithoutDocument_;
}

void CMainFrame::SetAboutTitle(const QString& title) {
  QAction* about = Action(command::kAppAbout);
  about->setText(title);
  about->setToolTip(tr("About"));
}

void CMainFrame::ShowHelp(int contextId) {
  if (!help_) {
    help_ = new CHelpWindow(QString::fromStdString(settings_.ProgramDirectory()),
                            QString::fromStdString(settings_.HelpFileName()), this);
  }
  // A modal dialog blocks every other window; help asked for from inside
  // one is modal itself, so that it can be read, scrolled and closed.
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality modality =
      modal != nullptr && modal != help_ ? Qt::ApplicationModal : Qt::NonModal;
  if (help_->windowModality() != modality) {
    help_->hide();  // modality changes only while the window is hidden
    help_->setWindowModality(modality);
  }
  help_->ShowTopic(contextId);
}

void CMainFrame::OnHelpKey() {
  // The focused control names its topic with the property "controlId"; else the
  // index page.
  for (QWidget* w = focusWidget(); w; w = w->parentWidget()) {
    const QVariant id = w->property("controlId");
    if (id.isValid()) {
      RequestHelp(id.toInt());
      return;
    }
  }
  RequestHelp(command::kHelpIndex);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    if (auto* m = qobject_cast<QMenu*>(watched)) {
      if (QAction* item = m->activeAction(); item && item->data().isValid()) {
        const int id = item->data().toInt();
        m->close();
        RequestHelp(id);
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (RefuseWhileBusy()) {
    event->ignore();
    return;
  }
  if (!savePromptAnswered_ && !SaveModifiedDocuments()) {
    event->ignore();
    return;
  }
  for (CChildFrame* child : Children()) child->AllowClose();
  if (help_) help_->close();
  QMainWindow::closeEvent(event);
}

}  // namespace selkan
