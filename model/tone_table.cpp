#include "model/tone_table.h"

#include <array>
#include <cstdio>

#include "model/channel_codec.h"
#include "platform/decimal.h"

namespace selkan {

namespace {

// CTCSS tones in 0.1 Hz.
constexpr std::array<int, 50> kCtcssTones = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// DCS codes, their three octal digits written as a decimal number.
constexpr std::array<int, 105> kDcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

static_assert(1 + kCtcssTones.size() + 2 * kDcsCodes.size() == kToneCount);

constexpr std::uint8_t kDcsNormal = 0x80;
constexpr std::uint8_t kDcsInverted = 0xC0;
// CTCSS tones need a high byte from 0x01 (0x00 is no tone) up to 0x79 (0x80
// is the first DCS code): 10.0 Hz to 799.9 Hz.
constexpr int kCtcssLowest = 100;
constexpr int kCtcssLimit = 100 * 80;

std::string CtcssText(int tenthsOfHertz) { return FormatDouble("%3.1f", tenthsOfHertz * 0.1); }

// "D" + the code + suffix; a code below 100 keeps its leading zero ("D023N").
std::string DcsText(int hundreds, int lastTwo, char suffix) {
  const std::string prefix = hundreds == 0 ? "D0" : "D";
  return prefix + std::to_string(100 * hundreds + lastTwo) + suffix;
}

// The decimal integer at the start of the text, digits only; 0 when none.
// Saturates instead of overflowing.
int LeadingDigits(std::string_view text) {
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    if (n < 100'000'000) n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

std::vector<std::string> BuildToneList(Language language) {
  std::vector<std::string> list;
  list.emplace_back(words::kNone.In(language));
  for (int tone : kCtcssTones) list.push_back(CtcssText(tone));
  for (char suffix : {'N', 'I'}) {
    for (int code : kDcsCodes) list.push_back(DcsText(code / 100, code % 100, suffix));
  }
  return list;
}

std::string ToneText(std::uint8_t low, std::uint8_t high, bool channelEmpty, Language language) {
  if (high == 0x00 || high == 0xFF) return channelEmpty ? std::string() : words::kNone.In(language);
  if (high >= kDcsInverted) return DcsText(high - kDcsInverted, UnpackBcd(low), 'I');
  if (high >= kDcsNormal) return DcsText(high - kDcsNormal, UnpackBcd(low), 'N');
  return CtcssText(100 * UnpackBcd(high) + UnpackBcd(low));
}

ToneCode ToneCodeFromText(std::string_view text) {
  ToneCode code;  // FF FF: no tone
  if (text.find('D') != std::string_view::npos) {
    const int n = LeadingDigits(text.substr(1));
    const bool normal = text.find('N') != std::string_view::npos;
    const int high = (normal ? kDcsNormal : kDcsInverted) + n / 100;
    // A code too large for its range of high bytes would read back as
    // something else (an inverted code, or no tone): store no tone instead.
    if (high > (normal ? kDcsInverted - 1 : 0xFE)) return code;
    code.high = static_cast<std::uint8_t>(high);
    code.low = PackBcd(n % 100);
    return code;
  }
  const std::int32_t v = ScaledInteger(ParseLeadingNumber(text), 10);
  // Zero is "None"; tones the code cannot hold are stored as no tone rather
  // than as bytes that read back as no tone or as a DCS code.
  if (v < kCtcssLowest || v >= kCtcssLimit) return code;
  code.high = PackBcd(v / 100);
  code.low = PackBcd(v % 100);
  return code;
}

}  // namespace selkan
