#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/radio_image.h"

namespace selkan::cli {

// What New followed by Save writes: the blank image with the radio type and
// band indexes, every channel decoded and encoded again (so byte 12 of each
// empty channel reads 0xE1).
RadioImage NewImage(std::uint8_t radioType, std::uint8_t bandIndex);

// Loads a *.dat file; on failure prints why, prefixed by the command, and
// gives nullopt. A short file is "Data Format Error".
std::optional<RadioImage> LoadImageOrReport(std::string_view command,
                                            const std::filesystem::path& path);

// Saves atomically; on failure prints why and returns false.
bool SaveImageOrReport(std::string_view command, const std::filesystem::path& path,
                       const RadioImage& image);

// Writes text to standard output and flushes it; on failure (a full disk, a
// closed pipe) prints why and returns false.
bool WriteStdoutOrReport(std::string_view command, std::string_view text);

// Refuses to go on when `path` exists and --force was not given (printing
// why); for commands that would replace it.
bool MayReplaceOrReport(std::string_view command, const std::filesystem::path& path, bool force);

// The whole file as bytes; nullopt and *error when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* error);

// True when anything, even a dangling link, already has that name.
bool PathIsTaken(const std::filesystem::path& path);

}  // namespace selkan::cli
