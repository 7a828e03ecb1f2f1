#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>

namespace selkan::test {

// A fresh directory for one test, removed afterwards; others may enter it
// (mode 0755), so that a child that dropped its privileges can read there.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  // The names in the directory, sorted.
  std::string Listing() const;

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
// Appends what arrives on fd to out until its other end is closed (true) or
// the time is up or reading fails (false): a wait that cannot hang a test.
bool ReadUntilClosed(int fd, std::string& out, double seconds);

// The user and group an unprivileged child runs as.
inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNogroup = 65534;

// Runs `body` in a forked child and returns what it returned: empty when
// all went well, otherwise a description of what went wrong (a child
// that dies says how). With dropPrivileges, a child of root becomes
// kNobody/kNogroup first; an ordinary user stays who it is.
std::string InChild(bool dropPrivileges, const std::function<std::string()>& body);

}  // namespace selkan::test
