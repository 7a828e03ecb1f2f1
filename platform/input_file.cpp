#include "platform/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace selkan {

bool ReadInputFile(const std::string& path, std::string* content, FileError* error, bool* opened,
                   std::size_t maxBytes) {
  content->clear();
  if (opened) *opened = false;
  const auto fail = [&](const char* step, int code) {
    if (error) {
      error->code = code;
      error->text = std::string("cannot ") + step + " " + path + ": " + std::strerror(code);
      if (code == EFBIG) error->text += " (more than " + std::to_string(maxBytes >> 20) + " MiB)";
    }
    return false;
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return fail("open", errno);
  if (opened) *opened = true;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
    const int code = S_ISDIR(status.st_mode) ? EISDIR : errno;
    ::close(fd);
    return fail("open", code);
  }
  if (S_ISREG(status.st_mode) && static_cast<std::uintmax_t>(status.st_size) > maxBytes) {
    ::close(fd);
    return fail("read", EFBIG);
  }
  char buffer[65536];
  int code = 0;
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      code = n < 0 ? errno : 0;
      break;
    }
    // A stream, or a file that grows while it is read, is cut off here.
    if (content->size() + static_cast<std::size_t>(n) > maxBytes) {
      code = EFBIG;
      break;
    }
    content->append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return code == 0 || fail("read", code);
}

}  // namespace selkan
