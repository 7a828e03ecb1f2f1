#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace selkan {

// Control id of a widget for help: its own "controlId" property or the
// nearest parent's; 0 when none has one.
int ControlIdOf(const QWidget* widget);

// Keys the channel view handles wherever the focus is inside it: F1 asks
// for the help topic of the focused control, Enter (either key) runs the
// view's enter action. Neither goes further.
class CViewKeyFilter : public QObject {
  Q_OBJECT
 public:
  CViewKeyFilter(std::function<void()> onEnter, QObject* parent);
  // Watches a widget's key presses (the view, the grid, each editor).
  void Watch(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> onEnter_;
};

}  // namespace selkan
