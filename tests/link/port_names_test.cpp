#include "link/port_names.h"

#include <gtest/gtest.h>

#include <map>

namespace selkan {
namespace {

EnvLookup Env(std::map<std::string, std::string> values) {
  return [values](const std::string& name) -> std::optional<std::string> {
    auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
  };
}

TEST(PortNames, ComNamesMapToUsbDevicesOrTheEnvironment) {
  const EnvLookup none = Env({});
  EXPECT_EQ(ResolvePortName("COM1", false, none), "/dev/ttyUSB0");
  EXPECT_EQ(ResolvePortName("com4", false, none), "/dev/ttyUSB3");
  EXPECT_EQ(ResolvePortName("Com2", false, Env({{"SELKAN_COM2", "/tmp/radio"}})), "/tmp/radio");
  EXPECT_EQ(ResolvePortName("COM3", false, Env({{"SELKAN_COM2", "/tmp/radio"}})), "/dev/ttyUSB2");
  EXPECT_EQ(ResolvePortName("COM1", false, Env({{"SELKAN_COM1", ""}})), "/dev/ttyUSB0");
}

}  // namespace
}  // namespace selkan
