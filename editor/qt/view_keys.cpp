#include "editor/qt/view_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include "editor/qt/cell_editors.h"
#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"
#include "model/channel_codec.h"
#include "platform/qt/help_request.h"

namespace selkan {

namespace {

// Keys the view handles for editing.
enum class EditKey {
  None,
  Command,       // one of EditCommand
  ExtendAcross,  // Shift+Left, Shift+Right
  ExtendAlong,   // Shift+Up, Shift+Down
  Escape,
};

struct KeyKind {
  EditKey key = EditKey::None;
  EditCommand command = EditCommand::Undo;  // for EditKey::Command
};

KeyKind KindOf(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  const int code = key.key();
  const auto command = [](EditCommand c) { return KeyKind{EditKey::Command, c}; };
  if (key.matches(QKeySequence::Undo)) return command(EditCommand::Undo);
  if (key.matches(QKeySequence::Redo) || (modifiers == Qt::ControlModifier && code == Qt::Key_Y) ||
      (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && code == Qt::Key_Z))
    return command(EditCommand::Redo);
  if (key.matches(QKeySequence::Copy)) return command(EditCommand::Copy);
  if (key.matches(QKeySequence::Cut)) return command(EditCommand::Cut);
  if (key.matches(QKeySequence::Paste)) return command(EditCommand::Paste);
  if (key.matches(QKeySequence::SelectAll)) return command(EditCommand::SelectAll);
  if (modifiers == Qt::NoModifier && code == Qt::Key_Delete) return command(EditCommand::Clear);
  if (modifiers == Qt::NoModifier && code == Qt::Key_Escape) return {EditKey::Escape};
  if (modifiers == Qt::ControlModifier && code == Qt::Key_Up) return command(EditCommand::MoveUp);
  if (modifiers == Qt::ControlModifier && code == Qt::Key_Down)
    return command(EditCommand::MoveDown);
  if (modifiers == Qt::ShiftModifier && (code == Qt::Key_Left || code == Qt::Key_Right))
    return {EditKey::ExtendAcross};
  if (modifiers == Qt::ShiftModifier && (code == Qt::Key_Up || code == Qt::Key_Down))
    return {EditKey::ExtendAlong};
  return {};
}

QString WithoutLineEnd(QString text) {
  while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) text.chop(1);
  return text;
}

// One value for the inside of a cell: no tab, comma or line end once a
// line end at its end is left off.
bool IsOneValue(const QString& text) {
  const QString value = WithoutLineEnd(text);
  return !value.contains(QLatin1Char('\t')) && !value.contains(QLatin1Char(',')) &&
         !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r'));
}

// Whether a key in an open Rx or Tx editor edits its text rather than the
// grid: undo and redo while it has typing of its own, copy and cut of
// selected text, the cursor keys across, Del and select-all always.
bool EditorKeepsKey(const QLineEdit& edit, KeyKind kind) {
  if (kind.key == EditKey::ExtendAcross) return true;
  if (kind.key != EditKey::Command) return false;
  switch (kind.command) {
    case EditCommand::Undo:
      return edit.isUndoAvailable();
    case EditCommand::Redo:
      return edit.isRedoAvailable();
    case EditCommand::Copy:
    case EditCommand::Cut:
      return edit.hasSelectedText();
    case EditCommand::SelectAll:
    case EditCommand::Clear:
      return true;
    default:
      return false;
  }
}

}  // namespace

int ControlIdOf(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const QVariant id = w->property("controlId");
    if (id.isValid()) return id.toInt();
  }
  return 0;
}

CViewKeyFilter::CViewKeyFilter(QWidget& view, CMSFlexGrid& grid, CCellEditors& editors,
                               EditCommands commands)
    : QObject(&view), view_(view), grid_(grid), editors_(editors), commands_(std::move(commands)) {
  // The keys the grid's table leaves alone come up to the view; the editors
  // take theirs first, so they are watched themselves.
  view.installEventFilter(this);
  for (int column = kColRx; column <= kColBandwidth; ++column)
    editors.EditorForColumn(column)->installEventFilter(this);
}

bool CViewKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::ShortcutOverride && widget != nullptr &&
      Claims(*static_cast<QKeyEvent*>(event))) {
    event->accept();  // a key press to this widget, not a window shortcut
    return true;
  }
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* keyEvent = static_cast<QKeyEvent*>(event);
  const int key = keyEvent->key();
  if (key == Qt::Key_F1) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) focused = widget;
    if (const int id = ControlIdOf(focused); id != 0) RequestHelp(id);
    return true;  // handled once, not again by the parents it would pass on to
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    editors_.EnterPressed();
    return true;
  }
  if (widget != nullptr && Claims(*keyEvent) && Handle(widget, *keyEvent)) return true;
  return QObject::eventFilter(watched, event);
}

bool CViewKeyFilter::Claims(const QKeyEvent& key) const {
  const KeyKind kind = KindOf(key);
  if (kind.key == EditKey::Escape) return editors_.OpenEditor() != nullptr;
  return kind.key != EditKey::None;
}

bool CViewKeyFilter::Handle(QWidget* watched, const QKeyEvent& key) {
  const KeyKind kind = KindOf(key);
  GridTable* table = grid_.Table();
  if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
    const QString clipboard = QApplication::clipboard()->text();
    if (kind.key == EditKey::Command && kind.command == EditCommand::Paste &&
        IsOneValue(clipboard)) {
      edit->insert(WithoutLineEnd(clipboard));
      return true;
    }
    if (EditorKeepsKey(*edit, kind)) return false;
  }
  switch (kind.key) {
    case EditKey::Command:
      if (const auto command = commands_.find(kind.command); command != commands_.end())
        command->second();
      return true;
    case EditKey::ExtendAcross:
    case EditKey::ExtendAlong: {
      // The table grows its selection itself; what it leaves, at the grid's
      // edge, comes up to the view and ends there (sent on to the table, it
      // would come back up without end).
      if (watched == &view_) return false;
      editors_.CloseOpenEditor();
      table->setFocus();
      QKeyEvent copy(QEvent::KeyPress, key.key(), key.modifiers());
      QCoreApplication::sendEvent(table, &copy);
      return true;
    }
    case EditKey::Escape:
      editors_.HideAll();  // what was typed is dropped; the cell keeps its text
      return true;
    case EditKey::None:
      break;
  }
  return false;  // EditKey::None, which Claims never lets through
}

}  // namespace selkan
