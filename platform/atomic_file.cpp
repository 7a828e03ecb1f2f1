#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/file_attributes.h"
#include "platform/save_target.h"
#include "platform/temp_file.h"

namespace selkan {

namespace {

using Bytes = std::span<const std::uint8_t>;

// An open file descriptor, closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now; 0 or the close's error number.
  int Close() {
    const int result = fd_ >= 0 ? ::close(fd_) : 0;
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// Writes all bytes from the current position (at `offset` when it is not
// negative); 0 or the system's error number.
int WriteAll(int fd, Bytes bytes, off_t offset = -1) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = offset < 0 ? ::write(fd, bytes.data() + done, bytes.size() - done)
                                 : ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                            offset + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

bool Fail(FileError* error, const std::string& named, int code, const std::string& note = {}) {
  if (error) {
    error->code = code;
    error->text = "cannot write " + named + ": " + std::strerror(code) + note;
  }
  return false;
}

// The whole content of a file, to put back if rewriting it in place fails.
bool ReadBack(const std::string& path, std::vector<std::uint8_t>& content) {
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return false;
  std::uint8_t buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    content.insert(content.end(), buffer, buffer + n);
  }
}

// Rewrites a file in place through `fd`, open for writing. This is the route
// when the file cannot be replaced (see WriteFileAtomically); it is not
// atomic, so when a step fails the old bytes are written back.
bool WriteInPlace(int fd, const std::string& path, Bytes bytes, const std::string& named,
                  FileError* error) {
  std::vector<std::uint8_t> old;
  const bool haveOld = ReadBack(path, old);
  int code = WriteAll(fd, bytes, 0);
  if (code == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) code = errno;
  if (code == 0 && ::fsync(fd) != 0) code = errno;
  if (code == 0) return true;
  const bool restored = haveOld && WriteAll(fd, old, 0) == 0 &&
                        ::ftruncate(fd, static_cast<off_t>(old.size())) == 0 && ::fsync(fd) == 0;
  return Fail(error, named, code, restored ? "" : " (the old contents could not be put back)");
}

// A socket takes the bytes as a stream connection.
int ConnectSocket(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return -ENAMETOOLONG;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -errno;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    const int code = errno;
    ::close(fd);
    return -code;
  }
  return fd;
}

// Anything that is not a regular file gets the bytes as a stream, in place;
// a descriptor of this process where it stands.
bool WriteStream(const SaveTarget& target, Bytes bytes, const std::string& named,
                 FileError* error) {
  if (target.descriptor >= 0) {
    // What the C library still holds for standard output or error goes first.
    if (target.descriptor == STDOUT_FILENO) std::fflush(stdout);
    if (target.descriptor == STDERR_FILENO) std::fflush(stderr);
    const int code = WriteAll(target.descriptor, bytes);
    return code == 0 || Fail(error, named, code);
  }
  int fd = -1;
  if (S_ISSOCK(target.status.st_mode)) {
    fd = ConnectSocket(target.path);
    if (fd < 0) return Fail(error, named, -fd);
  } else {
    fd = ::open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return Fail(error, named, errno);
  }
  Descriptor stream(fd);
  int code = WriteAll(stream.get(), bytes);
  const int closed = stream.Close();
  if (code == 0) code = closed;
  return code == 0 || Fail(error, named, code);
}

enum class Replaced { kDone, kFailed, kNotPossible };

// The atomic route: a temporary file beside the target, renamed over it.
// kNotPossible when the directory takes no new file from this user, or the
// old file's owner or one of its extended attributes cannot be kept (a
// security.* attribute only the system may set, a file system that takes
// no attribute on a new file): the file is then rewritten in place, which
// keeps its inode and so all of them. Nothing has been changed then.
Replaced ReplaceAtomically(const SaveTarget& target, Bytes bytes, const std::string& named,
                           FileError* error) {
  const bool exists = target.kind == SaveTarget::Kind::kRegular;
  RemoveStaleTemporaryFiles(target.path);
  TempFile temp;
  // A new file gets the mode any new file gets (the umask applies); the
  // temporary copy of an existing one is private until it has the old
  // owner and mode.
  if (const int code = temp.Create(target.path, exists ? 0600 : 0666); code != 0) {
    if (exists && (code == EACCES || code == EPERM)) return Replaced::kNotPossible;
    Fail(error, named, code);
    return Replaced::kFailed;
  }
  if (exists) {
    const struct stat& old = target.status;
    struct stat made {};
    if (::fstat(temp.fd(), &made) != 0) {
      Fail(error, named, errno);
      return Replaced::kFailed;
    }
    if ((made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
        ::fchown(temp.fd(), old.st_uid, old.st_gid) != 0) {
      return Replaced::kNotPossible;
    }
    // Before the mode: setting an ACL changes the mode, which then is set
    // to the old one's again (its group bits are the ACL's mask).
    if (CopyExtendedAttributes(target.path, temp.fd()) != 0) return Replaced::kNotPossible;
  }
  int code = WriteAll(temp.fd(), bytes);
  if (code == 0 && ::fsync(temp.fd()) != 0) code = errno;
  // The mode comes last: the owner's rights may not include writing.
  if (code == 0 && exists && ::fchmod(temp.fd(), target.status.st_mode & 07777) != 0) code = errno;
  if (const int closed = temp.Close(); code == 0) code = closed;
  if (code == 0) code = temp.RenameOver(target.path);
  if (code != 0) {
    Fail(error, named, code);
    return Replaced::kFailed;
  }
  SyncDirectoryOf(target.path);
  return Replaced::kDone;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& requested, Bytes bytes, FileError* error) {
  const std::string named = requested.string();
  if (named.empty()) return Fail(error, named, ENOENT);
  SaveTarget target;
  if (const int code = ResolveSaveTarget(named, &target); code != 0) {
    return Fail(error, named, code);
  }
  switch (target.kind) {
    case SaveTarget::Kind::kDirectory:
      return Fail(error, named, EISDIR);
    case SaveTarget::Kind::kStream:
      return WriteStream(target, bytes, named, error);
    case SaveTarget::Kind::kMissing:
      return ReplaceAtomically(target, bytes, named, error) == Replaced::kDone;
    case SaveTarget::Kind::kRegular:
    case SaveTarget::Kind::kInPlace:
      break;
  }
  // An existing file: refused when this user may not write it, just as the
  // system refuses to open it for writing. Opening without truncating
  // changes nothing.
  const Descriptor file(::open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) return Fail(error, named, errno);
  if (target.kind == SaveTarget::Kind::kRegular && target.status.st_nlink == 1) {
    switch (ReplaceAtomically(target, bytes, named, error)) {
      case Replaced::kDone:
        return true;
      case Replaced::kFailed:
        return false;
      case Replaced::kNotPossible:
        break;
    }
  }
  // In place: a file with other hard links (a rename would split it from
  // them), one in a directory this user may not add to, one whose owner a
  // replacement could not keep, or one reached only through /proc.
  return WriteInPlace(file.get(), target.path, bytes, named, error);
}

bool CheckWritable(const std::filesystem::path& requested, FileError* error) {
  const std::string named = requested.string();
  if (named.empty()) return Fail(error, named, ENOENT);
  SaveTarget target;
  if (const int code = ResolveSaveTarget(named, &target); code != 0) {
    return Fail(error, named, code);
  }
  switch (target.kind) {
    case SaveTarget::Kind::kDirectory:
      return Fail(error, named, EISDIR);
    case SaveTarget::Kind::kStream:
      return true;  // opening a FIFO would wait for its reader
    case SaveTarget::Kind::kMissing: {
      TempFile probe;
      const int code = probe.Create(target.path, 0600);
      return code == 0 || Fail(error, named, code);
    }
    case SaveTarget::Kind::kRegular:
    case SaveTarget::Kind::kInPlace:
      break;
  }
  const Descriptor file(::open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
  return file.get() >= 0 || Fail(error, named, errno);
}

bool WriteFileAtomically(const std::filesystem::path& target, Bytes bytes, std::string* error) {
  FileError detail;
  if (WriteFileAtomically(target, bytes, &detail)) return true;
  if (error) *error = detail.text;
  return false;
}

}  // namespace selkan
