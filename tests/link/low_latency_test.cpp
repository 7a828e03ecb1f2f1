#include "link/low_latency.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef __linux__
#include <linux/serial.h>
#endif

namespace selkan {
namespace {

#ifdef __linux__
constexpr int kLowLatency = ASYNC_LOW_LATENCY;
#endif

// A driver that keeps its flags and records every call.
struct FakeDriver {
  int flags = 0x0100;
  bool hasFlags = true;
  bool refusesSet = false;
  std::vector<std::string> calls;

  SerialFlagsCalls Calls() {
    return {[this](int fd, int* out) {
              calls.push_back("get " + std::to_string(fd));
              if (!hasFlags) return false;
              *out = flags;
              return true;
            },
            [this](int fd, int value) {
              calls.push_back("set " + std::to_string(fd) + " " + std::to_string(value));
              if (refusesSet) return false;
              flags = value;
              return true;
            }};
  }
};

#ifdef __linux__
TEST(LowLatencyMode, TurnedOnForThePortAndOffAgainKeepingOtherFlags) {
  FakeDriver driver;
  LowLatencyMode mode(driver.Calls());
  EXPECT_TRUE(mode.Enable(7));
  EXPECT_EQ(driver.flags, 0x0100 | kLowLatency);
  driver.flags |= 0x0001;  // changed by someone else meanwhile: stays
  mode.Restore();
  EXPECT_EQ(driver.flags, 0x0101);
  const std::vector<std::string> expected{"get 7", "set 7 " + std::to_string(0x0100 | kLowLatency),
                                          "get 7", "set 7 " + std::to_string(0x0101)};
  EXPECT_EQ(driver.calls, expected);
  mode.Restore();  // once only
  EXPECT_EQ(driver.calls.size(), 4u);
}

TEST(LowLatencyMode, LeftAloneWhenOnAlreadyOrNotThere) {
  FakeDriver on;
  on.flags = kLowLatency;
  LowLatencyMode alreadyOn(on.Calls());
  EXPECT_TRUE(alreadyOn.Enable(3));
  alreadyOn.Restore();
  EXPECT_EQ(on.calls, std::vector<std::string>{"get 3"});
  EXPECT_EQ(on.flags, kLowLatency);  // it was on before: it stays on

  FakeDriver none;  // a pseudo-terminal keeps no such flags
  none.hasFlags = false;
  LowLatencyMode unsupported(none.Calls());
  EXPECT_FALSE(unsupported.Enable(3));
  unsupported.Restore();
  EXPECT_EQ(none.calls, std::vector<std::string>{"get 3"});

  FakeDriver refusing;
  refusing.refusesSet = true;
  LowLatencyMode refused(refusing.Calls());
  EXPECT_FALSE(refused.Enable(3));
  refused.Restore();
  EXPECT_EQ(refusing.calls.size(), 2u);  // get, the refused set; nothing to undo
}
#endif

}  // namespace
}  // namespace selkan
