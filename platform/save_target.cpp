#include "platform/save_target.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace selkan {

namespace {

// As many links as the system itself follows before it gives up (ELOOP).
constexpr int kMaxLinkHops = 40;

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return path.substr(0, slash + 1);
}

// The missing file at the end of a chain of links that starts at `link`.
int FollowDanglingLink(const std::string& link, SaveTarget* target) {
  std::string current = link;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat status {};
    if (::lstat(current.c_str(), &status) != 0) {
      if (errno != ENOENT) return errno;
      target->kind = SaveTarget::Kind::kMissing;
      target->path = current;
      return 0;
    }
    if (!S_ISLNK(status.st_mode)) return EEXIST;  // appeared meanwhile: let the caller look again
    std::string next(PATH_MAX, '\0');
    const ssize_t length = ::readlink(current.c_str(), next.data(), next.size());
    if (length < 0) return errno;
    if (static_cast<std::size_t>(length) >= next.size()) return ENAMETOOLONG;
    next.resize(static_cast<std::size_t>(length));
    current = next.front() == '/' ? next : DirectoryOf(current) + next;
  }
  return ELOOP;
}

// N when `path` is entry N of this process's descriptor folder (its folder
// resolves to /proc/PID/fd, or /proc/PID/task/TID/fd), otherwise -1.
int DescriptorEntry(const std::string& path) {
  const std::string number = path.substr(path.rfind('/') + 1);  // npos + 1 is 0
  if (number.empty() || number.size() > 9 ||
      number.find_first_not_of("0123456789") != std::string::npos) {
    return -1;
  }
  const std::string folderName = DirectoryOf(path);
  const std::unique_ptr<char, decltype(&std::free)> folder(
      ::realpath(folderName.empty() ? "." : folderName.c_str(), nullptr), &std::free);
  if (!folder) return -1;
  const std::string own = "/proc/" + std::to_string(::getpid());
  const std::string_view real(folder.get());
  if (!real.starts_with(own + "/") || !real.ends_with("/fd")) return -1;
  const std::string_view between = real.substr(own.size(), real.size() - own.size() - 3);
  if (!between.empty() &&
      !(between.starts_with("/task/") && between.find('/', 6) == std::string_view::npos)) {
    return -1;
  }
  return std::stoi(number);
}

// The descriptor of this process that `named` leads to through a chain of
// links (/dev/stdout -> /proc/self/fd/1), or -1.
int OwnDescriptor(const std::string& named) {
  std::string current = named;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    if (const int fd = DescriptorEntry(current); fd >= 0) return fd;
    struct stat status {};
    if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return -1;
    std::string next(PATH_MAX, '\0');
    const ssize_t length = ::readlink(current.c_str(), next.data(), next.size());
    if (length < 0 || static_cast<std::size_t>(length) >= next.size()) return -1;
    next.resize(static_cast<std::size_t>(length));
    current = next.front() == '/' ? next : DirectoryOf(current) + next;
  }
  return -1;
}

}  // namespace

int ResolveSaveTarget(const std::string& named, SaveTarget* target) {
  *target = SaveTarget{};
  struct stat status {};
  if (const int fd = OwnDescriptor(named); fd >= 0) {
    if (::fstat(fd, &status) != 0) return errno;
    target->kind =
        S_ISDIR(status.st_mode) ? SaveTarget::Kind::kDirectory : SaveTarget::Kind::kStream;
    target->path = named;
    target->status = status;
    target->descriptor = fd;
    return 0;
  }
  if (::stat(named.c_str(), &status) != 0) {
    if (errno != ENOENT) return errno;
    struct stat link {};
    if (::lstat(named.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
      return FollowDanglingLink(named, target);
    }
    target->kind = SaveTarget::Kind::kMissing;
    target->path = named;
    return 0;
  }
  target->status = status;
  if (S_ISDIR(status.st_mode)) {
    target->kind = SaveTarget::Kind::kDirectory;
    target->path = named;
    return 0;
  }
  if (!S_ISREG(status.st_mode)) {
    // The system follows the links when the stream is opened, including
    // those that name no path (/dev/stdout of a pipe).
    target->kind = SaveTarget::Kind::kStream;
    target->path = named;
    return 0;
  }
  // A regular file is replaced under its real name, in its own directory,
  // so that the links to it stay links.
  const std::unique_ptr<char, decltype(&std::free)> real(::realpath(named.c_str(), nullptr),
                                                         &std::free);
  struct stat realStatus {};
  if (real && ::lstat(real.get(), &realStatus) == 0 && realStatus.st_dev == status.st_dev &&
      realStatus.st_ino == status.st_ino) {
    target->kind = SaveTarget::Kind::kRegular;
    target->path = real.get();
  } else {
    target->kind = SaveTarget::Kind::kInPlace;
    target->path = named;
  }
  return 0;
}

}  // namespace selkan
