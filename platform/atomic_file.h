#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace selkan {

// Why a file could not be written (or read): the system's error number, and
// the whole message in English, naming the file as the caller named it and
// saying once what failed ("cannot write radio.dat: No space left on
// device").
struct FileError {
  int code = 0;  // errno; 0 when no system error applies
  std::string text;
};

// Saves the bytes as the file the caller named, so that nothing is lost on
// the way:
//  - A regular file, or a file that does not exist yet, is replaced
//    atomically: a hidden temporary file in the same directory is written,
//    flushed to disk and renamed over the target, and the directory is
//    flushed. The target is then either the whole old file or the whole new
//    one. The new file keeps the old one's owner, group, mode, extended
//    attributes and ACL.
//  - A symbolic link is followed: the file it names gets the bytes (a
//    dangling link creates that file) and the link stays a link.
//  - Anything that is not a regular file (a FIFO, a terminal or another
//    device, a socket) is written in place as a stream, never replaced; a
//    directory is refused. So is a descriptor of this process named as a
//    file (/dev/stdout, /dev/stderr, /proc/self/fd/N), even one that leads
//    to a regular file: the bytes go on where the descriptor stands.
//  - A file this user may not write is refused, as the system refuses to
//    open it for writing.
//  - When the file cannot be replaced without harm (its directory is not
//    writable, it has other hard links, its owner or an extended attribute
//    cannot be kept), it is rewritten in place, and the old bytes are put
//    back if that fails.
//  - Temporary files are named ".NAME.XXXXXX.tmp"; every failure removes
//    its own, and the next save of the same file removes those a killed save
//    left behind (a running save holds a lock on its own until the rename).
bool WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                         FileError* error);

// The same, with only the message text of a failure.
bool WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                         std::string* error = nullptr);

// Whether a save to `target` can be expected to succeed, checked before
// work whose result it keeps (a read from the radio): a directory, a file
// this user may not write or a directory that takes no new file fail here,
// with the message the save would give. Nothing is changed and no stream
// is opened.
bool CheckWritable(const std::filesystem::path& target, FileError* error);

}  // namespace selkan
