// The main frame's editing commands: Undo and Redo over the active
// document's history, the clipboard and row commands of its channel view
// (also in the grid's context menu), and the channel list as CSV (import in
// main_frame_import.cpp).
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUndoGroup>
#include <QUndoStack>
#include <span>

#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/file_prompt.h"
#include "app/qt/main_frame.h"
#include "editor/channel_csv.h"
#include "editor/qt/selkan_view.h"
#include "editor/radio_list_export.h"
#include "model/selkan_doc.h"
#include "platform/atomic_file.h"
#include "platform/qt/file_error_text.h"
#include "platform/qt/message_box.h"
#include "settings/product_profile.h"

namespace selkan {

void CMainFrame::CreateEditActions() {
  using namespace command;
  undoGroup_ = new QUndoGroup(this);
  MakeAction(kEditUndo, tr("&Undo"), tr("Undo the last change"))->setShortcuts(QKeySequence::Undo);
  MakeAction(kEditRedo, tr("&Redo"), tr("Redo the change undone last"))
      ->setShortcuts(
          {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  MakeAction(kEditCut, tr("Cu&t"), tr("Cut the selected cells to the clipboard"))
      ->setShortcuts(QKeySequence::Cut);
  MakeAction(kEditCopy, tr("&Copy"), tr("Copy the selected cells to the clipboard"))
      ->setShortcuts(QKeySequence::Copy);
  MakeAction(kEditPaste, tr("&Paste"), tr("Paste cells from the clipboard"))
      ->setShortcuts(QKeySequence::Paste);
  MakeAction(kEditClear, tr("&Delete"), tr("Clear the selected cells"))
      ->setShortcut(QKeySequence(Qt::Key_Delete));
  MakeAction(kEditSelectAll, tr("Select &All"), tr("Select every channel"))
      ->setShortcuts(QKeySequence::SelectAll);
  MakeAction(kInsertChannel, tr("&Insert Empty Channel"),
             tr("Insert empty channels; the channels below move down"));
  MakeAction(kDeleteChannel, tr("Delete C&hannel"),
             tr("Delete the selected channels; the channels below move up"));
  MakeAction(kMoveChannelUp, tr("Mo&ve Up"), tr("Move the selected channels up by one"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
  MakeAction(kMoveChannelDown, tr("Move Do&wn"), tr("Move the selected channels down by one"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
  MakeAction(kImportChannels, tr("&Import Channels..."),
             tr("Put the channels of a CSV channel list into the document"));
  MakeAction(kExportChannels, tr("&Export Channels..."),
             tr("Write the channels as a CSV channel list"));

  const std::pair<int, void (CSelkanView::*)()> viewCommands[] = {
      {kEditUndo, &CSelkanView::OnEditUndo},
      {kEditRedo, &CSelkanView::OnEditRedo},
      {kEditCut, &CSelkanView::OnEditCut},
      {kEditCopy, &CSelkanView::OnEditCopy},
      {kEditPaste, &CSelkanView::OnEditPaste},
      {kEditClear, &CSelkanView::OnEditClear},
      {kEditSelectAll, &CSelkanView::OnEditSelectAll},
      {kInsertChannel, &CSelkanView::OnInsertChannel},
      {kDeleteChannel, &CSelkanView::OnDeleteChannel},
      {kMoveChannelUp, &CSelkanView::OnMoveChannelUp},
      {kMoveChannelDown, &CSelkanView::OnMoveChannelDown},
  };
  for (const auto& [id, command] : viewCommands) {
    // The view takes these keys itself wherever its focus is; elsewhere,
    // in the navigation tree say, Del or Ctrl+Up keep their own meaning.
    Action(id)->setShortcutContext(Qt::WidgetShortcut);
    connect(Action(id), &QAction::triggered, this, [this, command = command] {
      if (CSelkanView* view = EditableView()) (view->*command)();
    });
  }
  connect(Action(kImportChannels), &QAction::triggered, this, &CMainFrame::OnImportChannels);
  connect(Action(kExportChannels), &QAction::triggered, this, &CMainFrame::OnExportChannels);

  connect(undoGroup_, &QUndoGroup::indexChanged, this, &CMainFrame::UpdateUndoActions);
  connect(undoGroup_, &QUndoGroup::activeStackChanged, this, &CMainFrame::UpdateUndoActions);
  UpdateUndoActions();

  auto separator = [this] {
    auto* action = new QAction(this);
    action->setSeparator(true);
    return action;
  };
  for (int id :
       {kEditUndo, kEditRedo, 0, kEditCut, kEditCopy, kEditPaste, kEditClear, 0, kEditSelectAll, 0,
        kInsertChannel, kDeleteChannel, kMoveChannelUp, kMoveChannelDown})
    contextActions_.append(id == 0 ? separator() : Action(id));
}

// Undo and Redo name the step they take back or do again. A closed
// (hidden) document's history is not offered: its steps would act unseen.
void CMainFrame::UpdateUndoActions() {
  const CSelkanView* view = EditableView();
  QUndoStack* stack = view != nullptr ? view->UndoStack() : nullptr;
  QAction* undo = Action(command::kEditUndo);
  QAction* redo = Action(command::kEditRedo);
  const bool canUndo = stack != nullptr && stack->canUndo();
  const bool canRedo = stack != nullptr && stack->canRedo();
  undo->setEnabled(canUndo);
  redo->setEnabled(canRedo);
  undo->setText(canUndo ? tr("&Undo %1").arg(stack->undoText()) : tr("&Undo"));
  redo->setText(canRedo ? tr("&Redo %1").arg(stack->redoText()) : tr("&Redo"));
}

CSelkanView* CMainFrame::EditableView() const {
  CChildFrame* child = ActiveChild();
  return child != nullptr && child->isVisible() ? child->View() : nullptr;
}

void CMainFrame::OnExportChannels() {
  CSelkanView* view = EditableView();
  if (view == nullptr) return;
  view->CommitOpenEditor();
  const CChildFrame* child = ActiveChild();
  const QFileInfo document(QString::fromStdString(view->Document().PathName()));
  // The format is the file type chosen: this program's list or the
  // multi-radio programs' one. The last choice is offered again.
  const std::string key = ProductRegistryKey(profile_);
  int format = registry_.ReadValueOrZero(key, "ChannelListFormat") == 1 ? 1 : 0;
  const auto path =
      AskFilePath({.parent = this,
                   .kind = FilePromptKind::Save,
                   .caption = tr("Export Channels"),
                   .proposedPath = document.completeBaseName() + QStringLiteral(".csv"),
                   .filter = tr("Channel List (*.csv)") + QStringLiteral(";;") +
                             tr("Multi-radio Channel List (*.csv)"),
                   .defaultSuffix = QStringLiteral("csv"),
                   .files = FileKind::ChannelList,
                   .folders = &folders_,
                   .startFolder = child->HasFile() ? document.absolutePath() : QString(),
                   .chosenFilter = &format});
  if (!path) return;
  registry_.WriteValue(key, "ChannelListFormat", format == 1 ? 1 : 0);
  // The channels as the image will hold them, in the words of the file.
  RadioImage image = view->Document().Image();
  EncodeChannels(view->GridTexts(), image);
  const ChannelTable channels = DecodeChannels(image, Language::English);
  const RadioListExport list = format == 1 ? ChannelsToRadioList(channels) : RadioListExport{};
  const std::string csv = format == 1 ? list.csv : ChannelsToCsv(channels);
  FileError error;
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(csv.data()),
                                            csv.size());
  if (!WriteFileAtomically(path->toStdString(), bytes, &error)) {
    const QString text = WithSystemError(
        tr("Cannot save the file %1.").arg(QDir::toNativeSeparators(*path)), error.code);
    ShowMessage({this, messageCaption_, text, QMessageBox::Warning, QMessageBox::Ok});
    return;
  }
  if (list.omitted.empty()) return;
  QStringList lines{tr("%n channel(s) in use could not be written to %1:", nullptr,
                       static_cast<int>(list.omitted.size()))
                        .arg(QFileInfo(*path).fileName())};
  for (const OmittedChannel& omitted : list.omitted) {
    lines << tr("Channel %1: %2")
                 .arg(omitted.channel)
                 .arg(QCoreApplication::translate("selkan::RadioListExport",
                                                  RadioListOmissionText(omitted.reason).data()));
  }
  ShowMessage({this, messageCaption_, lines.join(QLatin1Char('\n')), QMessageBox::Information,
               QMessageBox::Ok});
}

}  // namespace selkan
