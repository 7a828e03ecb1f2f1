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

void CViewKeyFilter::SetEditingKeys(KeyHook claims, KeyHook handle) {
  claims_ = std::move(claims);
  handle_ = std::move(handle);
}

void CViewKeyFilter::Watch(QWidget* widget) { widget->installEventFilter(this); }

bool CViewKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::ShortcutOverride && widget != nullptr && claims_ &&
      claims_(widget, *static_cast<QKeyEvent*>(event))) {
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
    onEnter_();
    return true;
  }
  if (widget != nullptr && claims_ && claims_(widget, *keyEvent) && handle_(widget, *keyEvent))
    return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace selkan
