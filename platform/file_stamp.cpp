#include "platform/file_stamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace selkan {

namespace {

FileStamp FromStatus(const struct stat& status, std::span<const std::uint8_t> head) {
  FileStamp stamp;
  if (!S_ISREG(status.st_mode)) return stamp;
  stamp.known = true;
  stamp.size = static_cast<std::uintmax_t>(status.st_size);
  stamp.modifiedSeconds = status.st_mtim.tv_sec;
  stamp.modifiedNanoseconds = status.st_mtim.tv_nsec;
  stamp.head.assign(head.begin(), head.end());
  return stamp;
}

// The first `count` bytes of the file, or fewer when it cannot be read whole.
std::vector<std::uint8_t> ReadHead(const std::filesystem::path& path, std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return {};
  std::size_t got = 0;
  while (got < count) {
    const ssize_t n = ::read(fd, bytes.data() + got, count - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return bytes;
}

}  // namespace

FileStamp StampOfFile(const std::filesystem::path& path, std::span<const std::uint8_t> head) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return {};
  return FromStatus(status, head);
}

bool ChangedSince(const std::filesystem::path& path, const FileStamp& stamp) {
  if (!stamp.known) return false;
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return false;
  const FileStamp now = FromStatus(status, {});
  if (!now.known || now.size != stamp.size || now.modifiedSeconds != stamp.modifiedSeconds ||
      now.modifiedNanoseconds != stamp.modifiedNanoseconds)
    return true;
  // The same size and time, yet written again within the clock's
  // resolution. A file that cannot be read now cannot be told apart.
  const std::vector<std::uint8_t> head = ReadHead(path, stamp.head.size());
  return head.size() == stamp.head.size() &&
         !std::equal(head.begin(), head.end(), stamp.head.begin());
}

}  // namespace selkan
