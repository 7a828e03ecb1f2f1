#include "link/protocol.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace selkan::protocol {

std::array<std::uint8_t, kCommandSize> BlockCommand(std::uint8_t command, std::size_t address) {
  return {command, static_cast<std::uint8_t>((address >> 8) & 0xFF),
          static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(kBlockSize)};
}

bool IsReplyTo(std::span<const std::uint8_t> reply,
               const std::array<std::uint8_t, kCommandSize>& command) {
  return reply.size() >= kCommandSize &&
         std::equal(command.begin() + 1, command.end(), reply.begin() + 1);
}

namespace {
bool Matches(std::span<const std::uint8_t> id, std::size_t at, std::string_view text) {
  if (id.size() < at + text.size()) return false;
  return std::equal(text.begin(), text.end(), id.begin() + static_cast<std::ptrdiff_t>(at),
                    [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}
}  // namespace

bool IsAcceptedIdentification(std::span<const std::uint8_t> id) {
  return Matches(id, 0, "KZ904") || Matches(id, 3, "Q47");
}

std::string IdentificationText(std::span<const std::uint8_t> id) {
  std::string text;
  for (const std::uint8_t byte : id) {
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      text += static_cast<char>(byte);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      text += escaped;
    }
  }
  return text;
}

}  // namespace selkan::protocol
