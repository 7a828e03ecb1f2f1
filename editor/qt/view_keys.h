#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace selkan {

// Control id of a widget for help: its own "controlId" property or the
// nearest parent's; 0 when none has one.
int ControlIdOf(const QWidget* widget);

// Keys the channel view handles wherever the focus is inside it: F1 asks
// for the help topic of the focused control, Enter (either key) runs the
// view's enter action. Neither goes further. Every other key is offered to
// the editing hook first: it claims a key (returns true) when it handles
// it, which also keeps the key from the window's shortcuts, so that the
// view's editing keys work the same with or without the main window around.
class CViewKeyFilter : public QObject {
  Q_OBJECT
 public:
  // claims(watched, key): whether the view handles the key there;
  // handle(watched, key): handles a claimed key press, false to let the
  // watched widget have it after all.
  using KeyHook = std::function<bool(QWidget* watched, const QKeyEvent& key)>;

  CViewKeyFilter(std::function<void()> onEnter, QObject* parent);
  void SetEditingKeys(KeyHook claims, KeyHook handle);
  // Watches a widget's key presses (the view, the grid, each editor).
  void Watch(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> onEnter_;
  KeyHook claims_;
  KeyHook handle_;
};

}  // namespace selkan
