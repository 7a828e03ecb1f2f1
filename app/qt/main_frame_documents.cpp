// The document commands of the main frame: New, Open, Save, Save As, Close,
// Channel Information, Product Information, About, and the save prompt at exit.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QUndoGroup>

#include "app/qt/about_dlg.h"
#include "app/qt/child_frame.h"
#include "app/qt/file_prompt.h"
#include "app/qt/help_window.h"
#include "app/qt/main_frame.h"
#include "app/qt/mdi_client_wnd.h"
#include "editor/qt/selkan_view.h"
#include "model/qt/product_info_dlg.h"
#include "model/selkan_doc.h"
#include "platform/qt/message_box.h"
#include "platform/qt/profile_text.h"
#include "settings/process_settings.h"

namespace selkan {

CChildFrame* CMainFrame::ActiveChild() const {
  if (auto* active = qobject_cast<CChildFrame*>(client_->activeSubWindow())) return active;
  return lastActive_.data();
}

QList<CChildFrame*> CMainFrame::Children() const {
  QList<CChildFrame*> children;
  for (QMdiSubWindow* window : client_->subWindowList())
    if (auto* child = qobject_cast<CChildFrame*>(window)) children.append(child);
  return children;
}

CChildFrame* CMainFrame::AddChild(std::unique_ptr<CSelkanDoc> document, bool hasFile) {
  ViewContext context{&settings_, &profile_, &registry_};
  auto* child = new CChildFrame(std::move(document), context);
  child->SetHasFile(hasFile);
  CSelkanView* view = child->View();
  connect(view, &CSelkanView::captionChanged, this, &QWidget::setWindowTitle);
  // Without title.ico the window shows the program's own icon, not the
  // toolkit's.
  connect(view, &CSelkanView::iconChanged, child, [child](const QIcon& icon) {
    child->setWindowIcon(icon.isNull() ? QIcon(QStringLiteral(":/selkan/icon128.png")) : icon);
  });
  connect(child, &QObject::destroyed, this, [this] { UpdateMenus(); });
  undoGroup_->addStack(view->UndoStack());
  view->SetContextActions(contextActions_);
  client_->addSubWindow(child);
  // The window fits the form, at the top left corner of the client area.
  child->adjustSize();
  child->move(0, 0);
  child->show();
  client_->setActiveSubWindow(child);
  lastActive_ = child;
  UpdateMenus();
  view->OnInitialUpdate();
  return child;
}

bool CMainFrame::OnFileNew() {
  if (RefuseWhileTransferring()) return false;
  if (CChildFrame* active = ActiveChild()) {
    const auto answer = ShowMessage({this, messageCaption_, tr("All data will be Cleared!"),
                                     QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel});
    if (answer != QMessageBox::Ok) return false;
    // The active document goes with its window, without a save prompt.
    active->AllowClose();
    active->close();
  }
  return NewDocument();
}

bool CMainFrame::NewDocument() {
  auto document = std::make_unique<CSelkanDoc>();
  document->OnNewDocument(settings_);
  AddChild(std::move(document), false);
  return true;
}

void CMainFrame::ShowOpenError(const QString& path, int error, const QString& detail) {
  QString text;
  if (error == static_cast<int>(DatLoadError::DataFormat)) {
    text = settings_.IsChinese() ? Utf8Text("数据格式不正确") : QStringLiteral("Data Format Error");
  } else {
    text = tr("Cannot open the file %1.").arg(QDir::toNativeSeparators(path));
    if (!detail.isEmpty()) text += QLatin1Char('\n') + detail;
  }
  ShowMessage({this, messageCaption_, text, QMessageBox::Warning, QMessageBox::Ok});
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
  if (RefuseWhileTransferring()) return false;
  // A file that is open already comes back with its window and its edits;
  // a second copy would hide them.
  const QString canonical = QFileInfo(path).canonicalFilePath();
  for (CChildFrame* child : Children()) {
    const QString open =
        QFileInfo(QString::fromStdString(child->Document().PathName())).canonicalFilePath();
    if (!child->HasFile() || canonical.isEmpty() || open != canonical) continue;
    CChildFrame* previous = ActiveChild();
    if (previous != nullptr && previous != child) previous->close();
    child->showNormal();
    client_->setActiveSubWindow(child);
    client_->UpdateScrollRange();
    return true;
  }
  auto document = std::make_unique<CSelkanDoc>();
  std::string detail;
  const DatLoadError error = document->OnOpenDocument(path.toStdString(), &detail);
  if (error != DatLoadError::None) {
    ShowOpenError(path, static_cast<int>(error), QString::fromStdString(detail));
    return false;
  }
  // The document that was showing steps aside for the opened one.
  if (CChildFrame* previous = ActiveChild()) previous->close();
  AddChild(std::move(document), true);
  return true;
}

void CMainFrame::OnFileOpen() {
  if (RefuseWhileTransferring()) return;
  const auto path = AskFilePath({this, FilePromptKind::Open, tr("Open"), {}, {}, {}});
  if (path) OpenDocumentFile(*path);
}

bool CMainFrame::SaveDocument(CChildFrame* child, bool askForName) {
  if (!child) return false;
  CSelkanDoc& document = child->Document();
  QString path = QString::fromStdString(document.PathName());
  if (askForName || !child->HasFile()) {
    // A new document proposes the product's name: "<AppName>.dat".
    QString proposed = path;
    if (!proposed.isEmpty() && QFileInfo(proposed).suffix().isEmpty())
      proposed += QStringLiteral(".dat");
    const auto chosen = AskFilePath({this, FilePromptKind::Save, tr("Save As"), proposed, {}, {}});
    if (!chosen) return false;
    path = *chosen;
  }
  child->View()->Encode();
  std::string error;
  if (!document.OnSaveDocument(path.toStdString(), &error)) {
    QString text = tr("Cannot save the file %1.").arg(QDir::toNativeSeparators(path));
    if (!error.empty()) text += QLatin1Char('\n') + QString::fromStdString(error);
    ShowMessage({this, messageCaption_, text, QMessageBox::Warning, QMessageBox::Ok});
    return false;
  }
  child->SetHasFile(true);
  child->View()->MarkClean();
  child->setWindowTitle(ProfileText(document.Title()));
  return true;
}

bool CMainFrame::OnFileSave() { return SaveDocument(ActiveChild(), false); }

bool CMainFrame::OnFileSaveAs() { return SaveDocument(ActiveChild(), true); }

void CMainFrame::OnFileClose() {
  if (RefuseWhileTransferring()) return;
  if (CChildFrame* active = ActiveChild()) active->close();  // hides it
}

void CMainFrame::OnChannelInformation() {
  CChildFrame* active = ActiveChild();
  if (!active) {
    showNormal();  // no document window: the main frame is its own active frame
    return;
  }
  active->showNormal();
  client_->setActiveSubWindow(active);
  client_->UpdateScrollRange();
}

void CMainFrame::OnProductInformation() {
  CChildFrame* active = DocumentForEditor();
  if (!active) return;
  RadioImage& image = active->Document().Image();
  const RadioImage before = image;
  CProductInfoDlg dialog(image, profile_, registry_, ProfileText(settings_.ProductText("AppName")),
                         this);
  dialog.exec();
  const auto& result = dialog.Result();
  if (!result) return;
  setWindowTitle(ProfileText(result->caption));
  active->View()->SetBandLimits(result->limits);
  active->View()->RecordImageChange(before, image, tr("Product Information"));
}

void CMainFrame::OnAbout() {
  CAboutDlg dialog(settings_, this);
  dialog.exec();
}

bool CMainFrame::SaveModifiedDocuments() {
  for (CChildFrame* child : Children()) {
    // A value still being typed into a cell is an edit too.
    child->View()->CommitOpenEditor();
    if (!child->Document().IsModified()) continue;
    const QString title = ProfileText(child->Document().Title());
    const auto answer = ShowMessage(
        {this, messageCaption_, tr("Save changes to %1?").arg(title), QMessageBox::Question,
         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel});
    if (answer == QMessageBox::Discard) continue;
    if (answer != QMessageBox::Save || !SaveDocument(child, false)) return false;
  }
  return true;
}

}  // namespace selkan
