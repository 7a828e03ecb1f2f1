#include "platform/qt/message_box.h"

namespace selkan {

namespace {
MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}
}  // namespace

QMessageBox::StandardButton ShowMessage(const MessageRequest& request) {
  if (Handler()) return Handler()(request);
  QMessageBox box(request.icon, request.caption, request.text, request.buttons, request.parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetMessageHandler(MessageHandler handler) { Handler() = std::move(handler); }

}  // namespace selkan
