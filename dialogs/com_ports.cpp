#include "dialogs/com_ports.h"

namespace selkan {

std::string ComPortName(int index) { return "com" + std::to_string(index + 1); }

int RememberedComPortIndex(std::optional<std::uint32_t> remembered) {
  const std::uint32_t number = remembered.value_or(1);
  return number >= 1 && number <= kComPortCount ? static_cast<int>(number) - 1 : -1;
}

std::uint32_t ComPortNumber(int index) { return static_cast<std::uint32_t>(index + 1); }

}  // namespace selkan
