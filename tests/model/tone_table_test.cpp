#include "model/tone_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
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

std::string Text(int low, int high, bool emptyRow = false, Language language = kEn) {
  return ToneText(std::uint8_t(low), std::uint8_t(high), emptyRow, language);
}

TEST(ToneList, HoldsTheEntriesInOrderAndEachSurvivesEncodeAndDecode) {
  const std::vector<std::string> english = BuildToneList(kEn);
  const std::vector<std::string> chinese = BuildToneList(kZh);
  ASSERT_EQ(english.size(), static_cast<std::size_t>(kToneCount));
  ASSERT_EQ(chinese.size(), english.size());
  const std::pair<int, const char*> samples[] = {{0, "None"},    {1, "67.0"},    {13, "100.0"},
                                                 {50, "254.1"},  {51, "D023N"},  {67, "D114N"},
                                                 {155, "D754N"}, {156, "D023I"}, {260, "D754I"}};
  for (const auto& [index, text] : samples) EXPECT_EQ(english[index], text) << index;
  EXPECT_EQ(std::set<std::string>(english.begin(), english.end()).size(), english.size());
  EXPECT_EQ(chinese[0], "无");
  EXPECT_TRUE(std::equal(english.begin() + 1, english.end(), chinese.begin() + 1));
  for (const auto* list : {&english, &chinese}) {
    for (const std::string& text : *list) {
      const ToneCode code = ToneCodeFromText(text);
      EXPECT_EQ(ToneText(code.low, code.high, false, list == &english ? kEn : kZh), text);
    }
  }
}

// CTCSS is packed BCD of tenths of hertz, truncated; DCS keeps its digits and
// the N flag, by loose text rules.
TEST(ToneCode, TextsEncodeToTheirCodes) {
  const std::pair<const char*, const char*> cases[] = {
      {"67.0", "70 06"},   {"100.0", "00 10"}, {"254.1", "41 25"}, {"67", "70 06"},
      {"67.09", "70 06"},  {"10.0", "00 01"},  {"799.9", "99 79"}, {"D023N", "23 80"},
      {"D023I", "23 C0"},  {"D754N", "54 87"}, {"D754I", "54 C7"}, {"D023", "23 C0"},
      {"DD114N", "00 80"}, {"114ND", "14 80"}, {"DN", "00 80"},    {"D6399N", "99 BF"},
      {"D6299I", "99 FE"}};
  for (const auto& [text, hex] : cases) EXPECT_EQ(Hex(ToneCodeFromText(text)), hex) << text;
  // Below 10 Hz the code would read as no tone, from 800 Hz on as DCS; DCS
  // codes too large for their range would read back as another tone.
  for (const char* text :
       {"None", "无", "", "0.0", "0.09", "abc", "-67.0", "0.1", "9.9", "800.0", "999.9", "1000.0",
        "1e300", "d023n", "D6400N", "D6300I", "D99999999999999999N"}) {
    EXPECT_EQ(Hex(ToneCodeFromText(text)), "FF FF") << text;
  }
}

TEST(ToneCode, CodesDecodeToTheirTexts) {
  const struct {
    int low, high;
    const char* text;
  } cases[] = {{0x70, 0x06, "67.0"},   {0x01, 0x01, "10.1"},  {0x23, 0x80, "D023N"},
               {0x54, 0x87, "D754N"},  {0x05, 0x80, "D05N"},  {0x99, 0xBF, "D6399N"},
               {0x00, 0xFE, "D6200I"}, {0xFF, 0xC1, "D265I"}, {0xA0, 0x01, "20.0"}};
  for (const auto& c : cases) EXPECT_EQ(Text(c.low, c.high), c.text) << c.text;
  // A present tone shows even in an empty row, and in either language.
  EXPECT_EQ(Text(0x00, 0x10, true), "100.0");
  EXPECT_EQ(Text(0x23, 0xC0, true), "D023I");
  EXPECT_EQ(Text(0x54, 0xC7, false, kZh), "D754I");
  for (int high : {0x00, 0xFF}) {
    for (int low : {0x00, 0x23, 0xFF}) {
      EXPECT_EQ(Text(low, high), "None");
      EXPECT_EQ(Text(low, high, false, kZh), "无");
      EXPECT_EQ(Text(low, high, true), "");
    }
  }
  // Well-formed codes outside the list come back unchanged.
  for (const auto& [low, high] : {std::pair{0x99, 0xBF}, {0x00, 0xFE}, {0x05, 0x80}}) {
    const ToneCode code = ToneCodeFromText(Text(low, high));
    EXPECT_EQ(code.low, low);
    EXPECT_EQ(code.high, high);
  }
}

// Every well-formed CTCSS code (10.0 Hz to 799.9 Hz) reads back as itself.
TEST(ToneCode, EveryCtcssCodeSurvivesDecodeAndEncode) {
  for (int v = 100; v < 8000; ++v) {
    const std::uint8_t high = static_cast<std::uint8_t>(16 * (v / 1000) + (v / 100) % 10);
    const std::uint8_t low = static_cast<std::uint8_t>(16 * ((v / 10) % 10) + v % 10);
    const ToneCode code = ToneCodeFromText(Text(low, high));
    ASSERT_EQ(code.low, low) << v;
    ASSERT_EQ(code.high, high) << v;
  }
}

}  // namespace
}  // namespace selkan
