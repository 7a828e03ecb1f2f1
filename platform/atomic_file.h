#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace selkan {

// Writes the bytes to a temporary file in the target's directory, flushes it
// to disk and renames it over the target, so that the target is either the
// old file or the complete new one, never a mixture. On failure the old file
// is left as it was, the temporary file is removed and *error (when given)
// says why. A symbolic link is followed (the file it names is replaced and
// the link kept), and the new file keeps the old one's access rights.
bool WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                         std::string* error = nullptr);

}  // namespace selkan
