// Times selkan-cli read, write and the write with its backup and check
// against a virtual radio paced at 9600 baud, and compares them with what
// the line and the protocol allow. Reports the CPU each run used, both as
// the kernel charges it (user + system time, counted in scheduler ticks) and
// as the scheduler measured it (/proc/PID/schedstat). Last, selkan-cli fleet
// over a queue of five paced radios.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// What the line and the protocol need for one transfer.
struct Floor {
  double line = 0;   // the bytes alone
  double waits = 0;  // the bytes and the protocol's fixed waits
  Floor operator+(const Floor& other) const { return {line + other.line, waits + other.waits}; }
};

Floor TransferFloor(double blocks, double bytesPerBlock, double waitPerBlockMs) {
  const double line = blocks * bytesPerBlock / kBytesPerSecond;
  return {line, line + kHandshakeBytes / kBytesPerSecond + kHandshakeWaitSeconds +
                    blocks * waitPerBlockMs / 1000.0};
}

// Read: per block 4 command + 12 reply + 2 acknowledges; 1.5 ms of waits
// (1 ms before the acknowledge, 1 ms before every second block).
const Floor kReadFloor = TransferFloor(512, 18, 1.5);
// Write: per block 4 command + 8 data + 1 acknowledge; 1 ms between command
// and data.
const Floor kWriteFloor = TransferFloor(510, 13, 1.0);

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
  double userSeconds = 0;
  double systemSeconds = 0;
  double runSeconds = 0;  // what the scheduler measured
  long switches = 0;      // voluntary context switches: how often it slept
};

double Seconds(const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; }

// Runs the program to its end, killing it after limitSeconds.
Measure Run(const std::vector<std::string>& argv, double limitSeconds = 120) {
  Measure m;
  const auto start = Clock::now();
  const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  const pid_t pid = Spawn(argv, devNull);
  ::close(devNull);
  if (pid < 0) return m;
  // Ended but not yet reaped: its scheduler statistics are still there.
  for (siginfo_t info{};; ::usleep(20000)) {
    info.si_pid = 0;
    ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT | WNOHANG);
    if (info.si_pid == pid) break;
    if (std::chrono::duration<double>(Clock::now() - start).count() > limitSeconds) {
      std::fprintf(stderr, "selkan-transfer-bench: %s took too long\n", argv[1].c_str());
      ::kill(pid, SIGKILL);
    }
  }
  m.wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
  double runNanoseconds = 0;
  if (schedstat >> runNanoseconds) m.runSeconds = runNanoseconds / 1e9;
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  m.userSeconds = Seconds(usage.ru_utime);
  m.systemSeconds = Seconds(usage.ru_stime);
  m.switches = usage.ru_nvcsw;
  m.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return m;
}

void Report(const char* name, const Measure& m, const Floor& floor) {
  std::printf(
      "%-11s exit %d  wall %6.2f s  x%.3f of the line (%5.2f s), x%.3f with the waits (%5.2f s)\n"
      "%-11s cpu: user %.3f s + system %.3f s = %4.1f%% of a core; scheduler %.3f s = %4.1f%%;"
      " %ld sleeps\n",
      name, m.exitCode, m.wallSeconds, m.wallSeconds / floor.line, floor.line,
      m.wallSeconds / floor.waits, floor.waits, "", m.userSeconds, m.systemSeconds,
      100.0 * (m.userSeconds + m.systemSeconds) / m.wallSeconds, m.runSeconds,
      100.0 * m.runSeconds / m.wallSeconds, m.switches);
}

// Starts selkan-sim --realtime with more options; returns its device, empty
// on failure.
std::string StartRadio(const std::string& bin, pid_t* pid,
                       const std::vector<std::string>& options = {}) {
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return {};
  std::vector<std::string> argv = {bin + "/selkan-sim", "--realtime"};
  argv.insert(argv.end(), options.begin(), options.end());
  *pid = Spawn(argv, pipeFds[1]);
  ::close(pipeFds[1]);
  std::string device;
  char c = 0;
  pollfd pfd{pipeFds[0], POLLIN, 0};
  while (::poll(&pfd, 1, 10000) > 0 && ::read(pipeFds[0], &c, 1) == 1 && c != '\n') device += c;
  ::close(pipeFds[0]);
  return device;
}

void StopRadio(pid_t sim) {
  ::kill(sim, SIGTERM);
  ::waitpid(sim, nullptr, 0);
}

// selkan-cli fleet over a queue of five paced radios, swapped with a gap of
// one second, each gone as soon as the programmer lets it be (--stay 0).
// Against: the backup, write and verify of each with their waits, and the
// swap gaps.
bool FleetRun(const std::string& bin, const std::string& dir, const std::string& written) {
  constexpr int kRadios = 5;
  constexpr double kSwapGap = 1.0;
  constexpr double kLeastStaySeconds = 0.5;  // what --stay 0 gives
  pid_t sim = -1;
  const std::string device =
      StartRadio(bin, &sim, {"--fleet", std::to_string(kRadios), "--swap-gap", "1", "--stay", "0"});
  if (sim < 0 || device.empty()) {
    std::fprintf(stderr, "selkan-transfer-bench: selkan-sim --fleet did not start\n");
    if (sim >= 0) StopRadio(sim);
    return false;
  }
  const Measure m = Run({bin + "/selkan-cli", "fleet", written, "--port", device, "--count",
                         std::to_string(kRadios), "--log", dir + "/fleet.csv"},
                        kRadios * 90.0);
  StopRadio(sim);
  const Floor radio = kReadFloor + kWriteFloor + kReadFloor;
  const double expected = kRadios * (radio.waits + kSwapGap);
  const double cpu = m.userSeconds + m.systemSeconds;
  // The loops run on threads of their own: the scheduler's figure of the
  // main thread alone says nothing here, so only the charged time is shown.
  std::printf(
      "fleet       exit %d  wall %6.2f s for %d radios  x%.3f of %d x (backup + write + verify"
      " with the waits, %.2f s, + swap gap %.0f s) = %.2f s\n"
      "%-11s %.2f s a radio beyond its transfers and the swap gap (the radio stays %.1f s of it)\n"
      "%-11s cpu a radio: user + system %.3f s = %4.1f%% of a core\n",
      m.exitCode, m.wallSeconds, kRadios, m.wallSeconds / expected, kRadios, radio.waits, kSwapGap,
      expected, "", (m.wallSeconds - expected) / kRadios, kLeastStaySeconds, "", cpu / kRadios,
      100.0 * cpu / m.wallSeconds);
  if (m.exitCode != 0) {
    std::ifstream log(dir + "/fleet.csv");
    for (std::string line; std::getline(log, line);) std::printf("  %s\n", line.c_str());
  }
  return m.exitCode == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string bin = argc > 1 ? argv[1] : SELKAN_BIN_DIR;
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  char dirTemplate[] = "/tmp/selkan-bench-XXXXXX";
  const char* dir = ::mkdtemp(dirTemplate);
  if (dir == nullptr) return 1;
  // Backups of the backed-up writes go here, not to the user's folder.
  ::setenv("XDG_DATA_HOME", dir, 1);
  const std::string out = std::string(dir) + "/read.dat";
  // What the writes send: made here, so that they run even when a read fails.
  const std::string written = std::string(dir) + "/write.dat";
  {
    std::ofstream file(written, std::ios::binary);
    for (int i = 0; i < 4096; ++i) file.put(static_cast<char>(i * 7 + i / 256));
  }

  pid_t sim = -1;
  const std::string device = StartRadio(bin, &sim);
  if (sim < 0 || device.empty()) {
    std::fprintf(stderr, "selkan-transfer-bench: selkan-sim did not start\n");
    if (sim >= 0) {
      StopRadio(sim);
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 1;
  }
  std::printf("virtual radio on %s (9600 baud pacing), %d runs each\n", device.c_str(), runs);

  bool ok = true;
  std::vector<double> systemTimes;
  for (int i = 0; i < runs; ++i) {
    const Measure read = Run({bin + "/selkan-cli", "read", "--port", device, "-o", out, "--force"});
    Report("read", read, kReadFloor);
    systemTimes.push_back(read.systemSeconds);
    ok = ok && read.exitCode == 0;
  }
  std::sort(systemTimes.begin(), systemTimes.end());
  std::printf("read system time over %d runs: %.3f to %.3f s\n", runs, systemTimes.front(),
              systemTimes.back());

  double plain = 0, safe = 0;
  for (int i = 0; i < runs; ++i) {
    const Measure write = Run(
        {bin + "/selkan-cli", "write", "--port", device, "--no-backup", "--no-verify", written});
    Report("write", write, kWriteFloor);
    const Measure checked = Run({bin + "/selkan-cli", "write", "--port", device, written});
    Report("safe write", checked, kReadFloor + kWriteFloor + kReadFloor);
    plain += write.wallSeconds / runs;
    safe += checked.wallSeconds / runs;
    ok = ok && write.exitCode == 0 && checked.exitCode == 0;
  }
  std::printf("a write with backup and check takes %.2f s against %.2f s: x%.2f\n", safe, plain,
              safe / plain);

  StopRadio(sim);
  ok = FleetRun(bin, dir, written) && ok;
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  return ok ? 0 : 1;
}
