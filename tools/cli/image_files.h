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

// The file a command writes when the user names `named` as its output:
// "-" is standard output, written where it stands as any stream is.
std::string OutputPath(const std::string& named);

// What a command's output may replace without --force: `product` names the
// output ("channel list", "listing") and is never put over a file that
// loads as a radio configuration; with keepEveryFile no existing file is
// replaced. Streams (standard output, a FIFO, a terminal) are written, not
// replaced, and so always pass. Prints why it refuses.
bool MayReplaceOrReport(std::string_view command, const std::string& path, bool force,
                        std::string_view product, bool keepEveryFile);

}  // namespace selkan::cli
