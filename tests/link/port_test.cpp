// Around a serial port: its names, the advice when it may not be opened, the low-latency flag.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
  using enum PortAdvice;
  // $SELKAN_COMn names the device of COMn, in any letter case, unless it is empty; other names
  // are taken as given.
  const EnvLookup env = [](const std::string& key) -> std::optional<std::string> {
    if (key == "SELKAN_COM1") return "";
    return key == "SELKAN_COM2" ? std::optional<std::string>("/tmp/radio") : std::nullopt;
  };
  std::string devices;
  for (auto n : {"COM1", "com4", "Com2", "COM3", "COM0", "COM5", "COM10", "CPM1", "/dev/ttyS0"})
    devices += ResolvePortName(n, env) + " ";
  EXPECT_EQ(devices,
            "/dev/ttyUSB0 /dev/ttyUSB3 /tmp/radio /dev/ttyUSB2 COM0 COM5 COM10 CPM1 /dev/ttyS0 ");

  // No device is not ours; where the group is there and does not help, only an admin can.
  EXPECT_EQ(AdviseOnAccess({false, false, "", false, false}), kNone);
  EXPECT_EQ(AdviseOnAccess({true, true, "dialout", false, false}), kNone);
  EXPECT_EQ(AdviseOnAccess({true, false, "dialout", false, false}), kJoinGroup);
  EXPECT_EQ(AdviseOnAccess({true, false, "dialout", false, true}), kLogInAgain);
  EXPECT_EQ(AdviseOnAccess({true, false, "dialout", true, true}), kAskAdmin);
  EXPECT_EQ(AdviseOnAccess({true, false, "", false, false}), kAskAdmin);
  // Looked up: a device that is not there, or one for all, is no matter of rights.
  for (const char* device : {"/dev/selkan-none", "/dev/null"})
    EXPECT_EQ(AdviseOnAccess(ProbeDeviceAccess(device)), kNone) << device;
  // Filled in one pass: a "%2" in the device's name stays.
  const std::string join = FillPortAdvice(kJoinGroup, "/dev/x%2", "dialout");
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
       {std::tuple{dialout, nogroup, 1, kAskAdmin},
        {dialout, nogroup, 0, kJoinGroup},
        {nogroup, dialout, 0, kLogInAgain}}) {
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
  const auto get = [&](int fd, int* out) { return fd == 0 && (*out = flags, true); };
  const auto set = [&](int fd, int value) { return fd == 0 && (flags = value, ++sets); };
  LowLatencyMode mode({get, set});
  EXPECT_TRUE(mode.Enable(0));
  EXPECT_EQ(flags, 0x0100 | ASYNC_LOW_LATENCY);
  flags |= 0x0001;                 // changed by someone else meanwhile: stays
  mode.Restore(), mode.Restore();  // once only
  EXPECT_EQ(std::pair(flags, sets), std::pair(0x0101, 2));
}
#endif

}  // namespace
}  // namespace selkan
