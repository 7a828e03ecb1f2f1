#pragma once

// Marks a text that the desktop program shows in the user's language. The
// text is written once, where it is defined, in English; plain code and
// selkan-cli use it as it stands, and the program's Qt side translates it in
// the catalog context named here (resources/translations/<Language>/*.ts).
//
// It expands to the text itself and needs no Qt. Qt's lupdate reads it as
// QT_TRANSLATE_NOOP when given
//   -tr-function-alias QT_TRANSLATE_NOOP+=SELKAN_TRANSLATE_NOOP
// (the catalog test runs it so).
#define SELKAN_TRANSLATE_NOOP(context, text) text

#include <string>
#include <string_view>
#include <vector>

namespace selkan {

// A marked text with %1 to %9 replaced by the arguments, in one pass, so
// that a "%2" inside an argument stays as it is; a "%" before anything else,
// or before a number with no argument, stays too.
std::string FillArguments(std::string_view pattern, const std::vector<std::string>& args);

}  // namespace selkan
