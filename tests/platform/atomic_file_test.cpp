// Saving files: which route each kind of target takes and what is left.
#include "platform/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include "tests/support/file_tests.h"

namespace selkan::test {
namespace {

namespace fs = std::filesystem;

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

TEST(AtomicFile, ReplacesARegularFileWithANewOneAndLeavesNothingElse) {
  ScratchDir dir;
  const fs::path target = dir / "x.dat";
  WriteBytes(target, std::string(5000, 'a'));
  const ino_t before = Status(target).st_ino;
  ASSERT_TRUE(Save(target, "short"));
  EXPECT_EQ(ReadBytes(target), "short");
  EXPECT_NE(Status(target).st_ino, before) << "a regular file is replaced, not rewritten";
  EXPECT_EQ(dir.Listing(), "x.dat");

  ASSERT_TRUE(Save(dir / "new.dat", "fresh"));
  EXPECT_EQ(ReadBytes(dir / "new.dat"), "fresh");
  EXPECT_EQ(dir.Listing(), "new.dat x.dat");
}

TEST(AtomicFile, FailuresNameTheFileAsGivenAndSayWhatFailedOnce) {
  ScratchDir dir;
  FileError error;
  const std::string missing = dir / "no-such-dir/x.dat";
  EXPECT_FALSE(Save(missing, "x", &error));
  EXPECT_EQ(error.code, ENOENT);
  EXPECT_EQ(error.text, "cannot write " + missing + ": " + std::strerror(ENOENT));

  fs::create_directories(dir.path() / "folder" / "inner");
  EXPECT_FALSE(Save(dir / "folder", "x", &error));
  EXPECT_EQ(error.code, EISDIR);
  EXPECT_EQ(error.text, "cannot write " + (dir / "folder") + ": " + std::strerror(EISDIR));
  EXPECT_TRUE(fs::is_directory(dir.path() / "folder" / "inner"));

  std::string text;
  EXPECT_FALSE(WriteFileAtomically(dir / "folder", Span("x"), &text));
  EXPECT_EQ(text, error.text);
  EXPECT_EQ(dir.Listing(), "folder");
}

TEST(AtomicFile, LinksAreFollowedAndStayLinks) {
  ScratchDir dir;
  fs::create_directory(dir.path() / "sub");
  WriteBytes(dir.path() / "sub" / "real.dat", "old");
  fs::create_symlink("sub/real.dat", dir.path() / "link.dat");
  ASSERT_TRUE(Save(dir / "link.dat", "new"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "link.dat"));
  EXPECT_EQ(ReadBytes(dir.path() / "sub" / "real.dat"), "new");
  EXPECT_EQ(dir.Listing(), "link.dat sub");
  EXPECT_EQ(fs::directory_iterator(dir.path() / "sub")->path().filename(), "real.dat");

  // A dangling link, through a second link: the file it names is created.
  fs::create_symlink("sub/made.dat", dir.path() / "dangling");
  fs::create_symlink("dangling", dir.path() / "chain");
  ASSERT_TRUE(Save(dir / "chain", "made"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "chain"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling"));
  EXPECT_EQ(ReadBytes(dir.path() / "sub" / "made.dat"), "made");

  fs::create_symlink("loop", dir.path() / "loop");
  FileError error;
  EXPECT_FALSE(Save(dir / "loop", "x", &error));
  EXPECT_EQ(error.code, ELOOP);
  EXPECT_TRUE(fs::is_symlink(dir.path() / "loop"));
}

TEST(AtomicFile, HardLinkedFilesAreRewrittenInPlace) {
  ScratchDir dir;
  WriteBytes(dir / "a.dat", std::string(300, 'o'));
  fs::create_hard_link(dir / "a.dat", dir / "b.dat");
  const ino_t inode = Status(dir / "a.dat").st_ino;
  ASSERT_TRUE(Save(dir / "a.dat", "new"));
  EXPECT_EQ(ReadBytes(dir / "b.dat"), "new");
  EXPECT_EQ(Status(dir / "a.dat").st_ino, inode);
  EXPECT_EQ(Status(dir / "a.dat").st_nlink, 2u);
  EXPECT_EQ(dir.Listing(), "a.dat b.dat");
}

TEST(AtomicFile, FifosTerminalsAndSocketsTakeAStreamAndStayWhatTheyAre) {
  ScratchDir dir;
  const std::string fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = ReadBytes(fifo); });
  EXPECT_TRUE(Save(fifo, "through the pipe"));
  reader.join();
  EXPECT_EQ(received, "through the pipe");
  EXPECT_TRUE(S_ISFIFO(Status(fifo).st_mode));

  // A terminal, reached through a link as a port or /dev/stdout is.
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  const std::string terminal = ::ptsname(master);
  fs::create_symlink(terminal, dir.path() / "tty");
  // Keep the terminal's line discipline from echoing or changing the bytes.
  const int slave = ::open(terminal.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(slave, 0);
  struct termios raw {};
  ::tcgetattr(slave, &raw);
  ::cfmakeraw(&raw);
  ::tcsetattr(slave, TCSANOW, &raw);
  EXPECT_TRUE(Save(dir / "tty", "to the terminal"));
  char buffer[64] = {};
  EXPECT_EQ(::read(master, buffer, sizeof buffer), 15);
  EXPECT_EQ(std::string(buffer), "to the terminal");
  EXPECT_TRUE(S_ISCHR(Status(terminal).st_mode));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "tty"));
  ::close(slave);
  ::close(master);

  const std::string socketPath = dir / "sock";
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 1), 0);
  std::thread server([&] {
    const int connection = ::accept(listener, nullptr, nullptr);
    char got[64] = {};
    std::size_t total = 0;
    ssize_t n;
    while ((n = ::read(connection, got + total, sizeof got - 1 - total)) > 0) total += n;
    received = got;
    ::close(connection);
  });
  EXPECT_TRUE(Save(socketPath, "over the socket"));
  server.join();
  ::close(listener);
  EXPECT_EQ(received, "over the socket");
  EXPECT_TRUE(S_ISSOCK(Status(socketPath).st_mode));
  EXPECT_EQ(dir.Listing(), "fifo sock tty");
}

TEST(AtomicFile, KeepsModeAndOwner) {
  ScratchDir dir;
  const fs::path target = dir / "private.dat";
  WriteBytes(target, "old");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  ASSERT_TRUE(Save(target, "new"));
  EXPECT_EQ(Status(target).st_mode & 07777, 0640u);
  if (!RunningAsRoot()) GTEST_SKIP() << "giving a file to another owner needs root";
  // Root saving a user's file hands it back to that user, even read-only.
  ASSERT_EQ(::chown(target.c_str(), kNobody, kNogroup), 0);
  ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
  ASSERT_TRUE(Save(target, "newer"));
  EXPECT_EQ(ReadBytes(target), "newer");
  EXPECT_EQ(Status(target).st_uid, kNobody);
  EXPECT_EQ(Status(target).st_gid, kNogroup);
  EXPECT_EQ(Status(target).st_mode & 07777, 0444u);
}

// What an ordinary user may and may not save (run as such even under root).
TEST(AtomicFile, AnOrdinaryUserIsRefusedWhatTheSystemRefuses) {
  ScratchDir dir;
  fs::permissions(dir.path(), fs::perms::all);  // everyone may add files
  const std::string readOnly = dir / "read-only.dat";
  WriteBytes(readOnly, "keep");
  ::chmod(readOnly.c_str(), 0444);
  const std::string foreign = dir / "shared.dat";  // writable, someone else's if we are root
  WriteBytes(foreign, "old");
  ::chmod(foreign.c_str(), 0666);
  const uid_t foreignOwner = Status(foreign).st_uid;

  EXPECT_EQ(InChild(true,
                    [&] {
                      FileError error;
                      if (Save(readOnly, "new", &error))
                        return std::string("saved over a 0444 file");
                      if (error.code != EACCES) return "wrong error: " + error.text;
                      if (!Save(foreign, "new")) return std::string("shared file not saved");
                      return std::string();
                    }),
            "");
  EXPECT_EQ(ReadBytes(readOnly), "keep");
  EXPECT_EQ(ReadBytes(foreign), "new");
  EXPECT_EQ(Status(foreign).st_uid, foreignOwner) << "the file stays its owner's";
  EXPECT_EQ(Status(foreign).st_mode & 07777, 0666u);
  EXPECT_EQ(dir.Listing(), "read-only.dat shared.dat");
}

TEST(AtomicFile, AWritableFileInAReadOnlyDirectoryIsRewrittenInPlace) {
  ScratchDir dir;
  const std::string target = dir / "x.dat";
  WriteBytes(target, "old contents");
  ::chmod(target.c_str(), 0666);
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  EXPECT_EQ(InChild(true,
                    [&] {
                      FileError error;
                      return Save(target, "new", &error) ? std::string() : error.text;
                    }),
            "");
  EXPECT_EQ(ReadBytes(target), "new");
  EXPECT_EQ(dir.Listing(), "x.dat");
}

// A write that runs out of room (here the file size limit) leaves the old
// file, and no temporary file, on either route.
TEST(AtomicFile, AFailedWriteLeavesTheOldBytes) {
  ScratchDir dir;
  const std::string old(1000, 'o');
  WriteBytes(dir / "plain.dat", old);
  WriteBytes(dir / "linked.dat", old);
  fs::create_hard_link(dir / "linked.dat", dir / "other-name.dat");
  for (const std::string name : {"plain.dat", "linked.dat"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(InChild(false,
                      [&] {
                        std::signal(SIGXFSZ, SIG_IGN);
                        const rlimit limit{4096, 4096};
                        ::setrlimit(RLIMIT_FSIZE, &limit);
                        FileError error;
                        if (Save(dir / name, std::string(10000, 'n'), &error))
                          return std::string("saved");
                        return error.code == EFBIG ? std::string() : error.text;
                      }),
              "");
    EXPECT_EQ(ReadBytes(dir / name), old);
  }
  EXPECT_EQ(dir.Listing(), "linked.dat other-name.dat plain.dat");
}

TEST(AtomicFile, LeftoversOfKilledSavesGoWithTheNextSaveOthersStay) {
  ScratchDir dir;
  WriteBytes(dir / "x.dat", "old");
  const std::vector<std::string> killed = {".x.dat.a1B2c3.tmp", ".x.dat.zzzzzz.tmp"};
  for (const std::string& name : killed) WriteBytes(dir / name, "partial");
  // Not ours, or another save still running (it holds the lock).
  for (const char* name : {".x.dat.abc.tmp", ".y.dat.a1B2c3.tmp", "x.dat.a1B2c3.tmp",
                           ".x.dat.a1B2c-.tmp", ".x.dat.running.tmp"}) {
    WriteBytes(dir / name, "keep");
  }
  WriteBytes(dir / ".x.dat.runnin.tmp", "in use");
  const int held = ::open((dir / ".x.dat.runnin.tmp").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  ASSERT_TRUE(Save(dir / "x.dat", "new"));
  ::close(held);
  EXPECT_EQ(dir.Listing(),
            ".x.dat.a1B2c-.tmp .x.dat.abc.tmp .x.dat.runnin.tmp .x.dat.running.tmp "
            ".y.dat.a1B2c3.tmp x.dat x.dat.a1B2c3.tmp");
}

}  // namespace
}  // namespace selkan::test
