#include "tests/support/file_tests.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <set>

namespace selkan::test {

namespace fs = std::filesystem;

ScratchDir::ScratchDir(const fs::path& parent) {
  std::string pattern = (parent / "selkan-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw fs::filesystem_error("mkdtemp", pattern, {});
  path_ = pattern, fs::permissions(path_, fs::perms(0755));
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  // A test may have left a directory without write permission.
  for (auto it = fs::recursive_directory_iterator(path_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored))
    if (it->is_directory(ignored) && !it->is_symlink(ignored))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::string ScratchDir::Listing() const {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(path_)) names.insert(entry.path().filename());
  std::string listing;
  for (const std::string& name : names) listing += (listing.empty() ? "" : " ") + name;
  return listing;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  return static_cast<bool>(out << bytes << std::flush);
}

bool ReadUntilClosed(int fd, std::string& out, double seconds, bool line) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  for (char buffer[512];;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd pfd{fd, POLLIN, 0};
    if (::poll(&pfd, 1, static_cast<int>(left)) <= 0) continue;      // time up, or a signal
    const ssize_t n = ::read(fd, buffer, line ? 1 : sizeof buffer);  // not past a line's end
    if (n <= 0) return n == 0 && !line;
    if (line && buffer[0] == '\n') return true;
    out.append(buffer, n);
  }
}

std::string OpenDescriptors() {
  std::string open;
  for (int fd = 0; fd < 64; ++fd) open += ::fcntl(fd, F_GETFD) == -1 ? '-' : 'o';
  return open;
}

std::string InChild(bool dropPrivileges, const std::function<std::string()>& body) {
  int channel[2];
  if (::pipe(channel) != 0) return "pipe failed";
  const pid_t pid = ::fork();
  if (pid < 0) return "fork failed";
  if (pid == 0) {
    ::close(channel[0]);
    const bool dropped =
        !dropPrivileges || ::geteuid() != 0 ||
        (::setgroups(0, nullptr) == 0 && ::setgid(kNogroup) == 0 && ::setuid(kNobody) == 0);
    const std::string result = dropped ? body() : "cannot drop privileges";
    [[maybe_unused]] const ssize_t written = ::write(channel[1], result.data(), result.size());
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string result;
  const bool ended = ReadUntilClosed(channel[0], result, 10);
  ::close(channel[0]);
  if (!ended) ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!ended) return "the child did not end within 10 s";
  if (!WIFEXITED(status)) return "child died (signal " + std::to_string(WTERMSIG(status)) + ")";
  return result;
}

}  // namespace selkan::test
