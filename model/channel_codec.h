#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/radio_image.h"
#include "platform/language.h"

namespace selkan {

// Grid columns 1..7 of a channel row; ChannelRow holds column c at index c-1.
enum ChannelColumn : int {
  kColRx = 1,
  kColTx = 2,
  kColDecodeTone = 3,
  kColEncodeTone = 4,
  kColPower = 5,
  kColScan = 6,
  kColBandwidth = 7,
};
inline constexpr int kChannelColumns = 7;

using ChannelRow = std::array<std::string, kChannelColumns>;
using ChannelTable = std::array<ChannelRow, offset::kChannelCount>;  // [r-1] is channel r

// Title of grid column 0..7 (0 is the channel number); empty texts outside.
const WordPair& ChannelColumnTitle(int column);

inline std::string& Cell(ChannelRow& row, int column) { return row[column - 1]; }
inline const std::string& Cell(const ChannelRow& row, int column) { return row[column - 1]; }

// Words of the power, scan and bandwidth cells and of the missing tone.
namespace words {
inline constexpr WordPair kNone{"None", "无"};
inline constexpr WordPair kHigh{"High", "高"};
inline constexpr WordPair kMiddle{"Middle", "中"};
inline constexpr WordPair kLow{"Low", "低"};
inline constexpr WordPair kOn{"On", "开"};
inline constexpr WordPair kOff{"Off", "关"};
inline constexpr WordPair kWide{"Wide", "宽"};
inline constexpr WordPair kNarrow{"Narrow", "窄"};
}  // namespace words

// Packed BCD of a two-digit number q: 16 × (q / 10) + q mod 10.
std::uint8_t PackBcd(int q);
// 10 × high nibble + low nibble; nibbles are not checked.
int UnpackBcd(std::uint8_t b);

// A frequency field is present unless its most significant byte is 0x00 or
// 0xFF.
bool HasFrequency(const std::uint8_t* field);
// 8 packed BCD digits, least significant pair first, in 10 Hz units.
std::int64_t DecodeFrequency(const std::uint8_t* field);
// "%3.5f" of the frequency in MHz: 14512500 gives "145.12500".
std::string FormatFrequency(std::int64_t tenHertz);
// A frequency text to its 4 bytes; a text that reads as 0 gives FF FF FF FF.
void EncodeFrequencyText(std::string_view text, std::uint8_t* field);

ChannelRow DecodeChannel(const RadioImage& image, int channel, Language language);
void EncodeChannel(const ChannelRow& row, RadioImage& image, int channel);

ChannelTable DecodeChannels(const RadioImage& image, Language language);
void EncodeChannels(const ChannelTable& table, RadioImage& image);

}  // namespace selkan
