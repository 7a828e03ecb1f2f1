// What the program does around a serial port: its names, the advice when
// it may not be opened, and the driver's low-latency flag.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "link/low_latency.h"
#include "link/port_access.h"
#include "link/port_names.h"

#ifdef __linux__
#include <linux/serial.h>
#endif

namespace selkan {
namespace {

TEST(PortNames, ComNamesMapToUsbDevicesOrTheEnvironment) {
  const auto resolve = [](const char* name, std::map<std::string, std::string> env) {
    return ResolvePortName(name, [env](const std::string& key) {
      const auto found = env.find(key);
      return found == env.end() ? std::nullopt : std::optional<std::string>(found->second);
    });
  };
  EXPECT_EQ(resolve("COM1", {}), "/dev/ttyUSB0");
  EXPECT_EQ(resolve("com4", {}), "/dev/ttyUSB3");
  EXPECT_EQ(resolve("Com2", {{"SELKAN_COM2", "/tmp/radio"}}), "/tmp/radio");
  EXPECT_EQ(resolve("COM3", {{"SELKAN_COM2", "/tmp/radio"}}), "/dev/ttyUSB2");
  EXPECT_EQ(resolve("COM1", {{"SELKAN_COM1", ""}}), "/dev/ttyUSB0");
}

TEST(PortAccessTest, AdviceFollowsWhatTheGroupWouldChange) {
  EXPECT_EQ(AdviseOnAccess({false, false, "", false, false}), PortAdvice::kNone)
      << "no device: not ours";
  EXPECT_EQ(AdviseOnAccess({true, true, "dialout", false, false}), PortAdvice::kNone);
  EXPECT_EQ(AdviseOnAccess({true, false, "dialout", false, false}), PortAdvice::kJoinGroup);
  EXPECT_EQ(AdviseOnAccess({true, false, "dialout", false, true}), PortAdvice::kLogInAgain);
  EXPECT_EQ(AdviseOnAccess({true, false, "dialout", true, true}), PortAdvice::kAskAdmin)
      << "the group is there and does not help";
  EXPECT_EQ(AdviseOnAccess({true, false, "", false, false}), PortAdvice::kAskAdmin);
}

#ifdef __linux__
TEST(LowLatencyMode, TurnedOnForThePortAndOffAgainKeepingOtherFlags) {
  // A driver that keeps its flags and records every call.
  int flags = 0x0100;
  std::vector<std::string> calls;
  LowLatencyMode mode({[&](int fd, int* out) {
                         calls.push_back("get " + std::to_string(fd));
                         *out = flags;
                         return true;
                       },
                       [&](int fd, int value) {
                         calls.push_back("set " + std::to_string(fd) + " " + std::to_string(value));
                         flags = value;
                         return true;
                       }});
  EXPECT_TRUE(mode.Enable(7));
  EXPECT_EQ(flags, 0x0100 | ASYNC_LOW_LATENCY);
  flags |= 0x0001;  // changed by someone else meanwhile: stays
  mode.Restore();
  EXPECT_EQ(flags, 0x0101);
  const std::vector<std::string> expected{"get 7",
                                          "set 7 " + std::to_string(0x0100 | ASYNC_LOW_LATENCY),
                                          "get 7", "set 7 " + std::to_string(0x0101)};
  EXPECT_EQ(calls, expected);
  mode.Restore();  // once only
  EXPECT_EQ(calls.size(), 4u);
}
#endif

}  // namespace
}  // namespace selkan
