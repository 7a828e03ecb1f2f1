#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/language.h"
#include "platform/translatable.h"

namespace selkan {

// A message for the user that reaches them in their language: selkan-cli
// prints it in English, the program translates it. It is a tree: a text
// marked for translation where it is written (SELKAN_TRANSLATE_NOOP, in the
// context given here) whose %1, %2 ... stand for its arguments, each a
// message again; or a built-in word in both languages; or a text shown as
// it stands (a value from a file, a number).
struct UserMessage {
  const char* context = nullptr;  // a marked text: its catalog context
  std::string english;            // the marked text, the word's English, or the plain text
  const char* chinese = nullptr;  // a built-in word's Chinese
  std::vector<UserMessage> args;  // put in for %1, %2 ... of a marked text
};

// A marked text; the context is that of its SELKAN_TRANSLATE_NOOP.
UserMessage Marked(const char* context, std::string_view text, std::vector<UserMessage> args = {});
UserMessage Plain(std::string text);
UserMessage Word(const WordPair& word);

// The context of the texts that channel list imports give.
inline constexpr char kImportContext[] = "selkan::ImportMessages";
// A text marked as SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", text).
inline UserMessage ImportText(std::string_view text, std::vector<UserMessage> args = {}) {
  return Marked(kImportContext, text, std::move(args));
}

// The message in English, as selkan-cli prints it.
std::string EnglishText(const UserMessage& message);

}  // namespace selkan
