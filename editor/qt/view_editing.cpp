// Editing the channel view beyond a single cell: the selection, the
// clipboard, Del, the row commands, the context menu and the keys for them.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "editor/channel_columns.h"
#include "editor/clipboard_text.h"
#include "editor/qt/cell_editors.h"
#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/selkan_view.h"
#include "platform/qt/message_box.h"

namespace selkan {

namespace {

// Keys the view handles for editing.
enum class EditKey {
  None,
  Undo,
  Redo,
  Copy,
  Cut,
  Paste,
  SelectAll,
  Clear,
  MoveUp,
  MoveDown,
  ExtendAcross,  // Shift+Left, Shift+Right
  ExtendAlong,   // Shift+Up, Shift+Down
  Escape,
};

EditKey KindOf(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  const int code = key.key();
  if (key.matches(QKeySequence::Undo)) return EditKey::Undo;
  if (key.matches(QKeySequence::Redo) || (modifiers == Qt::ControlModifier && code == Qt::Key_Y) ||
      (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && code == Qt::Key_Z))
    return EditKey::Redo;
  if (key.matches(QKeySequence::Copy)) return EditKey::Copy;
  if (key.matches(QKeySequence::Cut)) return EditKey::Cut;
  if (key.matches(QKeySequence::Paste)) return EditKey::Paste;
  if (key.matches(QKeySequence::SelectAll)) return EditKey::SelectAll;
  if (modifiers == Qt::NoModifier && code == Qt::Key_Delete) return EditKey::Clear;
  if (modifiers == Qt::NoModifier && code == Qt::Key_Escape) return EditKey::Escape;
  if (modifiers == Qt::ControlModifier && code == Qt::Key_Up) return EditKey::MoveUp;
  if (modifiers == Qt::ControlModifier && code == Qt::Key_Down) return EditKey::MoveDown;
  if (modifiers == Qt::ShiftModifier && (code == Qt::Key_Left || code == Qt::Key_Right))
    return EditKey::ExtendAcross;
  if (modifiers == Qt::ShiftModifier && (code == Qt::Key_Up || code == Qt::Key_Down))
    return EditKey::ExtendAlong;
  return EditKey::None;
}

// One value for the inside of a cell: no tab, comma or line end once a
// line end at its end is left off.
bool IsOneValue(QString text) {
  while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) text.chop(1);
  return !text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char(',')) &&
         !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

// Whether a key in an open Rx or Tx editor edits its text rather than the
// grid: undo and redo while it has typing of its own, copy and cut of
// selected text, the cursor keys across, Del and select-all always.
bool EditorKeepsKey(const QLineEdit& edit, EditKey kind) {
  switch (kind) {
    case EditKey::Undo:
      return edit.isUndoAvailable();
    case EditKey::Redo:
      return edit.isRedoAvailable();
    case EditKey::Copy:
    case EditKey::Cut:
      return edit.hasSelectedText();
    case EditKey::SelectAll:
    case EditKey::Clear:
    case EditKey::ExtendAcross:
      return true;
    default:
      return false;
  }
}

}  // namespace

void CSelkanView::SetUpSelection() {
  GridTable* table = grid_->Table();
  connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (editors_ == nullptr || editors_->OpenEditor() == nullptr) return;
    const CellRange range = SelectedRange();
    if (range.Rows() > 1 || range.Columns() > 1) editors_->CloseOpenEditor();
  });
  table->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(table, &QWidget::customContextMenuRequested, this,
          [this, table](const QPoint& at) { ShowContextMenu(table->viewport()->mapToGlobal(at)); });
  QHeaderView* numbers = table->verticalHeader();
  numbers->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(numbers, &QWidget::customContextMenuRequested, this,
          [this, numbers](const QPoint& at) { ShowContextMenu(numbers->mapToGlobal(at)); });
}

CellRange CSelkanView::SelectedRange() const {
  const QModelIndexList selected = grid_->Table()->selectionModel()->selectedIndexes();
  if (selected.isEmpty()) {
    const int row = grid_->GetRow();
    const int col = grid_->GetCol();
    return {row, col, row, col};
  }
  CellRange range{offset::kChannelCount, kChannelColumns, 1, 1};
  for (const QModelIndex& index : selected) {
    range.top = std::min(range.top, index.row() + 1);
    range.bottom = std::max(range.bottom, index.row() + 1);
    range.left = std::min(range.left, index.column() + 1);
    range.right = std::max(range.right, index.column() + 1);
  }
  return range;
}

void CSelkanView::SelectCells(const CellRange& range) {
  GridTable* table = grid_->Table();
  QAbstractItemModel* model = table->model();
  const QModelIndex topLeft = model->index(range.top - 1, range.left - 1);
  // The block's first cell becomes current, so that Shift and the arrows
  // grow the block from there; an editor opens only for a single cell.
  if (table->currentIndex() != topLeft) table->setCurrentIndex(topLeft);
  const QItemSelection block(topLeft, model->index(range.bottom - 1, range.right - 1));
  table->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
  table->scrollTo(topLeft);
}

void CSelkanView::CloseEditorForCommand() {
  if (editors_ != nullptr) editors_->CloseOpenEditor();
}

void CSelkanView::OnEditCopy() {
  CloseEditorForCommand();
  const CellRange range = SelectedRange();
  const ChannelTable table = GridTexts();
  auto* mime = new QMimeData;
  mime->setText(QString::fromStdString(CellsAsTabText(table, range)));
  if (range.left == kColRx && range.right == kColBandwidth) {
    const std::string csv = ChannelsAsCsvText(table, range.top, range.bottom);
    mime->setData(QStringLiteral("text/csv"), QByteArray::fromStdString(csv));
  }
  QApplication::clipboard()->setMimeData(mime);
}

void CSelkanView::OnEditCut() {
  OnEditCopy();
  ChangeChannels(selkan::ClearCells(GridTexts(), SelectedRange(), CurrentLanguage()), tr("Cut"));
}

void CSelkanView::OnEditClear() {
  CloseEditorForCommand();
  ChangeChannels(selkan::ClearCells(GridTexts(), SelectedRange(), CurrentLanguage()), tr("Delete"));
}

void CSelkanView::OnEditPaste() {
  CloseEditorForCommand();
  const QMimeData* mime = QApplication::clipboard()->mimeData();
  const QString text = mime != nullptr ? mime->text() : QString();
  if (text.isEmpty()) return;
  const PastedBlock block = ParsePastedText(text.toStdString());
  const PasteOutcome outcome =
      selkan::PasteCells(GridTexts(), SelectedRange(), block, limits_, CurrentLanguage());
  ChangeChannels(outcome.table, tr("Paste"));
  SelectCells(outcome.pasted);
  if (!outcome.refusals.empty()) ShowPasteRefusals(outcome.refusals);
}

void CSelkanView::OnEditSelectAll() {
  CloseEditorForCommand();
  SelectCells({1, kColRx, offset::kChannelCount, kColBandwidth});
}

void CSelkanView::OnInsertChannel() {
  RunRowCommand(RowCommand::InsertEmpty, tr("Insert Channel"));
}
void CSelkanView::OnDeleteChannel() { RunRowCommand(RowCommand::Delete, tr("Delete Channel")); }
void CSelkanView::OnMoveChannelUp() { RunRowCommand(RowCommand::MoveUp, tr("Move Up")); }
void CSelkanView::OnMoveChannelDown() { RunRowCommand(RowCommand::MoveDown, tr("Move Down")); }

void CSelkanView::RunRowCommand(RowCommand command, const QString& text) {
  CloseEditorForCommand();
  const CellRange range = SelectedRange();
  const DocumentState before = State();
  const RowCommandOutcome outcome =
      selkan::RunRowCommand(before, command, {range.top, range.Rows()});
  if (outcome.refusal == RowCommandRefusal::LastChannelsInUse) {
    const int first = offset::kChannelCount - range.Rows() + 1;
    ShowCaution(range.Rows() == 1
                    ? tr("Channel 199 is in use: no channel can be inserted before it is "
                         "deleted.")
                    : tr("Channels %1 to 199 are not all empty: %2 channels cannot be "
                         "inserted before they are deleted.")
                          .arg(first)
                          .arg(range.Rows()));
    return;
  }
  if (outcome.refusal != RowCommandRefusal::None) return;  // already at the top or bottom
  const DocumentChange change = DiffStates(before, outcome.state);
  ApplyChange(change, ChangeSide::After);
  PushChange(change, text);
  SelectCells({outcome.block.first, range.left, outcome.block.first + outcome.block.count - 1,
               range.right});
}

void CSelkanView::ShowContextMenu(const QPoint& position) {
  if (contextActions_.isEmpty()) return;
  QMenu menu(this);
  menu.addActions(contextActions_);
  menu.exec(position);
}

void CSelkanView::ShowCaution(const QString& text) {
  ShowMessage({this, CautionCaption(), text, QMessageBox::Warning, QMessageBox::Ok});
}

void CSelkanView::ShowPasteRefusals(const std::vector<PasteRefusal>& refusals) {
  constexpr int kShown = 20;
  const Language language = CurrentLanguage();
  QStringList lines{tr("These values were not entered:")};
  int listed = 0;
  for (const PasteRefusal& refusal : refusals) {
    if (listed == kShown) {
      lines << tr("... and %1 more").arg(static_cast<int>(refusals.size()) - kShown);
      break;
    }
    ++listed;
    QString reason;
    switch (refusal.reason) {
      case PasteRefusalReason::OutOfRange:
        reason = TranslatedCellMessage(CellMessage::OutOfRange);
        break;
      case PasteRefusalReason::StepError:
        reason = TranslatedCellMessage(CellMessage::StepError);
        break;
      case PasteRefusalReason::NotATone:
        reason = tr("not a tone of the list");
        break;
      case PasteRefusalReason::NotAWord:
        reason = tr("not a choice of this column");
        break;
      case PasteRefusalReason::NoFrequency:
        reason = tr("the channel has no Rx Frequency");
        break;
      case PasteRefusalReason::BeyondLastChannel:
        lines << tr("%1 values below channel 199").arg(refusal.count);
        continue;
      case PasteRefusalReason::BeyondLastColumn:
        lines << tr("%1 values right of the last column").arg(refusal.count);
        continue;
    }
    lines << tr("Channel %1, %2 \"%3\": %4")
                 .arg(refusal.channel)
                 .arg(QString::fromUtf8(ColumnTitle(refusal.column).In(language)))
                 .arg(QString::fromStdString(refusal.value), reason);
  }
  ShowCaution(lines.join(QLatin1Char('\n')));
}

bool CSelkanView::ClaimsKey(QWidget* watched, const QKeyEvent& key) const {
  // The view itself takes the keys its children leave (they pass them up).
  if (editors_ == nullptr) return false;
  bool mine = watched == this || watched == grid_->Table();
  for (int column = kColRx; column <= kColBandwidth && !mine; ++column)
    mine = watched == editors_->EditorForColumn(column);
  if (!mine) return false;
  const EditKey kind = KindOf(key);
  if (kind == EditKey::Escape) return editors_->OpenEditor() != nullptr;
  return kind != EditKey::None;
}

bool CSelkanView::HandleKey(QWidget* watched, const QKeyEvent& key) {
  const EditKey kind = KindOf(key);
  GridTable* table = grid_->Table();
  if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
    if (kind == EditKey::Paste && IsOneValue(QApplication::clipboard()->text())) {
      QString value = QApplication::clipboard()->text();
      while (value.endsWith(QLatin1Char('\n')) || value.endsWith(QLatin1Char('\r'))) value.chop(1);
      edit->insert(value);
      return true;
    }
    if (EditorKeepsKey(*edit, kind)) return false;
  }
  switch (kind) {
    case EditKey::Undo:
      OnEditUndo();
      break;
    case EditKey::Redo:
      OnEditRedo();
      break;
    case EditKey::Copy:
      OnEditCopy();
      break;
    case EditKey::Cut:
      OnEditCut();
      break;
    case EditKey::Paste:
      OnEditPaste();
      break;
    case EditKey::SelectAll:
      OnEditSelectAll();
      break;
    case EditKey::Clear:
      OnEditClear();
      break;
    case EditKey::MoveUp:
      OnMoveChannelUp();
      break;
    case EditKey::MoveDown:
      OnMoveChannelDown();
      break;
    case EditKey::ExtendAcross:
    case EditKey::ExtendAlong: {
      if (watched == table) return false;  // the table grows its selection itself
      CloseEditorForCommand();
      table->setFocus();
      QKeyEvent copy(QEvent::KeyPress, key.key(), key.modifiers());
      QCoreApplication::sendEvent(table, &copy);
      break;
    }
    case EditKey::Escape:
      editors_->HideAll();  // what was typed is dropped; the cell keeps its text
      break;
    case EditKey::None:
      return false;
  }
  return true;
}

}  // namespace selkan
