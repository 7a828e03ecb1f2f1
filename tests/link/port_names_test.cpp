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

TEST(PortNames, OtherNamesAndWindowsStayAsTheyAre) {
  const EnvLookup env = Env({{"SELKAN_COM1", "/tmp/radio"}});
  EXPECT_EQ(ResolvePortName("com1", true, env), "com1");
  EXPECT_EQ(ResolvePortName("COM0", false, env), "COM0");
  EXPECT_EQ(ResolvePortName("COM5", false, env), "COM5");
  EXPECT_EQ(ResolvePortName("COM10", false, env), "COM10");
  EXPECT_EQ(ResolvePortName("/dev/pts/3", false, env), "/dev/pts/3");
  EXPECT_EQ(ResolvePortName("", false, env), "");
}

TEST(PortNames, MessagesNameAComPortWithItsDeviceAndAPathOnce) {
  EXPECT_EQ(PortLabel("COM3", "/dev/ttyUSB2"), "COM3 (/dev/ttyUSB2)");
  EXPECT_EQ(PortLabel("/dev/pts/3", "/dev/pts/3"), "/dev/pts/3");
}

}  // namespace
}  // namespace selkan
