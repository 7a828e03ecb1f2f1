#pragma once

#include <cstddef>
#include <string>

#include "platform/atomic_file.h"

namespace selkan {

// No file the programs read (a configuration, a channel list, a profile)
// comes near this size; anything larger is refused before it fills memory
// (a device such as /dev/zero never ends).
inline constexpr std::size_t kMaxInputFileBytes = 16 * 1024 * 1024;

// Reads a whole file into *content: a regular file, or a stream (a FIFO, a
// terminal) to its end. A directory is refused (EISDIR) and so is a file of
// more than maxBytes (EFBIG), a regular one before it is read. On failure
// *error names the file and the step ("cannot open x.csv: Is a directory",
// "cannot read /dev/zero: File too large (more than 16 MiB)"), *opened says
// whether the system opened it (a directory opens), and *content holds what
// was read before the failure.
bool ReadInputFile(const std::string& path, std::string* content, FileError* error,
                   bool* opened = nullptr, std::size_t maxBytes = kMaxInputFileBytes);

}  // namespace selkan
