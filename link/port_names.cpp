#include "link/port_names.h"

#include <cctype>
#include <cstdlib>
#include <set>

namespace selkan {

namespace {

// 1..4 for "COM1".."COM4" in any letter case, 0 otherwise.
int ComNumber(const std::string& name) {
  if (name.size() != 4) return 0;
  for (std::size_t i = 0; i < 3; ++i) {
    if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
  }
  const char digit = name[3];
  return digit >= '1' && digit <= '4' ? digit - '0' : 0;
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::string ResolvePortName(const std::string& name, const EnvLookup& env) {
  const int number = ComNumber(name);
  if (number == 0) return name;
  const std::string index = std::to_string(number);
  if (env) {
    if (std::optional<std::string> value = env("SELKAN_COM" + index); value && !value->empty()) {
      return *value;
    }
  }
  return "/dev/ttyUSB" + std::to_string(number - 1);
}

std::string ResolvePortName(const std::string& name) {
  return ResolvePortName(name, ProcessEnvironment);
}

std::string RepeatedPort(const std::vector<std::string>& ports) {
  std::set<std::string> devices;
  for (const std::string& port : ports)
    if (!devices.insert(ResolvePortName(port)).second) return port;
  return {};
}

std::string PortLabel(const std::string& name, const std::string& device) {
  return name == device ? device : name + " (" + device + ")";
}

}  // namespace selkan
