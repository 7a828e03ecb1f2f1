#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace selkan::test {

// A fresh directory for one test, removed afterwards; mode 0755 lets unprivileged children in.
class ScratchDir {
 public:
  explicit ScratchDir(const std::filesystem::path& parent = std::filesystem::temp_directory_path());
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  std::string Listing() const;  // The names in the directory, sorted.

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);
bool WriteBytes(const std::filesystem::path& path, std::string_view bytes);  // false: not all
// Appends what fd gives to out until it is closed (true) or, with `line`, up to a newline
// (true; false when it is closed first); false on time-out or error.
bool ReadUntilClosed(int fd, std::string& out, double seconds, bool line = false);
std::string OpenDescriptors();  // Which of the descriptors 0 to 63 are open ('o') or not ('-').

inline constexpr uid_t kNobody = 65534;  // The user and group an unprivileged child runs as.
inline constexpr gid_t kNogroup = 65534;

// Runs `body` in a forked child: "" when all went well, else what went wrong (also how
// it died). With dropPrivileges, a child of root becomes kNobody/kNogroup first.
std::string InChild(bool dropPrivileges, const std::function<std::string()>& body);

}  // namespace selkan::test
