#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/language.h"

namespace selkan {

// "None", 50 CTCSS tones, 105 DCS codes normal ("D023N"), the same inverted.
inline constexpr int kToneCount = 261;

// The 261 tone texts in list order; entry 0 is "None" or "无".
std::vector<std::string> BuildToneList(Language language);

// Tone code (low byte, high byte of a channel record) to its text. A missing
// tone (high byte 0x00 or 0xFF) is "None"/"无", or empty when the channel is
// empty.
std::string ToneText(std::uint8_t low, std::uint8_t high, bool channelEmpty, Language language);

struct ToneCode {
  std::uint8_t low = 0xFF;
  std::uint8_t high = 0xFF;
};

// Text to tone code: DCS texts by their digits and "N", CTCSS texts in
// 0.1 Hz packed BCD; "None", "无" and the empty text give FF FF.
ToneCode ToneCodeFromText(std::string_view text);

}  // namespace selkan
