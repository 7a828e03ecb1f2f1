#include "editor/qt/view_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/qt/help_request.h"

namespace selkan {

int ControlIdOf(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const QVariant id = w->property("controlId");
    if (id.isValid()) return id.toInt();
  }
  return 0;
}

CViewKeyFilter::CViewKeyFilter(std::function<void()> onEnter, QObject* parent)
    : QObject(parent), onEnter_(std::move(onEnter)) {}

void CViewKeyFilter::Watch(QWidget* widget) { widget->installEventFilter(this); }

bool CViewKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_F1) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) focused = qobject_cast<QWidget*>(watched);
    if (const int id = ControlIdOf(focused); id != 0) RequestHelp(id);
    return true;  // handled once, not again by the parents it would pass on to
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    onEnter_();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace selkan
