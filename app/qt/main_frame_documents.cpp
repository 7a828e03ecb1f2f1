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
#include "platform/qt/file_error_text.h"
#include "platform/qt/message_box.h"
#include "platform/qt/profile_text.h"
#include "settings/process_settings.h"

namespace selkan {

CChildFrame* CMainFrame::ActiveChild() const {
  if (auto* active = qobject_cast<CChildFrame*>(client_->activeSubWindow())) return active;
  return qobject_cast<CChildFrame*>(lastActive_.data());
}

QList<CChildFrame*> CMainFrame::Children() const {
  QList<CChildFrame*> children;
  for (QMdiSubWindow* window : client_->subWindowList())
    if (auto* child = qobject_cast<CChildFrame*>(window)) children.append(child);
  return children;
}

CChildFrame* CMainFrame::AddChild(std::unique_ptr<CSelkanDoc> document, bool hasFile) {
  ViewContext context{&settings_, &profile_, &registry_};
  auto* child = new CChildFrame(std::move(document), hasFile, context);
  CSelkanView* view = child->View();
  connect(view, &CSelkanView::captionChanged, this, &QWidget::setWindowTitle);
  // Without title.ico the window shows the program's own icon, not the
  // toolkit's.
  connect(view, &CSelkanView::iconChanged, child, [child](const QIcon& icon) {
    child->setWindowIcon(icon.isNull() ? QIcon(QStringLiteral(":/selkan/icon128.png")) : icon);
  });
  connect(child, &QObject::destroyed, this, [this] { UpdateMenus(); });
  connect(child, &CChildFrame::visibilityChanged, this, &CMainFrame::UpdateUndoActions);
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
  if (RefuseWhileBusy()) return false;
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

void CMainFrame::ShowOpenError(const QString& path, int error, int systemError) {
  QString text;
  if (error == static_cast<int>(DatLoadError::DataFormat)) {
    text = settings_.IsChinese() ? Utf8Text("数据格式不正确") : QStringLiteral("Data Format Error");
  } else {
    text = WithSystemError(tr("Cannot open the file %1.").arg(QDir::toNativeSeparators(path)),
                           systemError);
  }
  ShowMessage({this, messageCaption_, text, QMessageBox::Warning, QMessageBox::Ok});
}

CChildFrame* CMainFrame::ChildOfFile(const QString& path) const {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  if (canonical.isEmpty()) return nullptr;
  for (CChildFrame* child : Children()) {
    const QString open =
        QFileInfo(QString::fromStdString(child->Document().PathName())).canonicalFilePath();
    if (child->HasFile() && open == canonical) return child;
  }
  return nullptr;
}

std::unique_ptr<CSelkanDoc> CMainFrame::ReadDocument(const QString& path) {
  auto document = std::make_unique<CSelkanDoc>();
  FileError detail;
  const DatLoadError error = document->OnOpenDocument(path.toStdString(), &detail);
  if (error == DatLoadError::None) return document;
  ShowOpenError(path, static_cast<int>(error), detail.code);
  return nullptr;
}

void CMainFrame::ReplaceChild(CChildFrame* old, std::unique_ptr<CSelkanDoc> document) {
  old->AllowClose();
  old->close();
  AddChild(std::move(document), true);
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
  if (RefuseWhileBusy()) return false;
  CChildFrame* open = ChildOfFile(path);
  if (open != nullptr && !open->isHidden()) return BringForward(open, path);
  // A closed (hidden) document of the file is not brought back: the file
  // may have changed since, and what it holds is what the user asks for.
  // The hidden document's unsaved changes are asked for first.
  if (open != nullptr && !SaveOrDiscard(open)) return false;
  std::unique_ptr<CSelkanDoc> document = ReadDocument(path);
  if (!document) return false;
  // The document that was showing steps aside for the opened one.
  if (CChildFrame* previous = ActiveChild(); previous != nullptr && previous != open)
    previous->close();
  if (open != nullptr) {
    ReplaceChild(open, std::move(document));
  } else {
    AddChild(std::move(document), true);
  }
  return true;
}

// A file whose document is shown comes forward with its window and its
// edits; when the file changed on disk since, the user may read it anew.
bool CMainFrame::BringForward(CChildFrame* child, const QString& path) {
  CChildFrame* previous = ActiveChild();
  if (previous != nullptr && previous != child) previous->close();
  child->showNormal();
  client_->setActiveSubWindow(child);
  client_->UpdateScrollRange();
  CSelkanDoc& document = child->Document();
  if (!document.FileChangedOnDisk()) return true;
  child->View()->CommitOpenEditor();
  QString text = tr("The file %1 has been changed on disk since it was opened or saved here.")
                     .arg(QDir::toNativeSeparators(path));
  text += QLatin1Char('\n') + (document.IsModified()
                                   ? tr("Reload it? The changes not saved here are lost.")
                                   : tr("Reload it?"));
  // Enter reloads only when nothing is lost by it.
  const auto answer = ShowMessage(
      {this, messageCaption_, text, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
       document.IsModified() ? QMessageBox::No : QMessageBox::Yes},
      ButtonTexts{{QMessageBox::Yes, tr("&Reload")}, {QMessageBox::No, tr("&Keep")}});
  if (answer != QMessageBox::Yes) return true;
  std::unique_ptr<CSelkanDoc> reloaded = ReadDocument(path);
  if (!reloaded) return false;
  ReplaceChild(child, std::move(reloaded));
  return true;
}

void CMainFrame::OnFileOpen() {
  if (RefuseWhileBusy()) return;
  const auto path = AskFilePath({.parent = this,
                                 .kind = FilePromptKind::Open,
                                 .caption = tr("Open"),
                                 .files = FileKind::Configuration,
                                 .folders = &folders_});
  if (path) OpenDocumentFile(*path);
}

bool CMainFrame::SaveDocument(CChildFrame* child, bool askForName) {
  if (!child) return false;
  CSelkanDoc& document = child->Document();
  QString path = QString::fromStdString(document.PathName());
  // Someone else changed the file since: writing over it loses that.
  if (!askForName && child->HasFile() && document.FileChangedOnDisk()) {
    const QString text =
        tr("The file %1 has been changed on disk since it was opened or saved here.")
            .arg(QDir::toNativeSeparators(path)) +
        QLatin1Char('\n') + tr("Overwrite it with this document?");
    const auto answer = ShowMessage(
        {this, messageCaption_, text, QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel},
        ButtonTexts{{QMessageBox::Yes, tr("&Overwrite")}, {QMessageBox::Save, tr("Save &As...")}});
    if (answer == QMessageBox::Save) askForName = true;
    if (answer != QMessageBox::Yes && answer != QMessageBox::Save) return false;
  }
  if (askForName || !child->HasFile()) {
    // A document proposes its own file; a new one the product's name,
    // "<AppName>.dat", in the folder of the last configuration chosen.
    QString proposed = child->HasFile() ? QFileInfo(path).absoluteFilePath() : path;
    // A copy of a file not to be written over (a backup) proposes its name
    // only, and never in its own folder.
    if (!child->HasFile() && QFileInfo(path).isAbsolute()) {
      const QFileInfo original(path);
      QString folder = QString::fromStdString(folders_.Folder(FileKind::Configuration));
      if (folder.isEmpty() || QDir(folder) == original.absoluteDir()) folder = QDir::homePath();
      proposed = QDir(folder).filePath(original.fileName());
    }
    if (!proposed.isEmpty() && QFileInfo(proposed).suffix().isEmpty())
      proposed += QStringLiteral(".dat");
    const auto chosen = AskFilePath({.parent = this,
                                     .kind = FilePromptKind::Save,
                                     .caption = tr("Save As"),
                                     .proposedPath = proposed,
                                     .files = FileKind::Configuration,
                                     .folders = &folders_});
    if (!chosen) return false;
    path = *chosen;
  }
  child->View()->Encode();
  FileError error;
  if (!document.OnSaveDocument(path.toStdString(), &error)) {
    const QString text = WithSystemError(
        tr("Cannot save the file %1.").arg(QDir::toNativeSeparators(path)), error.code);
    ShowMessage({this, messageCaption_, text, QMessageBox::Warning, QMessageBox::Ok});
    return false;
  }
  child->SetHasFile(true);
  child->View()->MarkClean();
  child->setWindowTitle(QString::fromStdString(document.Title()));
  return true;
}

bool CMainFrame::OnFileSave() { return SaveDocument(ActiveChild(), false); }

bool CMainFrame::OnFileSaveAs() { return SaveDocument(ActiveChild(), true); }

void CMainFrame::OnFileClose() {
  if (RefuseWhileBusy()) return;
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
  CProductInfoDlg dialog(image, profile_, registry_,
                         ProfileText(settings_.ProductText("AppName"), settings_.ProfileEncoding()),
                         this);
  dialog.exec();
  const auto& result = dialog.Result();
  if (!result) return;
  setWindowTitle(QString::fromStdString(result->caption));
  active->View()->SetBandLimits(result->limits);
  active->View()->RecordImageChange(before, image, tr("Product Information"));
}

void CMainFrame::OnAbout() {
  CAboutDlg dialog(settings_, this);
  dialog.exec();
}

bool CMainFrame::SaveOrDiscard(CChildFrame* child) {
  // A value still being typed into a cell is an edit too.
  child->View()->CommitOpenEditor();
  if (!child->Document().IsModified()) return true;
  const QString title = QString::fromStdString(child->Document().Title());
  const auto answer = ShowMessage({this, messageCaption_, tr("Save changes to %1?").arg(title),
                                   QMessageBox::Question,
                                   QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel});
  if (answer == QMessageBox::Discard) return true;
  return answer == QMessageBox::Save && SaveDocument(child, false);
}

bool CMainFrame::SaveModifiedDocuments() {
  for (CChildFrame* child : Children()) {
    if (!SaveOrDiscard(child)) return false;
  }
  return true;
}

}  // namespace selkan
