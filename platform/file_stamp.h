#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace selkan {

// What a file looked like when the program last read or wrote it: its size,
// its modification time and the bytes the program holds of it (from its
// start). Other programs (the command-line tool, a restored backup) change
// a document's file behind the program's back; the stamp tells that apart
// from the file the program knows.
struct FileStamp {
  bool known = false;  // a regular file was read or written
  std::uintmax_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  std::vector<std::uint8_t> head;
};

// The stamp of the file at `path` (links followed) whose first bytes are
// `head`. Anything but a regular file (a FIFO, a device) gets no stamp: a
// stream has no contents to compare.
FileStamp StampOfFile(const std::filesystem::path& path, std::span<const std::uint8_t> head);

// Whether the file at `path` differs from its stamp: another size or
// modification time, another kind of file, or other bytes where the stamp
// holds its head. A file that is gone, or a stamp that is not known, is no
// change (there is nothing on disk to lose or to read). Streams are never
// opened.
bool ChangedSince(const std::filesystem::path& path, const FileStamp& stamp);

}  // namespace selkan
