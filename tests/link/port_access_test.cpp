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

TEST(PortAccessTest, AdviceNamesTheDeviceAndItsGroup) {
  const std::string join = FillPortAdvice(PortAdvice::kJoinGroup, "/dev/ttyUSB0", "dialout");
  EXPECT_NE(join.find("use /dev/ttyUSB0:"), std::string::npos) << join;
  EXPECT_NE(join.find("usermod -aG dialout $USER"), std::string::npos) << join;
  EXPECT_EQ(join.find('%'), std::string::npos) << join;
  const std::string odd = FillPortAdvice(PortAdvice::kAskAdmin, "/dev/odd%2name", "uucp");
  EXPECT_NE(odd.find("/dev/odd%2name"), std::string::npos) << "names are not templates: " << odd;
  EXPECT_EQ(FillPortAdvice(PortAdvice::kNone, "/dev/ttyUSB0", "dialout"), "");
}

TEST(PortAccessTest, ProbeSeesTheDeviceAndItsGroup) {
  EXPECT_FALSE(ProbeDeviceAccess("/nonexistent/ttyUSB9").exists);
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("selkan-port-" + std::to_string(::getpid()));
  std::ofstream(file).put('x');
  const DeviceAccess own = ProbeDeviceAccess(file.string());
  std::filesystem::remove(file);
  EXPECT_TRUE(own.exists);
  EXPECT_TRUE(own.mayReadWrite) << "a file we just made";
  EXPECT_TRUE(own.processInGroup) << "made with our own group";
  EXPECT_FALSE(own.group.empty());
}

}  // namespace
}  // namespace selkan
