// Times selkan-cli read and write against a virtual radio paced at 9600
// baud and compares them with what the line and the protocol allow.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kBytesPerSecond = 960.0;  // 9600 baud, 10 bits a byte
// Handshake on the line: 8 wake-up bytes, the answer, 0x02, 8 bytes of
// identification, two acknowledges.
constexpr double kHandshakeBytes = 8 + 1 + 1 + 8 + 2;
// Fixed waits of the handshake: six pump rounds of 1 ms, 2 ms before each
// wake-up byte, 1 ms around the identify request and after the acknowledge.
constexpr double kHandshakeWaitSeconds = (6 + 8 * 2 + 3) / 1000.0;

pid_t Spawn(const std::vector<std::string>& argv, int outFd) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (outFd >= 0) posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
  pid_t pid = -1;
  if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

struct Measure {
  int exitCode = -1;
  double wallSeconds = 0;
  double cpuSeconds = 0;
};

Measure Run(const std::vector<std::string>& argv) {
  Measure m;
  const auto start = Clock::now();
  const pid_t pid = Spawn(argv, -1);
  if (pid < 0) return m;
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  m.wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  m.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                 usage.ru_stime.tv_usec / 1e6;
  m.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return m;
}

void Report(const char* name, const Measure& m, double blocks, double bytesPerBlock,
            double waitPerBlockMs) {
  const double floor = blocks * bytesPerBlock / kBytesPerSecond;
  const double withWaits = floor + kHandshakeBytes / kBytesPerSecond + kHandshakeWaitSeconds +
                           blocks * waitPerBlockMs / 1000.0;
  std::printf(
      "%-5s exit %d  wall %6.2f s  floor %6.2f s (x%.3f)  floor+waits %6.2f s (x%.3f)"
      "  cpu %5.3f s = %4.1f%% of one core\n",
      name, m.exitCode, m.wallSeconds, floor, m.wallSeconds / floor, withWaits,
      m.wallSeconds / withWaits, m.cpuSeconds, 100.0 * m.cpuSeconds / m.wallSeconds);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string bin = argc > 1 ? argv[1] : SELKAN_BIN_DIR;
  char dirTemplate[] = "/tmp/selkan-bench-XXXXXX";
  const char* dir = ::mkdtemp(dirTemplate);
  if (dir == nullptr) return 1;
  const std::string out = std::string(dir) + "/read.dat";

  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return 1;
  const pid_t sim = Spawn({bin + "/selkan-sim", "--realtime"}, pipeFds[1]);
  ::close(pipeFds[1]);
  std::string device;
  char c = 0;
  pollfd pfd{pipeFds[0], POLLIN, 0};
  while (::poll(&pfd, 1, 10000) > 0 && ::read(pipeFds[0], &c, 1) == 1 && c != '\n') device += c;
  if (sim < 0 || device.empty()) {
    std::fprintf(stderr, "selkan-transfer-bench: selkan-sim did not start\n");
    if (sim >= 0) {
      ::kill(sim, SIGTERM);
      ::waitpid(sim, nullptr, 0);
    }
    ::rmdir(dir);
    return 1;
  }
  std::printf("virtual radio on %s (9600 baud pacing)\n", device.c_str());

  const Measure read = Run({bin + "/selkan-cli", "read", "--port", device, "-o", out});
  // Read: per block 4 command + 12 reply + 2 acknowledges; 1.5 ms of waits
  // (1 ms before the acknowledge, 1 ms before every second block).
  Report("read", read, 512, 18, 1.5);
  const Measure write = Run({bin + "/selkan-cli", "write", "--port", device, out});
  // Write: per block 4 command + 8 data + 1 acknowledge; 1 ms between
  // command and data.
  Report("write", write, 510, 13, 1.0);

  ::kill(sim, SIGTERM);
  ::waitpid(sim, nullptr, 0);
  ::unlink(out.c_str());
  ::rmdir(dir);
  return read.exitCode == 0 && write.exitCode == 0 ? 0 : 1;
}
