#include "platform/qt/message_box.h"

#include <QAbstractButton>

namespace selkan {

namespace {
MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}
}  // namespace

QMessageBox::StandardButton ShowMessage(const MessageRequest& request,
                                        const ButtonTexts& buttonTexts) {
  if (Handler()) return Handler()(request);
  QMessageBox box(request.icon, request.caption, request.text, request.buttons, request.parent);
  for (const auto& [button, text] : buttonTexts) {
    if (QAbstractButton* shown = box.button(button)) shown->setText(text);
  }
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetMessageHandler(MessageHandler handler) { Handler() = std::move(handler); }

}  // namespace selkan
