#include "platform/qt/message_box.h"

namespace selkan {

namespace {
MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}
}  // namespace

QMessageBox::StandardButton ShowMessage(const MessageRequest& request) {
  return ShowMessage(request, QString());
}

QMessageBox::StandardButton ShowMessage(const MessageRequest& request, const QString& details) {
  if (Handler()) return Handler()(request);
  QMessageBox box(request.icon, request.caption, request.text, request.buttons, request.parent);
  if (!details.isEmpty()) box.setDetailedText(details);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetMessageHandler(MessageHandler handler) { Handler() = std::move(handler); }

}  // namespace selkan
