#pragma once

#include <sys/stat.h>

#include <string>

namespace selkan {

// What a path names when a file is to be saved there, with symbolic links
// followed.
struct SaveTarget {
  enum class Kind {
    kMissing,    // nothing yet: `path` is where the new file goes
    kRegular,    // a regular file at `path` (its real name: links resolved)
    kInPlace,    // a regular file reached only through a link that names no
                 // path of its own (/proc/self/fd/N of a deleted file)
    kStream,     // a FIFO, a device or a socket, or a descriptor of this
                 // process (below), whatever it leads to
    kDirectory,  // refused
  };
  Kind kind = Kind::kMissing;
  std::string path;
  struct stat status {};  // of the file, when it exists
  // When the path names a descriptor this process holds (/dev/stdout,
  // /dev/stderr, /dev/fd/N, /proc/self/fd/N): that descriptor. It is
  // written where it stands (standard output that the shell opened with >
  // or >> on a file goes on at its position), never replaced or reopened.
  int descriptor = -1;
};

// Looks at `named`: 0 and *target on success, otherwise the system's error
// number. A dangling link resolves to the missing file it names (a chain of
// links is followed to its end). A descriptor that is not open is EBADF.
int ResolveSaveTarget(const std::string& named, SaveTarget* target);

}  // namespace selkan
