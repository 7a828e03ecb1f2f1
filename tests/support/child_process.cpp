#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

extern char** environ;

namespace selkan::test {

namespace {

using Clock = std::chrono::steady_clock;

pid_t Spawn(const std::string& path, const std::vector<std::string>& args, int outFd,
            bool mergeStderr) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(path.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
  if (mergeStderr) posix_spawn_file_actions_adddup2(&actions, outFd, STDERR_FILENO);
  pid_t pid = -1;
  if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// Waits for the child; -1 when it did not end in time or was killed.
int WaitFor(pid_t pid, double timeoutSeconds, bool* ended) {
  const auto deadline = Clock::now() + std::chrono::duration<double>(timeoutSeconds);
  for (;;) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      *ended = true;
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    if (Clock::now() >= deadline) {
      *ended = false;
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace

RunResult RunProgram(const std::string& path, const std::vector<std::string>& args,
                     double timeoutSeconds) {
  RunResult result;
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return result;
  const pid_t pid = Spawn(path, args, pipeFds[1], true);
  ::close(pipeFds[1]);
  if (pid < 0) {
    ::close(pipeFds[0]);
    return result;
  }
  const auto deadline = Clock::now() + std::chrono::duration<double>(timeoutSeconds);
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      result.timedOut = true;
      ::kill(pid, SIGKILL);
      break;
    }
    pollfd pfd{pipeFds[0], POLLIN, 0};
    if (::poll(&pfd, 1, static_cast<int>(left)) <= 0) continue;
    char buffer[4096];
    const ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer);
    if (got <= 0) break;  // end of output: the program is ending
    result.output.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(pipeFds[0]);
  bool ended = false;
  result.exitCode = WaitFor(pid, result.timedOut ? 5 : timeoutSeconds, &ended);
  if (!ended) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    result.timedOut = true;
  }
  return result;
}

BackgroundProcess::BackgroundProcess(const std::string& path,
                                     const std::vector<std::string>& args) {
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return;
  pid_ = Spawn(path, args, pipeFds[1], false);
  ::close(pipeFds[1]);
  stdout_ = pipeFds[0];
}

BackgroundProcess::~BackgroundProcess() {
  if (pid_ > 0 && !reaped_) Stop(SIGTERM, 5);
  if (stdout_ >= 0) ::close(stdout_);
}

std::string BackgroundProcess::ReadLine(double timeoutSeconds) {
  std::string line;
  const auto deadline = Clock::now() + std::chrono::duration<double>(timeoutSeconds);
  while (pid_ > 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return {};
    pollfd pfd{stdout_, POLLIN, 0};
    if (::poll(&pfd, 1, static_cast<int>(left)) <= 0) continue;
    char c = 0;
    if (::read(stdout_, &c, 1) != 1) return {};
    if (c == '\n') return line;
    line += c;
  }
  return {};
}

int BackgroundProcess::Stop(int signal, double timeoutSeconds) {
  if (pid_ <= 0 || reaped_) return -1;
  ::kill(pid_, signal);
  bool ended = false;
  int code = WaitFor(pid_, timeoutSeconds, &ended);
  if (!ended) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    code = -1;
  }
  reaped_ = true;
  return code;
}

}  // namespace selkan::test
