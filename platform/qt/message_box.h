#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <map>

class QWidget;

namespace selkan {

// Texts of buttons that say more than their standard names.
using ButtonTexts = std::map<QMessageBox::StandardButton, QString>;

// Every message box of the program goes through here, so that a test can
// answer it instead of a user and no test ever blocks on a modal box.
struct MessageRequest {
  QWidget* parent = nullptr;
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  // The button Enter presses; NoButton leaves the choice to the box.
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  ButtonTexts buttonTexts = {};  // also given by the ShowMessage below
};

// Shows the box and returns the button pressed.
QMessageBox::StandardButton ShowMessage(const MessageRequest& request);
// The same with a text behind the box's "Show Details..." button (none when
// empty). A handler sees the request only.
QMessageBox::StandardButton ShowMessage(const MessageRequest& request, const QString& details);
// The same with buttons that say more than their standard names; a handler
// sees them in the request.
QMessageBox::StandardButton ShowMessage(const MessageRequest& request,
                                        const ButtonTexts& buttonTexts);

using MessageHandler = std::function<QMessageBox::StandardButton(const MessageRequest&)>;
// Replaces the real boxes (tests); an empty handler restores them.
void SetMessageHandler(MessageHandler handler);

}  // namespace selkan
