// Advice on a serial device the user may not open.
#include "link/port_access.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace selkan {
namespace {

TEST(PortAccessTest, AdviceFollowsWhatTheGroupWouldChange) {
  const auto advice = [](bool exists, bool mayReadWrite, const char* group, bool processInGroup,
                         bool listed) {
    return AdviseOnAccess({exists, mayReadWrite, group, processInGroup, listed});
  };
  EXPECT_EQ(advice(false, false, "", false, false), PortAdvice::kNone) << "no device: not ours";
  EXPECT_EQ(advice(true, true, "dialout", false, false), PortAdvice::kNone);
  EXPECT_EQ(advice(true, false, "dialout", false, false), PortAdvice::kJoinGroup);
  EXPECT_EQ(advice(true, false, "dialout", false, true), PortAdvice::kLogInAgain);
  EXPECT_EQ(advice(true, false, "dialout", true, true), PortAdvice::kAskAdmin)
      << "the group is there and does not help";
  EXPECT_EQ(advice(true, false, "", false, false), PortAdvice::kAskAdmin);
}

}  // namespace
}  // namespace selkan
