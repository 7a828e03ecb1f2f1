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
    kStream,     // a FIFO, a device or a socket
    kDirectory,  // refused
  };
  Kind kind = Kind::kMissing;
  std::string path;
  struct stat status {};  // of the file, when it exists
};

// Looks at `named`: 0 and *target on success, otherwise the system's error
// number. A dangling link resolves to the missing file it names (a chain of
// links is followed to its end).
int ResolveSaveTarget(const std::string& named, SaveTarget* target);

}  // namespace selkan
