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

#endif

}  // namespace
}  // namespace selkan
