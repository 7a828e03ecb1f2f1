#include "editor/user_message.h"

namespace selkan {

UserMessage Marked(const char* context, std::string_view text, std::vector<UserMessage> args) {
  return {context, std::string(text), nullptr, std::move(args)};
}

UserMessage Plain(std::string text) { return {nullptr, std::move(text), nullptr, {}}; }

UserMessage Word(const WordPair& word) { return {nullptr, word.english, word.chinese, {}}; }

std::string EnglishText(const UserMessage& message) {
  if (message.context == nullptr) return message.english;
  std::vector<std::string> args;
  for (const UserMessage& arg : message.args) args.push_back(EnglishText(arg));
  return FillArguments(message.english, args);
}

}  // namespace selkan
