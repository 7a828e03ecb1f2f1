// Saving files: which route each kind of target takes and what is left; numbers in texts; digests.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>

#include "platform/atomic_file.h"
#include "platform/decimal.h"
#include "platform/file_stamp.h"
#include "platform/input_file.h"
#include "platform/sha256.h"
#include "platform/temp_file.h"
#include "tests/support/files_test.h"

namespace selkan::test {
namespace {

namespace fs = std::filesystem;
using AtomicFile = FilesTest;

std::span<const std::uint8_t> Span(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

bool Save(const fs::path& path, const std::string& bytes, FileError* error = nullptr) {
  FileError ignored;
  return WriteFileAtomically(path, Span(bytes), error ? error : &ignored);
}

struct stat Status(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
  return status;
}

// Failures name the file as given and what failed, once, and leave nothing behind.
TEST_F(AtomicFile, ReplacesARegularFileKeepingModeAndOwnerAndNamesTheFileOnFailure) {
  const std::string target = Write("x.dat", std::string(5000, 'a'));
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  const ino_t before = Status(target).st_ino;
  ASSERT_TRUE(CheckWritable(target, nullptr) && CheckWritable(dir_ / "new.dat", nullptr));
  EXPECT_EQ(dir_.Listing(), "x.dat") << "checking makes nothing";
  ASSERT_TRUE(Save(target, "short") && Save(dir_ / "new.dat", "fresh"));
  EXPECT_EQ(ReadBytes(target) + ReadBytes(dir_ / "new.dat"), "shortfresh");
  EXPECT_NE(Status(target).st_ino, before) << "a regular file is replaced, not rewritten";
  EXPECT_EQ(Status(target).st_mode & 07777, 0640u);
  FileError error;
  for (const auto& [name, code] :
       {std::pair<std::string, int>{"no-such-dir/x.dat", ENOENT}, {"folder", EISDIR}}) {
    fs::create_directories(dir_.path() / "folder" / "inner");
    EXPECT_FALSE(CheckWritable(dir_ / name, &error) || error.code != code) << name;
    EXPECT_FALSE(Save(dir_ / name, "x", &error) || error.code != code) << error.code;
    EXPECT_EQ(error.text, "cannot write " + (dir_ / name) + ": " + std::strerror(code));
  }
  std::string text;
  EXPECT_FALSE(WriteFileAtomically(dir_ / "folder", Span("x"), &text) || text != error.text);
  EXPECT_FALSE(Save("", "x", &error) || error.code != ENOENT);  // no name at all
  EXPECT_TRUE(fs::is_directory(dir_.path() / "folder" / "inner"));
  EXPECT_EQ(dir_.Listing(), "folder new.dat x.dat");
  if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another owner needs root";
  // Root saving a user's file hands it back to that user, even read-only; its own file of
  // another group stays in that group.
  for (const uid_t owner : {kNobody, ::geteuid()}) {
    ASSERT_EQ(::chown(target.c_str(), owner, kNogroup), 0);
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    ASSERT_TRUE(Save(target, "newer") && ReadBytes(target) == "newer");
    EXPECT_TRUE(Status(target).st_uid == owner && Status(target).st_gid == kNogroup);
    EXPECT_EQ(Status(target).st_mode & 07777, 0444u);
  }
}

// The largest file allowed read, saved, watched; also with stdin closed (a file gets 0). Leftovers
// of killed saves go with the next save, others stay.
TEST_F(AtomicFile, FilesWorkAndNoDescriptorOrKilledSavesFileIsLeftOrTaken) {
  const std::string path = Write("x.dat", "old");
  const auto readSaveAndWatch = [&]() -> std::string {
    std::string content;  // read into twice: each read replaces it (3 bytes at most)
    for (const bool stdinOpen : {true, false}) {
      if (stdinOpen && ::fcntl(0, F_GETFD) == -1) ::open("/dev/null", O_RDONLY);
      if (!stdinOpen) ::close(0);
      const std::string before = OpenDescriptors();
      SyncDirectoryOf(path);  // its folder's descriptor is closed again, even as descriptor 0
      FileError error;
      errno = EINTR;  // left by an earlier call: at the end of the file it is not read again
      if (!ReadInputFile(path, &content, &error, nullptr, 3) || !Save(path, "new", &error) ||
          !CheckWritable(path + ".new", &error))  // its probe file is closed and gone
        return error.text;
      // Written again with the same size and time: only the bytes tell.
      const FileStamp stamp = StampOfFile(path, Span("new"));
      const timespec times[2] = {Status(path).st_atim, Status(path).st_mtim};
      WriteBytes(path, "NEW"), ::utimensat(AT_FDCWD, path.c_str(), times, 0);
      if (!ChangedSince(path, stamp)) return "a rewrite went unseen";
      errno = EINTR;  // a stamp of more bytes than the file holds: its end is read once
      if (ChangedSince(path, StampOfFile(path, Span("NEW!")))) return "a longer stamp differs";
      SetBeforeRenameHook([](const std::string& temporary) { ::unlink(temporary.c_str()); });
      static_cast<void>(Save(path, "new") ||  // its rename fails: its lock goes all the same
                        CheckWritable(path + ".d/x", &error));  // no probe: none closed
      SetBeforeRenameHook(nullptr);
      if (OpenDescriptors() != before) return before + " became " + OpenDescriptors();
    }
    return "";
  };
  EXPECT_EQ(InChild(false, readSaveAndWatch), "");

  // Three killed saves' leftovers, files not ours, one of a running save (it holds the lock).
  for (const char* name :
       {".x.dat.a1B2c3.tmp", ".x.dat.zzzzzz.tmp", ".x.dat.abc.tmp", ".y.dat.a1B2c3.tmp",
        "x.dat.a1B2c3.tmp", ".x.dat.a1B2c-.tmp", ".x.dat.running.tmp", ".x.dat.runnin.tmp"})
    WriteBytes(dir_ / name, "partial");
  if (::fork() == 0)  // dies with its temporary file made
    ::_exit(TempFile().Create(dir_ / "x.dat", 0600));
  ::wait(nullptr);
  const int held = ::open((dir_ / ".x.dat.runnin.tmp").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  ASSERT_TRUE(Save(dir_ / "x.dat", "new"));
  ::close(held);
  EXPECT_EQ(dir_.Listing(),
            ".x.dat.a1B2c-.tmp .x.dat.abc.tmp .x.dat.runnin.tmp .x.dat.running.tmp "
            ".y.dat.a1B2c3.tmp x.dat x.dat.a1B2c3.tmp");

  // A save held before its rename while another runs to its end: the later rename wins.
  static std::string target, second;
  target = dir_ / "x.dat";
  SetBeforeRenameHook([](const std::string&) {
    SetBeforeRenameHook(nullptr), second = Save(target, "second") ? ReadBytes(target) : "failed";
  });
  FileError error;
  EXPECT_TRUE(Save(target, "first", &error)) << error.text;
  SetBeforeRenameHook(nullptr);
  EXPECT_EQ(second + " " + ReadBytes(target), "second first");
}

TEST_F(AtomicFile, LinksFifosAndSocketsAreFollowedAndStayWhatTheyAre) {
  const std::string fifo = dir_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_TRUE(CheckWritable(fifo, nullptr)) << "without waiting for a reader";
  EXPECT_FALSE(StampOfFile(fifo, Span("x")).known) << "a stream has no contents to compare";
  // The reader comes first, so the save need not wait; every read below ends.
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const std::string socketPath = dir_ / "sock";
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{AF_UNIX, {}};
  std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 1), 0);
  ::close(0);  // each save's own descriptor is 0 (nothing here reads standard input)
  ASSERT_TRUE(Save(fifo, "through the pipe"));
  std::string received;
  EXPECT_TRUE(ReadUntilClosed(reader, received, 10)) << "the pipe was left open";
  ::close(reader);

  ASSERT_TRUE(Save(socketPath, "over the socket"));  // connects, writes and closes
  pollfd calling{listener, POLLIN, 0};
  ASSERT_EQ(::poll(&calling, 1, 10000), 1) << "nobody connected";
  const int connection = ::accept(listener, nullptr, nullptr);
  EXPECT_TRUE(ReadUntilClosed(connection, received, 10)) << "the connection was left open";
  ::close(connection), ::close(listener);
  EXPECT_EQ(received + " " + dir_.Listing(), "through the pipeover the socket fifo sock");

  fs::create_directory(dir_.path() / "sub"), WriteBytes(dir_ / "sub/real.dat", "old");
  fs::create_symlink("sub/real.dat", dir_.path() / "link.dat");
  ASSERT_TRUE(Save(dir_ / "link.dat", "new"));
  EXPECT_TRUE(fs::is_symlink(dir_.path() / "link.dat"));
  EXPECT_EQ(ReadBytes(dir_.path() / "sub" / "real.dat") + " " + dir_.Listing(),
            "new fifo link.dat sock sub");

  // A dangling link, through a second link: the file it names is created. A hidden file of
  // that name beside it is the user's, not a temporary name.
  fs::create_symlink("sub/made.dat", dir_.path() / "dangling");
  fs::create_symlink("dangling", dir_.path() / "chain");
  WriteBytes(dir_.path() / "sub" / ".made.dat", "mine");
  ASSERT_TRUE(Save(dir_ / "chain", "made"));
  EXPECT_TRUE(fs::is_symlink(dir_.path() / "chain") && fs::is_symlink(dir_.path() / "dangling"));
  EXPECT_EQ(ReadBytes(dir_.path() / "sub" / "made.dat") + ReadBytes(dir_ / "sub/.made.dat"),
            "mademine");

  fs::create_symlink("loop", dir_.path() / "loop");
  FileError error;
  bool opened = true;  // by a read of the loop, which cannot open it
  EXPECT_FALSE(Save(dir_ / "loop", "x", &error) || error.code != ELOOP ||
               !fs::is_symlink(dir_ / "loop") ||
               ReadInputFile(dir_ / "loop", &received, nullptr, &opened) || opened);
  for (int i = 1; i < 40; ++i)  // As many links as the system follows: 39, then the file made.
    fs::create_symlink("c" + std::to_string(i), dir_ / ("c" + std::to_string(i - 1)));
  EXPECT_TRUE(Save(dir_ / "c0", "far") && ReadBytes(dir_ / "c39") == "far");
  // Standard output: what the C library still holds for it goes before the bytes.
  const std::string out = dir_ / "out";
  const auto printed = [&out] {
    if (std::freopen(out.c_str(), "w", stdout) == nullptr) return std::string("no");
    std::fputs("held ", stdout);  // a file's stream is fully buffered
    return Save("/dev/stdout", "saved") && std::fclose(stdout) == 0 ? ReadBytes(out) : "";
  };
  EXPECT_EQ(test::InChild(false, printed), "held saved");
}

std::string Attribute(const std::string& path, const char* name) {
  char value[256];
  const ssize_t size = ::getxattr(path.c_str(), name, value, sizeof value);
  return size < 0 ? "(none)" : std::string(value, static_cast<std::size_t>(size));
}

// Whom the ACL lets write still may, though the folder's default says read only; no ACL comes
// from that default. An attribute the saving user may not set keeps the file in place.
TEST_F(AtomicFile, ExtendedAttributesAndTheAclStayWithTheFile) {
  const std::string shared = Write("shared.dat", "old"), plain = Write("plain.dat", "old");
  if (::setxattr(shared.c_str(), "user.origin", "radio", 5, 0) != 0 && errno == ENOTSUP)
    GTEST_SKIP() << "the file system here has no extended attributes";
  ASSERT_EQ(::setxattr(shared.c_str(), "user.flag", "", 0, 0), 0);  // empty, but there
  const std::string grant = "setfacl -m u:nobody:rw " + shared + " && setfacl -d -m u:nobody:r ";
  ASSERT_EQ(std::system((grant + dir_.path().string()).c_str()), 0);
  const std::string acl = Attribute(shared, "system.posix_acl_access");
  // Both replaced (the folder's ACL that the new plain file took is dropped), not rewritten.
  const ino_t replaced = Status(shared).st_ino, plainBefore = Status(plain).st_ino;
  ASSERT_TRUE(Save(shared, "new") && Save(plain, "new") && Status(shared).st_ino != replaced &&
              Status(plain).st_ino != plainBefore);
  EXPECT_EQ(Attribute(shared, "user.origin") + Attribute(shared, "user.flag") +
                Attribute(shared, "system.posix_acl_access"),
            "radio" + acl);
  EXPECT_EQ(Attribute(plain, "system.posix_acl_access"), "(none)");
  EXPECT_EQ(InChild(true, [&] { return ::access(shared.c_str(), W_OK) ? "refused" : ""; }), "");

  if (::geteuid() != 0) GTEST_SKIP() << "setting a security attribute needs root";
  fs::permissions(dir_.path(), fs::perms::all);
  ASSERT_EQ(::chown(shared.c_str(), kNobody, kNogroup), 0);
  ASSERT_EQ(::setxattr(shared.c_str(), "security.selkan", "mark", 4, 0), 0);
  const ino_t inode = Status(shared).st_ino;
  EXPECT_EQ(InChild(true, [&] { return Save(shared, "newer") ? "" : "not saved"; }), "");
  EXPECT_EQ(Status(shared).st_ino, inode);
  EXPECT_EQ(ReadBytes(shared) + Attribute(shared, "security.selkan"), "newermark");
  EXPECT_EQ(dir_.Listing(), "plain.dat shared.dat");
}

// Run as such even under root; a writable file in a read-only directory is rewritten in place.
TEST_F(AtomicFile, RefusedWhatTheSystemRefusesRewrittenInPlaceWhereItMustBe) {
  fs::permissions(dir_.path(), fs::perms::all);  // everyone may add files
  fs::create_directory(dir_.path() / "locked");
  const std::string readOnly = Write("read-only.dat", "old"), foreign = Write("shared.dat", "old"),
                    inLocked = Write("locked/x.dat", "old");
  ::chmod(readOnly.c_str(), 0444);
  ::chmod(foreign.c_str(), 0666), ::chmod(inLocked.c_str(), 0666);  // writable by whoever saves
  ::chmod((dir_ / "locked").c_str(), 0555);
  const auto saveAll = [&]() -> std::string {
    FileError error;
    if (Save(readOnly, "new", &error)) return "saved over 0444";
    if (error.code != EACCES) return "wrong error: " + error.text;
    if (CheckWritable(readOnly, &error) || error.code != EACCES) return "0444 checked writable";
    if (!Save(foreign, "new", &error)) return error.text;
    return Save(inLocked, "new", &error) ? "" : error.text;
  };
  EXPECT_EQ(InChild(true, saveAll), "");
  EXPECT_EQ(ReadBytes(readOnly) + ReadBytes(foreign) + ReadBytes(inLocked), "oldnewnew");
  EXPECT_EQ(Status(foreign).st_uid, ::geteuid()) << "the file stays its owner's";

  // Out of room (the file size limit), either route leaves the old file and no temporary.
  const std::string old(1000, 'o');
  WriteBytes(dir_ / "plain.dat", old), WriteBytes(dir_ / "linked.dat", old);
  fs::create_hard_link(dir_ / "linked.dat", dir_ / "other-name.dat");
  // One its saver may write but not read: that its old bytes could not be put back is said.
  ::chmod(Write("write-only.dat", old).c_str(), 0222);
  for (const std::string name : {"plain.dat", "linked.dat", "write-only.dat"}) {
    const auto saveTooMuch = [&]() -> std::string {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{4096, 4096};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      FileError error;
      if (Save(dir_ / name, std::string(10000, 'n'), &error)) return "saved";
      if (error.code != EFBIG) return error.text;
      return error.text.ends_with("(the old contents could not be put back)") ? "not put back" : "";
    };
    const bool readable = name != "write-only.dat";
    EXPECT_EQ(InChild(!readable, saveTooMuch), readable ? "" : "not put back") << name;
    EXPECT_EQ(ReadBytes(dir_ / name) == old, readable) << name;
  }
  // No descriptor left for the temporary copy: refused, not rewritten in place unchecked.
  const auto onLastDescriptor = [this]() -> std::string {
    const int next = ::dup(0);
    const rlimit limit{rlim_t(next) + 1, rlim_t(next) + 1};
    ::close(next), ::setrlimit(RLIMIT_NOFILE, &limit);
    FileError error;
    const bool saved = Save(dir_ / "plain.dat", "new", &error);
    return saved || error.code != EMFILE ? "saved or " + error.text : "";
  };
  EXPECT_EQ(InChild(false, onLastDescriptor) + ReadBytes(dir_ / "plain.dat"), old);
  const ino_t inode = Status(dir_ / "linked.dat").st_ino;
  ASSERT_TRUE(Save(dir_ / "linked.dat", "new") && ReadBytes(dir_ / "other-name.dat") == "new");
  EXPECT_EQ(Status(dir_ / "linked.dat").st_ino, inode);
  EXPECT_EQ(dir_.Listing(),
            "linked.dat locked other-name.dat plain.dat read-only.dat shared.dat write-only.dat");
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// The longest decimal prefix, as atof reads it but not past the text's end; 0 when none starts.
TEST(Decimal, ReadsTheLongestNumberPrefixTruncatesAndFormatsWhole) {
  // clang-format off
  const std::pair<std::string_view, double> cases[] = {
      {"145.125", 145.125}, {" \t\n-3.5MHz", -3.5}, {"+.5", 0.5}, {"5.", 5.0}, {"1,5", 1.0},
      {"12.5.3", 12.5}, {"007", 7.0}, {"1e3", 1000.0}, {"2E-2", 0.02}, {"1.5e+1x", 15.0},
      {"1e", 1.0}, {"1e+", 1.0}, {"1e-x", 1.0}, {"7E", 7.0}, {"1e400", kInf}, {"-1e400", -kInf},
      {"1e99999999999999999999999", kInf}, {std::string_view("1234", 2), 12.0},
      {std::string_view("1.234", 3), 1.2}, {std::string_view("1e23", 3), 100.0}};
  // clang-format on
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseLeadingNumber(text), value) << text;
  for (const char* text : {"", " ", "None", "无", ".", "-", "+", "-.", "e5", ". 5", "- 5", "0x10",
                           "1e-400", "1e-99999999999999999999999", "0e99999999999999999999999"})
    EXPECT_TRUE(ParseLeadingNumber(text) == 0.0 && !std::signbit(ParseLeadingNumber(text)))
        << '"' << text << '"';  // nothing read is +0, not -0
  // Many digits on both sides of the exponent still come out right.
  const std::string zeros(400, '0');
  EXPECT_EQ(ParseLeadingNumber("0." + zeros + "1e401"), 1.0);
  EXPECT_EQ(ParseLeadingNumber(zeros + "145.125"), 145.125);
  EXPECT_EQ(ParseLeadingNumber("1" + zeros + "e-400"), 1.0);

  // Truncated toward zero, saturated at the limits.
  // clang-format off
  const std::pair<double, std::int32_t> truncated[] = {
      {2.9, 2}, {-2.9, -2}, {0.999999, 0}, {-0.0, 0}, {kNaN, 0},
      {2147483646.9, kMax - 1}, {2147483647.9, kMax}, {3e9, kMax}, {kInf, kMax},
      {-2147483647.9, kMin + 1}, {-2147483648.9, kMin}, {-3e9, kMin}, {-kInf, kMin}};
  // clang-format on
  for (const auto& [value, result] : truncated) EXPECT_EQ(TruncateToInt32(value), result) << value;

  // Texts as long as the first try's buffer, or longer, come out whole.
  EXPECT_EQ(FormatDouble("%3.5f", 438.1), "438.10000");
  char expected[400];
  for (const double value : {1e61, 2e61, 1e62, 1e300}) {
    std::snprintf(expected, sizeof expected, "%3.1f", value);
    EXPECT_EQ(FormatDouble("%3.1f", value), expected);
  }
  // A locale's decimal comma, or a point of two bytes (U+066B), becomes a point.
  const std::string arabic = "\xD9\xAB";
  EXPECT_EQ(WithPlainPoint("438,10000", ",") + WithPlainPoint("-1" + arabic + "5", arabic),
            "438.10000-1.5");
  EXPECT_EQ(WithPlainPoint("12", ",") + WithPlainPoint("1,5", ""), "121,5");
}

// Digests of one block, of two, and of whole blocks then the rest, cut to the digits asked.
TEST(Sha256Hex, KnownDigestsCutShort) {
  const auto hex = [](const std::string& text, std::size_t n) { return Sha256Hex(Span(text), n); };
  EXPECT_EQ(hex("", 99), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(hex("abc", 64), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 12), "248d6a61d206");
  EXPECT_EQ(hex(std::string(1000, 'a'), 16), "41edece42d63e8d9");
}

}  // namespace
}  // namespace selkan::test
