// Backups of radios; around a serial port: its names, the advice on access, the low-latency flag.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "link/backup_store.h"
#include "link/low_latency.h"
#include "link/port_access.h"
#include "link/port_names.h"
#include "tests/support/file_tests.h"
#include "tests/support/radio_images.h"

#ifdef __linux__
#include <linux/serial.h>
#endif

namespace selkan {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;
using Clock = std::chrono::system_clock;
using test::RandomImage;

// Listed oldest first; chosen newest first (the sequence within a second counts), by a type in
// any case; the types there are.
TEST(BackupStore, SavesListsChoosesAndKeepsTheNewestOfEachTypeTouchingNothingElse) {
  const test::ScratchDir scratch;
  const fs::path dir = scratch.path() / "backups";
  // 2026-03-01 14:05:09 in local time, whatever the time zone.
  const Clock::time_point when = [] {
    std::tm local{};
    ::strptime("2026-03-01 14:05:09", "%Y-%m-%d %H:%M:%S", &local), local.tm_isdst = -1;
    return Clock::from_time_t(std::mktime(&local));
  }();
  BackupStore store(dir / "nested" / "backups");  // made when missing
  std::string error;
  const auto first = store.Save(RandomImage(1), "SK-100", when, &error, "KZ904SK1");
  EXPECT_EQ(first.value_or("none").filename(), "20260301-140509_SK-100.dat") << error;
  // Another in the same second keeps the first.
  const fs::path second = store.Save(RandomImage(2), "SK-100", when).value_or("none");
  EXPECT_EQ(second.filename(), "20260301-140509-2_SK-100.dat");
  ASSERT_TRUE(store.Save(RandomImage(3), "b", when + seconds(1)));
  std::ofstream(dir / "nested/backups/20260301-140510_b.id") << "KZ904SK2";  // no line end

  const std::vector<BackupEntry> entries = store.List();
  std::string said;
  for (const BackupEntry& entry : entries)
    said += entry.when + " " + entry.radioType + " " + entry.identification + "|";
  ASSERT_EQ(said,
            "2026-03-01 14:05:09 SK-100 KZ904SK1|2026-03-01 14:05:09 SK-100 |"
            "2026-03-01 14:05:10 b KZ904SK2|");
  EXPECT_EQ(entries[0].size, kImageSize);
  EXPECT_EQ(entries[1].path, second);
  EXPECT_EQ(LoadDatFile(second).image, RandomImage(2));

  for (int i = 3; i <= 11; ++i) ASSERT_TRUE(store.Save(RandomImage(1), "SK-100", when));
  std::vector<std::string> names;
  for (const BackupEntry& entry : NewestFirst(OfRadioType(store.List(), "sk-100")))
    names.push_back(entry.path.filename());
  ASSERT_EQ(names.size(), 11u);
  EXPECT_EQ(
      std::vector(names.begin(), names.begin() + 3),
      (std::vector<std::string>{"20260301-140509-11_SK-100.dat", "20260301-140509-10_SK-100.dat",
                                "20260301-140509-9_SK-100.dat"}));
  EXPECT_EQ(names.back(), "20260301-140509_SK-100.dat");
  EXPECT_EQ(NewestFirst(store.List()).front().radioType, "b");
  EXPECT_EQ(OfRadioType(store.List(), "").size(), 12u);
  EXPECT_TRUE(OfRadioType(store.List(), "SK").empty());
  EXPECT_EQ(RadioTypesOf(NewestFirst(store.List())), (std::vector<std::string>{"SK-100", "b"}));

  // Files that only look like backups, or are not ours, stay (the first store made the folder).
  const std::vector<std::string> foreign = {
      "20000101-000000_SK-100.txt", "notes.dat",
      "2000-01-01_SK-100.dat",      "20000101-000000_.dat",
      "20000101-00000_SK-100.dat",  "2000010a-000000_SK-100.dat",
      "20000101x000000_SK-100.dat"};
  for (const std::string& name : foreign) std::ofstream(dir / name) << "mine";
  fs::create_directory(dir / "20000101-000000_SK-100.dat");  // a folder
  fs::create_symlink("notes.dat", dir / "20000101-000001_SK-100.dat");

  // One past the limit: exactly the oldest goes, with its identification.
  BackupStore rotating(dir, 3);
  for (int i = 0; i < 4; ++i)
    ASSERT_TRUE(rotating.Save(RandomImage(i), "SK-100", when + seconds(i), nullptr, "id"));
  EXPECT_FALSE(fs::exists(dir / "20260301-140509_SK-100.id"));
  EXPECT_TRUE(fs::exists(dir / "20260301-140510_SK-100.id"));
  for (int i = 0; i < 2; ++i)
    ASSERT_TRUE(rotating.Save(RandomImage(9), "SK-200", when + seconds(i)));

  names.clear();
  for (const BackupEntry& entry : rotating.List()) names.push_back(entry.path.filename());
  EXPECT_EQ(names,
            (std::vector<std::string>{"20260301-140509_SK-200.dat", "20260301-140510_SK-100.dat",
                                      "20260301-140510_SK-200.dat", "20260301-140511_SK-100.dat",
                                      "20260301-140512_SK-100.dat"}));
  // Remove takes a backup and its identification, and nothing that is not one.
  EXPECT_TRUE(rotating.Remove(dir / "20260301-140510_SK-100.dat", &error)) << error;
  EXPECT_FALSE(fs::exists(dir / "20260301-140510_SK-100.id"));
  EXPECT_FALSE(rotating.Remove(dir / "20260301-140510_SK-100.dat"));  // gone already
  ASSERT_TRUE(BackupStore(dir / "other").Save(RandomImage(1), "SK-100", when));
  for (const fs::path& path :
       {dir / "notes.dat", dir / "20000101-000000_SK-100.dat", dir / "20000101-000001_SK-100.dat",
        dir / "other" / "20260301-140509_SK-100.dat"})
    EXPECT_FALSE(rotating.Remove(path)) << path;
  EXPECT_EQ(rotating.List().size(), 4u);
  for (const std::string& name : foreign) EXPECT_TRUE(fs::exists(dir / name)) << name;
  EXPECT_TRUE(fs::is_directory(dir / "20000101-000000_SK-100.dat") &&
              fs::is_symlink(dir / "20000101-000001_SK-100.dat") &&
              fs::exists(dir / "other" / "20260301-140509_SK-100.dat"));
  for (int i = 2; i <= 998; ++i)  // A second holds up to 999 backups.
    std::ofstream(dir / "other" / ("20260301-140509-" + std::to_string(i) + "_SK-100.dat"));
  const auto last = BackupStore(dir / "other").Save(RandomImage(2), "SK-100", when, &error);
  EXPECT_EQ(last.value_or("none").filename(), "20260301-140509-999_SK-100.dat") << error;
  // A type's label keeps what a file name can hold, or names the type by its index.
  const std::vector<std::string> types{"SK-100", "SK 200"};  // none beyond the profile's list
  EXPECT_EQ(BackupTypeLabel(0, "SK-100") + "|" + BackupTypeLabel(1, "SK 200/U") + "|" +
                BackupTypeLabel(2, "对讲机") + "|" + BackupTypeLabel(4, "--") + "|" +
                BackupTypeLabel(0, "") + "|" + BackupTypeLabelAmong(1, types) + "|" +
                BackupTypeLabelAmong(2, types),
            "SK-100|SK200U|type3|type5|type1|SK200|type3");
}

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
  for (const auto& [portGroup, gid, extra, user, advice] :
       {std::tuple{dialout, nogroup, 1, test::kNobody, kAskAdmin},
        {dialout, nogroup, 0, test::kNobody, kJoinGroup},
        {dialout, nogroup, 0, uid_t{54321}, kJoinGroup},  // a user that /etc/passwd does not list
        {nogroup, dialout, 0, test::kNobody, kLogInAgain}}) {
    ASSERT_EQ(::chown(port.c_str(), 0, portGroup), 0);
    const std::string said = test::InChild(false, [&, extra = extra, gid = gid, user = user] {
      if (::setgroups(extra, &dialout) != 0 || ::setgid(gid) != 0 || ::setuid(user) != 0)
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
  EXPECT_TRUE(mode.Enable(0));   // then on another port: this one's goes back first
  EXPECT_FALSE(mode.Enable(1));  // (which keeps no flags)
  EXPECT_EQ(flags, 0x0101);
}
#endif

}  // namespace
}  // namespace selkan
