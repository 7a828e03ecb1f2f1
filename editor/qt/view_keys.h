#pragma once

#include <QObject>
#include <functional>
#include <map>

class QKeyEvent;
class QWidget;

namespace selkan {

class CCellEditors;
class CMSFlexGrid;

// Control id of a widget for help: its own "controlId" property or the
// nearest parent's; 0 when none has one.
int ControlIdOf(const QWidget* widget);

// The editing keys whose work is a command of the view.
enum class EditCommand { Undo, Redo, Copy, Cut, Paste, SelectAll, Clear, MoveUp, MoveDown };
using EditCommands = std::map<EditCommand, std::function<void()>>;

// Keys of the channel view wherever the focus is inside it (the view, the
// grid's table, the in-cell editors). F1 asks for the help topic of the
// focused control and Enter commits the open editor and moves on; neither
// goes further. The editing keys run their commands and are kept from the
// window's shortcuts, so that they work the same with or without the main
// window around. An open Rx or Tx editor keeps the keys that edit its own
// text, and a single pasted value goes into it; Shift with the arrows
// leaves an editor to grow the grid's selection; Escape drops what was
// typed.
class CViewKeyFilter : public QObject {
  Q_OBJECT
 public:
  CViewKeyFilter(QWidget& view, CMSFlexGrid& grid, CCellEditors& editors, EditCommands commands);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Whether the view handles the key, in whichever of its widgets (the
  // view, the grid, an editor: the filter watches only those).
  bool Claims(const QKeyEvent& key) const;
  // Handles a claimed key press; false to let the watched widget have it
  // after all.
  bool Handle(QWidget* watched, const QKeyEvent& key);

  QWidget& view_;
  CMSFlexGrid& grid_;
  CCellEditors& editors_;
  EditCommands commands_;
};

}  // namespace selkan
