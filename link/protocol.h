#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "model/radio_image.h"

namespace selkan::protocol {

inline constexpr std::array<std::uint8_t, 8> kWakeUp = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'};
// The radio answers the wake-up after the seventh byte ('A') or, at the
// latest, after the eighth.
inline constexpr std::size_t kFirstAnswerPoint = 7;
inline constexpr std::uint8_t kIdentifyRequest = 0x02;
inline constexpr std::size_t kIdentificationSize = 8;
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kReadCommand = 'R';
inline constexpr std::uint8_t kWriteCommand = 'W';

inline constexpr std::size_t kBlockSize = 8;
inline constexpr std::size_t kCommandSize = 4;
inline constexpr std::size_t kReadReplySize = 12;  // 4 header bytes, then the 8 data bytes
inline constexpr std::size_t kReadReplyDataOffset = 4;

// A read covers the whole image, a write stops short of 0xFF0.
inline constexpr std::size_t kReadBlocks = kImageSize / kBlockSize;            // 512
inline constexpr std::size_t kWriteBlocks = offset::kWriteLimit / kBlockSize;  // 510
inline constexpr int kReadProgressEnd = 256;
inline constexpr int kWriteProgressEnd = 255;

// 'R' or 'W', address high, address low, block size.
std::array<std::uint8_t, kCommandSize> BlockCommand(std::uint8_t command, std::size_t address);

// A read reply belongs to its request when its bytes 1-3 echo the
// command's address and count; byte 0 differs between radios and is not
// looked at. A reply that does not (a radio that only acknowledges, a
// stream that slipped by a byte) carries no data of that block.
bool IsReplyTo(std::span<const std::uint8_t> reply,
               const std::array<std::uint8_t, kCommandSize>& command);

// Accepted when bytes 0-4 are "KZ904" or bytes 3-5 are "Q47". Only bytes
// that actually came count: a short identification is refused.
bool IsAcceptedIdentification(std::span<const std::uint8_t> id);

// The identification as one line of text: printable ASCII as it is, any
// other byte (and the backslash) as "\xNN".
std::string IdentificationText(std::span<const std::uint8_t> id);

}  // namespace selkan::protocol
