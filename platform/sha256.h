#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace selkan {

// The SHA-256 digest of the bytes.
std::array<std::uint8_t, 32> Sha256(std::span<const std::uint8_t> bytes);

// The first `digits` hexadecimal digits of the SHA-256 digest, in lower
// case: what `sha256sum` prints, cut short.
std::string Sha256Hex(std::span<const std::uint8_t> bytes, std::size_t digits);

}  // namespace selkan
