#include "platform/save_target.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

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

}  // namespace

int ResolveSaveTarget(const std::string& named, SaveTarget* target) {
  *target = SaveTarget{};
  struct stat status {};
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
