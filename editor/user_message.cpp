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

std::string FillArguments(std::string_view pattern, const std::vector<std::string>& args) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const std::size_t index = next >= '1' && next <= '9' ? std::size_t(next - '1') : args.size();
    if (pattern[i] == '%' && index < args.size()) {
      text += args[index];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace selkan
