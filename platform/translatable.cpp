#include "platform/translatable.h"

namespace selkan {

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
