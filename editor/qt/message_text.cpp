#include "editor/qt/message_text.h"

#include <QCoreApplication>

namespace selkan {

namespace {

std::string Utf8Text(const UserMessage& message, Language language) {
  if (message.chinese != nullptr)
    return language == Language::Chinese ? message.chinese : message.english;
  if (message.context == nullptr) return message.english;
  std::vector<std::string> args;
  for (const UserMessage& arg : message.args) args.push_back(Utf8Text(arg, language));
  const QString pattern = QCoreApplication::translate(message.context, message.english.c_str());
  return FillArguments(pattern.toStdString(), args);
}

}  // namespace

QString MessageText(const UserMessage& message, Language language) {
  return QString::fromStdString(Utf8Text(message, language));
}

}  // namespace selkan
