#include "tests/support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/support/file_tests.h"

extern char** environ;

namespace selkan::test {

bool WaitFor(const std::function<bool()>& done, double seconds) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  for (; !done(); std::this_thread::sleep_for(std::chrono::milliseconds(10)))
    if (Clock::now() >= deadline) return false;
  return true;
}

RunResult RunProgram(const std::string& path, const std::vector<std::string>& args,
                     double timeoutSeconds) {
  RunResult result;
  BackgroundProcess process(path, args, true);
  const bool ended = process.Read(result.output, false, timeoutSeconds);
  result.exitCode = process.Stop(ended ? 0 : SIGKILL, timeoutSeconds);
  return result;
}

BackgroundProcess::BackgroundProcess(const std::string& path, const std::vector<std::string>& args,
                                     bool mergeStderr, bool withInput) {
  int pipeFds[2], inputFds[2] = {-1, -1};
  if (::pipe2(pipeFds, O_CLOEXEC) != 0 || (withInput && ::pipe2(inputFds, O_CLOEXEC) != 0)) return;
  std::vector<char*> argv = {const_cast<char*>(path.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  if (mergeStderr) posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
  if (withInput) posix_spawn_file_actions_adddup2(&actions, inputFds[0], STDIN_FILENO);
  if (posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions), ::close(pipeFds[1]), stdout_ = pipeFds[0];
  if (withInput) ::close(inputFds[0]), stdin_ = inputFds[1];
}

bool BackgroundProcess::Write(const std::string& text) {
  return stdin_ >= 0 &&
         ::write(stdin_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

BackgroundProcess::~BackgroundProcess() {
  if (pid_ > 0 && !reaped_) Stop(SIGTERM, 5);
  if (stdout_ >= 0) ::close(stdout_);
  if (stdin_ >= 0) ::close(stdin_);
}

bool BackgroundProcess::Read(std::string& out, bool line, double timeoutSeconds) {
  return pid_ > 0 && ReadUntilClosed(stdout_, out, timeoutSeconds, line);
}

int BackgroundProcess::Stop(int signal, double timeoutSeconds) {
  if (pid_ <= 0 || reaped_) return -1;
  if (signal != 0) ::kill(pid_, signal);
  reaped_ = true;
  int status = 0;
  if (WaitFor([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, timeoutSeconds))
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  ::kill(pid_, SIGKILL), ::waitpid(pid_, nullptr, 0);
  return -1;
}

}  // namespace selkan::test
