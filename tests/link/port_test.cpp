// Around a serial port: its names, the advice when it may not be opened, the low-latency flag.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <string>

#include "link/low_latency.h"
#include "link/port_access.h"
#include "link/port_names.h"
#include "tests/support/file_tests.h"

#ifdef __linux__
#include <linux/serial.h>
#endif

namespace selkan {
namespace {

TEST(Port, ComNamesMapToDevicesAndAdviceFollowsTheGroupsTheProcessAndTheUserHave) {
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
  for (const char* device : {"COM0", "COM5", "COM10", "CPM1", "/dev/ttyS0"})  // taken as given
    EXPECT_EQ(resolve(device, {{"SELKAN_COM1", "/tmp/radio"}}), device);

  EXPECT_EQ(AdviseOnAccess({false, false, "", false, false}), PortAdvice::kNone)
      << "no device: not ours";
  EXPECT_EQ(AdviseOnAccess({true, true, "dialout", false, false}), PortAdvice::kNone);
  EXPECT_EQ(AdviseOnAccess({true, false, "dialout", false, false}), PortAdvice::kJoinGroup);
  EXPECT_EQ(AdviseOnAccess({true, false, "dialout", false, true}), PortAdvice::kLogInAgain);
  EXPECT_EQ(AdviseOnAccess({true, false, "dialout", true, true}), PortAdvice::kAskAdmin)
      << "the group is there and does not help";
  EXPECT_EQ(AdviseOnAccess({true, false, "", false, false}), PortAdvice::kAskAdmin);
  // Looked up: a device that is not there, or one for all, is no matter of rights.
  EXPECT_EQ(AdviseOnAccess(ProbeDeviceAccess("/dev/selkan-none")), PortAdvice::kNone);
  EXPECT_EQ(AdviseOnAccess(ProbeDeviceAccess("/dev/null")), PortAdvice::kNone);
  // Filled in one pass: a "%2" in the device's name stays.
  const std::string join = FillPortAdvice(PortAdvice::kJoinGroup, "/dev/x%2", "dialout");
  EXPECT_TRUE(join.starts_with("You may not use /dev/x%2: ") &&
              join.find("usermod -aG dialout $USER") != std::string::npos)
      << join;

  // A port of a group the process has (as a group beside the first) does not send the user to
  // join it; one of another group does; one of the user's own first group, which this login
  // lacks, asks to log in again.
  const group* entry = ::getgrnam("dialout");
  if (::geteuid() != 0 || entry == nullptr) GTEST_SKIP() << "needs root and a dialout group";
  const gid_t dialout = entry->gr_gid, nogroup = test::kNogroup;  // nobody's first group
  const test::ScratchDir dir;
  const std::string port = dir / "port";
  ASSERT_TRUE(test::WriteBytes(port, "") && ::chmod(port.c_str(), 0600) == 0);
  for (const auto& [portGroup, processGroup, extra, advice] :
       {std::tuple{dialout, nogroup, 1, PortAdvice::kAskAdmin},
        {dialout, nogroup, 0, PortAdvice::kJoinGroup},
        {nogroup, dialout, 0, PortAdvice::kLogInAgain}}) {
    ASSERT_EQ(::chown(port.c_str(), 0, portGroup), 0);
    const std::string said = test::InChild(false, [&, extra = extra, gid = processGroup] {
      if (::setgroups(extra, &dialout) != 0 || ::setgid(gid) != 0 || ::setuid(test::kNobody) != 0)
        return std::string("cannot change groups");
      return std::to_string(static_cast<int>(AdviseOnAccess(ProbeDeviceAccess(port))));
    });
    EXPECT_EQ(said, std::to_string(static_cast<int>(advice))) << portGroup;
  }
}

#ifdef __linux__
TEST(LowLatencyMode, TurnedOnForThePortAndOffAgainKeepingOtherFlags) {
  // A driver that keeps the flags of descriptor 0 (a port opened while standard input is closed).
  int flags = 0x0100, sets = 0;
  LowLatencyMode mode({[&](int fd, int* out) {
                         *out = fd == 0 ? flags : -1;
                         return true;
                       },
                       [&](int fd, int value) {
                         flags = fd == 0 ? value : -1;
                         return ++sets > 0;
                       }});
  EXPECT_TRUE(mode.Enable(0));
  EXPECT_EQ(flags, 0x0100 | ASYNC_LOW_LATENCY);
  flags |= 0x0001;  // changed by someone else meanwhile: stays
  mode.Restore();
  mode.Restore();  // once only
  EXPECT_EQ(flags, 0x0101);
  EXPECT_EQ(sets, 2);
}
#endif

}  // namespace
}  // namespace selkan
