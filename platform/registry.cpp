#include "platform/registry.h"

namespace selkan {

namespace {
std::string Slot(std::string_view key, std::string_view name) {
  std::string slot(key);
  slot += '\x1f';
  slot += name;
  return slot;
}
}  // namespace

std::string RegistryKeyFor(std::string_view appName) { return "Software\\" + std::string(appName); }

std::optional<std::uint32_t> MemoryRegistry::ReadValue(std::string_view key,
                                                       std::string_view name) {
  auto it = values_.find(Slot(key, name));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool MemoryRegistry::WriteValue(std::string_view key, std::string_view name, std::uint32_t value) {
  values_[Slot(key, name)] = value;
  return true;
}

std::optional<std::string> MemoryRegistry::ReadText(std::string_view key, std::string_view name) {
  auto it = texts_.find(Slot(key, name));
  if (it == texts_.end()) return std::nullopt;
  return it->second;
}

bool MemoryRegistry::WriteText(std::string_view key, std::string_view name, std::string_view text) {
  texts_[Slot(key, name)] = std::string(text);
  return true;
}

}  // namespace selkan
