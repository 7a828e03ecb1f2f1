#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace selkan {

namespace {

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target) {
  std::random_device device;
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".tmp%08x", static_cast<unsigned>(device()));
  std::filesystem::path temp = target;
  temp += suffix;
  return temp;
}

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

// The file a save replaces: a symbolic link is followed, so that the file it
// names gets the new bytes and the link stays in place.
std::filesystem::path FileToReplace(const std::filesystem::path& target) {
  std::error_code code;
  if (!std::filesystem::is_symlink(target, code)) return target;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(target, code);
  return code ? target : resolved;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& requested,
                         std::span<const std::uint8_t> bytes, std::string* error) {
  const std::filesystem::path target = FileToReplace(requested);
  const std::filesystem::path temp = TemporaryNameBeside(target);
  std::FILE* file = std::fopen(temp.string().c_str(), "wbx");
  if (!file) {
    SetError(error, "cannot create " + temp.string() + ": " + std::strerror(errno));
    return false;
  }
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
#ifndef _WIN32
  ok = ::fsync(::fileno(file)) == 0 && ok;
#endif
  const int savedErrno = errno;
  ok = std::fclose(file) == 0 && ok;
  if (!ok) {
    std::remove(temp.string().c_str());
    SetError(error, "cannot write " + target.string() + ": " + std::strerror(savedErrno));
    return false;
  }
  std::error_code code;
  // The new file keeps the access rights of the one it replaces.
  const std::filesystem::file_status old = std::filesystem::status(target, code);
  if (!code && std::filesystem::is_regular_file(old)) {
    std::filesystem::permissions(temp, old.permissions(), code);
  }
  code.clear();
  std::filesystem::rename(temp, target, code);
  if (code) {
    std::remove(temp.string().c_str());
    SetError(error, "cannot replace " + target.string() + ": " + code.message());
    return false;
  }
  return true;
}

}  // namespace selkan
