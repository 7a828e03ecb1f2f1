// A save killed at any moment leaves the whole old file or the whole new one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "platform/atomic_file.h"
#include "tests/support/file_tests.h"

namespace selkan::test {
namespace {

std::span<const std::uint8_t> Span(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(AtomicFileKill, EveryKillMomentLeavesOldOrNewAndTheNextSaveCleansUp) {
  ScratchDir dir;
  const std::string target = dir / "x.dat";
  const std::string oldBytes(64 * 1024, 'o');
  const std::string newBytes(80 * 1024, 'n');
  std::mt19937 random(20240611);
  // The kill lands anywhere from before the save starts to after it ended.
  std::uniform_int_distribution<int> delayUs(0, 8000);
  int sawOld = 0, sawNew = 0;
  for (int round = 0; round < 20; ++round) {
    ASSERT_TRUE(WriteFileAtomically(target, Span(oldBytes)));
    ASSERT_EQ(dir.Listing(), "x.dat") << "round " << round;
    int started[2];
    ASSERT_EQ(::pipe(started), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ::close(started[0]);
      const char go = 1;
      if (::write(started[1], &go, 1) != 1) ::_exit(2);
      ::_exit(WriteFileAtomically(target, Span(newBytes)) ? 0 : 1);
    }
    ::close(started[1]);
    char go = 0;
    ASSERT_EQ(::read(started[0], &go, 1), 1);
    ::close(started[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) || WEXITSTATUS(status) == 0) << "round " << round;

    const std::string now = ReadBytes(target);
    ASSERT_TRUE(now == oldBytes || now == newBytes)
        << "round " << round << ": " << now.size() << " bytes";
    (now == oldBytes ? sawOld : sawNew)++;
  }
  ASSERT_TRUE(WriteFileAtomically(target, Span("last")));
  EXPECT_EQ(dir.Listing(), "x.dat");
  RecordProperty("old", sawOld);
  RecordProperty("new", sawNew);
}

}  // namespace
}  // namespace selkan::test
