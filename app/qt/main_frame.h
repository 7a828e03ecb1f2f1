#pragma once

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
#include <QString>
#include <map>
#include <memory>

#include "app/qt/help_window.h"
#include "model/radio_image.h"
#include "navbar/navigator_items.h"
#include "settings/recent_folders.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QToolBar;
class QUndoGroup;

namespace selkan {

class CBackupsDlg;
class CChildFrame;
class CFleetDlg;
class CMDIClientWnd;
class CNavigatorBar;
class CProfileStore;
class CSelkanDoc;
class CSelkanView;
class CTransferController;
class ProcessSettings;
class Registry;

// The main window: one menu bar without a document and another with one, the
// toolbar, the status bar and the MDI client area with the document windows.
class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  CMainFrame(const ProcessSettings& settings, CProfileStore& profile, Registry& registry,
             QWidget* parent = nullptr);
  ~CMainFrame() override;

  // The command of a menu item, toolbar button or accelerator by id. The
  // About command has one action per menu (the document menu's text is the
  // product's "About Title"); this returns the document menu's.
  QAction* Action(int commandId) const;
  QAction* AboutAction(bool documentMenu) const;
  CMDIClientWnd* Client() { return client_; }
  CNavigatorBar* NavigatorBar() { return navigatorBar_; }

  // The caption of plain message boxes: the application title until
  // start-up sets the product's "Company".
  void SetMessageCaption(const QString& caption) { messageCaption_ = caption; }
  // Start-up puts the product's "About Title" on the document menu's About.
  void SetAboutTitle(const QString& title);

  // The active document window, or the one last active when it is hidden.
  CChildFrame* ActiveChild() const;
  QList<CChildFrame*> Children() const;

  // File commands. Each returns whether it did what it was asked.
  bool OnFileNew();
  bool NewDocument();
  bool OpenDocumentFile(const QString& path);
  void OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();
  bool SaveDocument(CChildFrame* child, bool askForName);
  void OnFileClose();
  // What differs between the active document and a file (main_frame_compare.cpp).
  void OnFileCompare();
  // What differs between the document of child and another image, named
  // otherName (otherLong in the list's heading), in the first end bytes;
  // the list's window over parent.
  void ShowDifferences(CChildFrame* child, const RadioImage& other, const QString& otherName,
                       const QString& otherLong, std::size_t end, QWidget* parent);

  // The Edit commands, which the navigation tree opens too (Optional
  // Features and the tree in main_frame_navigation.cpp).
  void OnChannelInformation();
  void OnProductInformation();
  void OnOptionalFeatures();
  void OnNavigatorEditor(NavigatorEditor editor);
  void OnAbout();
  // The channel list as CSV (main_frame_edit.cpp).
  void OnImportChannels();
  void OnExportChannels();
  // Program and Setup commands of the active view (main_frame_transfer.cpp).
  void OnRead();
  void OnWrite();
  // Reads the radio and lists what differs from the active document.
  void OnCompareWithRadio();
  // Program > Backups and what it offers (main_frame_backups.cpp).
  void OnBackups();
  CBackupsDlg* BackupsWindow() const;
  // A backup as a new document, marked as one: Save asks for a name.
  bool OpenBackup(const QString& path);
  void CompareWithBackup(const QString& path);
  void WriteBackup(const QString& path);
  // Program > Program Several Radios: the active document into radio after
  // radio (main_frame_fleet.cpp).
  void OnProgramSeveralRadios();
  CFleetDlg* FleetWindow() const;
  // The active view's transfer controller, ready to start; nullptr without
  // a document or while another document's transfer runs.
  CTransferController* TransferControllerOfActiveView();
  // A controller made ready for a transfer: caption, backup and check.
  void PrepareTransfer(CTransferController& controller);
  void OnComSetup();
  // Setup > Language: the choice for the next start; after asking to save,
  // stores it and starts the program anew (main_frame_language.cpp).
  void OnLanguage();

  // Printing the active document's listing (main_frame_print.cpp). Print
  // asks for the printer and pages first when askFirst is set.
  void OnFilePrint(bool askFirst);
  void OnFilePrintPreview();
  void OnFilePrintSetup();
  void OnExportPdf();
  // The printer of Print, Print Preview and Print Setup, made when first used.
  QPrinter& Printer();
  // Opens the help window at the topic of a context number; no page, no help.
  void ShowHelp(int contextId);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* MakeAction(int commandId, const QString& text, const QString& prompt = {},
                      const QString& toolTip = {});
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  // Edit menu and context menu commands (main_frame_edit.cpp).
  void CreateEditActions();
  void UpdateUndoActions();
  // The view of the active document window while it is shown; nullptr
  // without one.
  CSelkanView* EditableView() const;
  // The navigation bar on the left of the document windows, with its tree.
  void CreateNavigatorBar();
  // The active document window for an editor of its image. nullptr, with a
  // note in the status bar, when there is none or a transfer runs (a modal
  // dialog would stall the transfer's event pumps).
  CChildFrame* DocumentForEditor();
  void UpdateMenus();
  void ConnectTransferCommands();
  void ConnectPrintCommands();
  void UpdateTransferCommands();
  // While a transfer runs, commands that would destroy a document or its
  // view are refused with a note in the status bar.
  bool RefuseWhileTransferring();
  // The same while a transfer or a run over many radios goes, for what
  // drops a document or uses a port.
  bool RefuseWhileBusy();
  void ShowReady();
  void OnHelpKey();
  CChildFrame* AddChild(std::unique_ptr<CSelkanDoc> document, bool hasFile);
  // The document window of a file (the same file by any path), or nullptr.
  CChildFrame* ChildOfFile(const QString& path) const;
  // The file as it is on disk now; nullptr, said to the user, when it cannot
  // be read.
  std::unique_ptr<CSelkanDoc> ReadDocument(const QString& path);
  // The old window goes for good, a new one shows the document.
  void ReplaceChild(CChildFrame* old, std::unique_ptr<CSelkanDoc> document);
  bool BringForward(CChildFrame* child, const QString& path);
  void ShowOpenError(const QString& path, int error, int systemError);
  // Asks to save a modified document (Save, Discard, Cancel); false when
  // the user cancelled or the save failed.
  bool SaveOrDiscard(CChildFrame* child);
  // Asks to save each modified document; false when the user cancelled.
  bool SaveModifiedDocuments();

  const ProcessSettings& settings_;
  CProfileStore& profile_;
  Registry& registry_;
  RecentFolders folders_;  // where the file choosers start
  CMDIClientWnd* client_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  CNavigatorBar* navigatorBar_ = nullptr;
  std::map<int, QAction*> actions_;
  // About in the Help menu without a document (the document menus' About
  // carries the product's "About Title").
  QAction* aboutWithoutDocument_ = nullptr;
  QList<QMenu*> menusWithoutDocument_;  // the menu bar without a document
  QList<QMenu*> documentMenus_;         // the menu bar while a document is open
  bool documentMenu_ = false;           // documentMenus_ are in the menu bar
  // Held as the window it is: a document window being deleted is by then
  // only a QMdiSubWindow, which ActiveChild no longer takes for a document.
  QPointer<QMdiSubWindow> lastActive_;
  QPointer<CHelpWindow> help_;
  QPointer<CBackupsDlg> backups_;
  QPointer<CFleetDlg> fleet_;
  QString messageCaption_;
  QUndoGroup* undoGroup_ = nullptr;
  QList<QAction*> contextActions_;  // the grid's context menu
  std::unique_ptr<QPrinter> printer_;
  // The save prompt was answered already (the language restart closes us).
  bool savePromptAnswered_ = false;
};

}  // namespace selkan
