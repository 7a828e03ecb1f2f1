#include "model/tone_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace selkan {
namespace {

constexpr Language kEn = Language::English;
constexpr Language kZh = Language::Chinese;

std::string Hex(ToneCode code) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X %02X", code.low, code.high);
  return text;
}

// The whole list, entry by entry: a wrong tone anywhere sets the radio to a
// squelch the other radios do not open.
TEST(ToneList, HoldsEveryToneInOrderAndEachSurvivesEncodeAndDecode) {
  const std::string ctcss =
      "67.0 69.3 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 110.9 114.8 "
      "118.8 123.0 127.3 131.8 136.5 141.3 146.2 151.4 156.7 159.8 162.2 165.5 167.9 171.3 173.8 "
      "177.3 179.9 183.5 186.2 189.9 192.8 196.6 199.5 203.5 206.5 210.7 218.1 225.7 229.1 233.6 "
      "241.8 250.3 254.1";
  const std::string dcs =
      "023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 131 "
      "132 134 143 145 152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 251 252 "
      "255 261 263 265 266 271 274 306 311 315 325 331 332 343 346 351 356 364 365 371 411 412 "
      "413 423 431 432 445 446 452 454 455 462 464 465 466 503 506 516 523 526 532 546 565 606 "
      "612 624 627 631 632 645 654 662 664 703 712 723 731 732 734 743 754";
  std::string expected = "None " + ctcss;
  for (const char suffix : {'N', 'I'}) {
    std::istringstream codes(dcs);
    for (std::string code; codes >> code;) expected += " D" + code + suffix;
  }
  for (const Language language : {kEn, kZh}) {
    const std::vector<std::string> list = BuildToneList(language);
    ASSERT_EQ(list.size(), static_cast<std::size_t>(kToneCount));
    std::string joined;
    for (const std::string& text : list) joined += (joined.empty() ? "" : " ") + text;
    EXPECT_EQ(joined, language == kEn ? expected : "无" + expected.substr(4));
    for (const std::string& text : list) {
      const ToneCode code = ToneCodeFromText(text);
      EXPECT_EQ(ToneText(code.low, code.high, false, language), text);
    }
  }
}

// CTCSS is packed BCD of tenths of hertz, truncated; DCS keeps its digits and
// the N flag, by loose text rules. Below 10 Hz a code would read as no tone,
// from 800 Hz on as DCS; DCS codes too large for their range would read back
// as another tone: all of these are stored as no tone.
TEST(ToneCode, TextsEncodeToTheirCodes) {
  const std::pair<const char*, const char*> cases[] = {
      {"67.0", "70 06"},   {"254.1", "41 25"},  {"67.09", "70 06"}, {"10.0", "00 01"},
      {"799.9", "99 79"},  {"D023N", "23 80"},  {"D023I", "23 C0"}, {"D754N", "54 87"},
      {"D023", "23 C0"},   {"DD114N", "00 80"}, {"114ND", "14 80"}, {"D6399N", "99 BF"},
      {"D6299I", "99 FE"}, {"None", "FF FF"},   {"无", "FF FF"},    {"", "FF FF"},
      {"0.09", "FF FF"},   {"-67.0", "FF FF"},  {"9.9", "FF FF"},   {"800.0", "FF FF"},
      {"1e300", "FF FF"},  {"d023n", "FF FF"},  {"D6400N", "FF FF"}, {"D6300I", "FF FF"},
      {"D99999999999999999N", "FF FF"}};
  for (const auto& [text, hex] : cases) EXPECT_EQ(Hex(ToneCodeFromText(text)), hex) << text;
}

}  // namespace
}  // namespace selkan
