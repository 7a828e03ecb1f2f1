#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace selkan {

// The per-user settings store: 32-bit values, and texts, by name under a key
// such as "Software\Selkan". The desktop program backs it with QSettings;
// tests and tools use the in-memory one.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual std::optional<std::uint32_t> ReadValue(std::string_view key, std::string_view name) = 0;
  // Returns false when the value could not be stored.
  virtual bool WriteValue(std::string_view key, std::string_view name, std::uint32_t value) = 0;
  // Texts (UTF-8), such as folder names, by names of their own.
  virtual std::optional<std::string> ReadText(std::string_view key, std::string_view name) = 0;
  virtual bool WriteText(std::string_view key, std::string_view name, std::string_view text) = 0;

  // A missing or unreadable value counts as 0.
  std::uint32_t ReadValueOrZero(std::string_view key, std::string_view name) {
    return ReadValue(key, name).value_or(0);
  }
};

// "Software\" followed by the application name; just "Software\" when the
// name is empty.
std::string RegistryKeyFor(std::string_view appName);

class MemoryRegistry : public Registry {
 public:
  std::optional<std::uint32_t> ReadValue(std::string_view key, std::string_view name) override;
  bool WriteValue(std::string_view key, std::string_view name, std::uint32_t value) override;
  std::optional<std::string> ReadText(std::string_view key, std::string_view name) override;
  bool WriteText(std::string_view key, std::string_view name, std::string_view text) override;
  std::size_t size() const { return values_.size() + texts_.size(); }

 private:
  std::map<std::string, std::uint32_t, std::less<>> values_;  // "key\x1fname" -> value
  std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace selkan
