#include "platform/qt/message_box.h"

#include <QAbstractButton>

namespace selkan {

namespace {

MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}

QMessageBox::StandardButton Show(const MessageRequest& request, const QString& details,
                                 const ButtonTexts& buttonTexts) {
  MessageRequest asked = request;
  asked.buttonTexts.insert(buttonTexts.begin(), buttonTexts.end());
  if (Handler()) return Handler()(asked);
  QMessageBox box(request.icon, request.caption, request.text, request.buttons, request.parent);
  if (!details.isEmpty()) box.setDetailedText(details);
  if (request.defaultButton != QMessageBox::NoButton) box.setDefaultButton(request.defaultButton);
  for (const auto& [button, text] : asked.buttonTexts) {
    if (QAbstractButton* shown = box.button(button)) shown->setText(text);
  }
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

QMessageBox::StandardButton ShowMessage(const MessageRequest& request) {
  return Show(request, QString(), {});
}

QMessageBox::StandardButton ShowMessage(const MessageRequest& request, const QString& details) {
  return Show(request, details, {});
}

QMessageBox::StandardButton ShowMessage(const MessageRequest& request,
                                        const ButtonTexts& buttonTexts) {
  return Show(request, QString(), buttonTexts);
}

void SetMessageHandler(MessageHandler handler) { Handler() = std::move(handler); }

}  // namespace selkan
