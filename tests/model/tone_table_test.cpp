#include "model/tone_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace selkan {
namespace {

std::string Hex(ToneCode code) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X %02X", code.low, code.high);
  return text;
}

TEST(ToneList, HasTheEntriesInListOrder) {
  const std::vector<std::string> list = BuildToneList(Language::English);
  ASSERT_EQ(list.size(), static_cast<std::size_t>(kToneCount));
  EXPECT_EQ(list[0], "None");
  EXPECT_EQ(list[1], "67.0");
  EXPECT_EQ(list[13], "100.0");
  EXPECT_EQ(list[50], "254.1");
  EXPECT_EQ(list[51], "D023N");
  EXPECT_EQ(list[67], "D114N");
  EXPECT_EQ(list[155], "D754N");
  EXPECT_EQ(list[156], "D023I");
  EXPECT_EQ(list[260], "D754I");
  EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), list.size());
}

TEST(ToneList, ChineseDiffersOnlyInTheMissingTone) {
  const std::vector<std::string> english = BuildToneList(Language::English);
  const std::vector<std::string> chinese = BuildToneList(Language::Chinese);
  ASSERT_EQ(chinese.size(), english.size());
  EXPECT_EQ(chinese[0], "无");
  for (std::size_t i = 1; i < english.size(); ++i) EXPECT_EQ(chinese[i], english[i]);
}

TEST(ToneList, EveryEntrySurvivesEncodeAndDecode) {
  for (Language language : {Language::English, Language::Chinese}) {
    for (const std::string& text : BuildToneList(language)) {
      const ToneCode code = ToneCodeFromText(text);
      EXPECT_EQ(ToneText(code.low, code.high, false, language), text);
    }
  }
}

TEST(ToneCode, CtcssIsPackedBcdOfTenthsOfHertz) {
  EXPECT_EQ(Hex(ToneCodeFromText("67.0")), "70 06");
  EXPECT_EQ(Hex(ToneCodeFromText("100.0")), "00 10");
  EXPECT_EQ(Hex(ToneCodeFromText("254.1")), "41 25");
  EXPECT_EQ(Hex(ToneCodeFromText("67")), "70 06");
  EXPECT_EQ(Hex(ToneCodeFromText("67.09")), "70 06");  // truncated, not rounded
  EXPECT_EQ(Hex(ToneCodeFromText("10.0")), "00 01");
  EXPECT_EQ(Hex(ToneCodeFromText("799.9")), "99 79");
  EXPECT_EQ(ToneText(0x70, 0x06, false, Language::English), "67.0");
  EXPECT_EQ(ToneText(0x00, 0x10, true, Language::English), "100.0");  // present even when empty
  EXPECT_EQ(ToneText(0x01, 0x01, false, Language::English), "10.1");
}

// Every well-formed CTCSS code (10.0 Hz to 799.9 Hz) reads back as itself.
TEST(ToneCode, EveryCtcssCodeSurvivesDecodeAndEncode) {
  for (int v = 100; v < 8000; ++v) {
    const std::uint8_t high = static_cast<std::uint8_t>(16 * (v / 1000) + (v / 100) % 10);
    const std::uint8_t low = static_cast<std::uint8_t>(16 * ((v / 10) % 10) + v % 10);
    const ToneCode code = ToneCodeFromText(ToneText(low, high, false, Language::English));
    ASSERT_EQ(code.low, low) << v;
    ASSERT_EQ(code.high, high) << v;
  }
}

TEST(ToneCode, NoneChineseNoneEmptyAndZeroGiveNoTone) {
  for (const char* text : {"None", "无", "", "0.0", "0.09", "abc"}) {
    EXPECT_EQ(Hex(ToneCodeFromText(text)), "FF FF") << text;
  }
}

TEST(ToneCode, CtcssValuesTheCodeCannotHoldGiveNoTone) {
  // Below 10 Hz the high byte would read as no tone, from 800 Hz on as DCS.
  for (const char* text : {"-67.0", "0.1", "9.9", "800.0", "999.9", "1000.0", "1e300"}) {
    EXPECT_EQ(Hex(ToneCodeFromText(text)), "FF FF") << text;
  }
}

TEST(ToneCode, MissingToneDecodesAsNoneOrEmpty) {
  for (std::uint8_t high : {0x00, 0xFF}) {
    for (std::uint8_t low : {0x00, 0x23, 0xFF}) {
      EXPECT_EQ(ToneText(low, high, false, Language::English), "None");
      EXPECT_EQ(ToneText(low, high, false, Language::Chinese), "无");
      EXPECT_EQ(ToneText(low, high, true, Language::English), "");
    }
  }
}

TEST(ToneCode, DcsKeepsItsDigitsAndFlag) {
  EXPECT_EQ(Hex(ToneCodeFromText("D023N")), "23 80");
  EXPECT_EQ(Hex(ToneCodeFromText("D023I")), "23 C0");
  EXPECT_EQ(Hex(ToneCodeFromText("D754N")), "54 87");
  EXPECT_EQ(Hex(ToneCodeFromText("D754I")), "54 C7");
  EXPECT_EQ(ToneText(0x23, 0x80, false, Language::English), "D023N");
  EXPECT_EQ(ToneText(0x23, 0xC0, true, Language::English), "D023I");
  EXPECT_EQ(ToneText(0x54, 0x87, false, Language::English), "D754N");
  EXPECT_EQ(ToneText(0x54, 0xC7, false, Language::Chinese), "D754I");
}

TEST(ToneCode, DcsTextRulesAreLoose) {
  EXPECT_EQ(Hex(ToneCodeFromText("D023")), "23 C0");    // no N: inverted
  EXPECT_EQ(Hex(ToneCodeFromText("DD114N")), "00 80");  // only the first character is dropped
  EXPECT_EQ(Hex(ToneCodeFromText("114ND")), "14 80");   // a D anywhere makes it DCS
  EXPECT_EQ(Hex(ToneCodeFromText("DN")), "00 80");      // no digits read as 0
  EXPECT_EQ(Hex(ToneCodeFromText("d023n")), "FF FF");   // lower case is not DCS: reads as 0
}

TEST(ToneCode, CodesOutsideTheListDecodeByTheDigitRules) {
  EXPECT_EQ(ToneText(0x05, 0x80, false, Language::English), "D05N");  // "D0" prefix + 5
  EXPECT_EQ(ToneText(0x99, 0xBF, false, Language::English), "D6399N");
  EXPECT_EQ(ToneText(0x00, 0xFE, false, Language::English), "D6200I");
  EXPECT_EQ(ToneText(0xFF, 0xC1, false, Language::English), "D265I");  // nibbles not checked
  EXPECT_EQ(ToneText(0xA0, 0x01, false, Language::English), "20.0");
  // Well-formed codes outside the list come back unchanged.
  for (const auto& [low, high] :
       {std::pair{0x99, 0xBF}, {0x00, 0xFE}, {0x05, 0x80}, {0x99, 0x79}}) {
    const ToneCode code =
        ToneCodeFromText(ToneText(std::uint8_t(low), std::uint8_t(high), false, Language::English));
    EXPECT_EQ(code.low, low);
    EXPECT_EQ(code.high, high);
  }
}

TEST(ToneCode, DcsCodesTooLargeForTheirRangeGiveNoTone) {
  EXPECT_EQ(Hex(ToneCodeFromText("D6399N")), "99 BF");
  EXPECT_EQ(Hex(ToneCodeFromText("D6400N")), "FF FF");  // would read back as inverted
  EXPECT_EQ(Hex(ToneCodeFromText("D6299I")), "99 FE");
  EXPECT_EQ(Hex(ToneCodeFromText("D6300I")), "FF FF");  // would read back as no tone
  EXPECT_EQ(Hex(ToneCodeFromText("D99999999999999999N")), "FF FF");
}

}  // namespace
}  // namespace selkan
