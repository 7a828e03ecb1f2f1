// Channels, tones and options in the radio's memory, and how the program shows them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "model/channel_codec.h"
#include "model/option_page.h"
#include "model/optional_features.h"
#include "model/selkan_doc.h"
#include "model/tone_table.h"
#include "tools/sim/virtual_radio.h"

namespace selkan {
namespace {

constexpr Language kEn = Language::English;
constexpr Language kZh = Language::Chinese;

// Bytes as "70 06", as the virtual radio logs its frames.
std::string Hex(const std::uint8_t* bytes, std::size_t count) {
  return sim::FrameText({bytes, bytes + count});
}

// A blank image with a full channel (145.125 / 145.125, 67.0 / D023I, High,
// Scan on, Wide, spare bits set) at `channel`, some of its bytes patched.
RadioImage ImageWith(int channel, const std::vector<std::pair<int, int>>& patch = {}) {
  static const std::uint8_t kFullRecord[] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14,
                                             0x70, 0x06, 0x23, 0xC0, 0xFA, 0x12, 0x34, 0x56};
  RadioImage image = BlankImage();
  std::copy_n(kFullRecord, std::size(kFullRecord), image.begin() + offset::Channel(channel));
  for (const auto& [at, value] : patch) image[offset::Channel(channel) + at] = std::uint8_t(value);
  return image;
}

// Truncated to 10 Hz, packed BCD low pair first (145.0125 on is one unit low as a binary
// product); none, or one 8 digits cannot hold, is FF FF FF FF.
TEST(ChannelCodec, FrequenciesTonesAndRowsBothWaysKeepingUninterpretedBits) {
  const std::pair<const char*, const char*> cases[] = {
      {"145.125", "00 25 51 14"},    {"136.00625", "25 06 60 13"}, {" 438.1MHz", "00 00 81 43"},
      {"145.123456", "45 23 51 14"}, {"999.99999", "99 99 99 99"}, {"145.0125", "50 12 50 14"},
      {"137.73125", "25 31 77 13"},  {"144.66875", "75 68 46 14"}, {"", "FF FF FF FF"},
      {"0.000001", "FF FF FF FF"},   {"-145.125", "FF FF FF FF"},  {"1000.0", "FF FF FF FF"},
      {"1e300", "FF FF FF FF"}};
  for (const auto& [text, hex] : cases) {
    std::uint8_t field[4] = {0xAA, 0xAA, 0xAA, 0xAA};
    EncodeFrequencyText(text, field);
    EXPECT_EQ(Hex(field, 4), hex) << text;
  }
  // Presence depends on the most significant byte only; nibbles are not checked.
  const std::uint8_t none[4] = {0x12, 0x34, 0x56, 0x00}, ff[4] = {0, 0, 0, 0xFF},
                     bad[4] = {0xFF, 0xFF, 0xFF, 0xFE};
  EXPECT_FALSE(HasFrequency(none) || HasFrequency(ff) || !HasFrequency(bad));
  EXPECT_EQ(DecodeFrequency(bad), 164 * 1000000LL + 165 * 10000 + 165 * 100 + 165);

  // Power value six shows empty; a missing frequency empties all but the other frequency and
  // its tone; a full channel's missing tone shows the none word.
  const std::tuple<std::vector<std::pair<int, int>>, Language, ChannelRow> rows[] = {
      {{}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "High", "On", "Wide"}},
      {{{12, 0x04}}, kZh, {"145.12500", "145.12500", "67.0", "D023I", "中", "关", "窄"}},
      {{{12, 0xE1}}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "Low", "Off", "Narrow"}},
      {{{12, 0x0E}}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "", "On", "Narrow"}},
      {{{3, 0x00}, {9, 0xFF}}, kEn, {"", "145.12500", "", "D023I", "", "", ""}},
      {{{7, 0xFF}, {11, 0x00}}, kZh, {"145.12500", "", "67.0", "", "", "", ""}},
      {{{9, 0x00}, {11, 0xFF}}, kZh, {"145.12500", "145.12500", "无", "无", "高", "开", "宽"}}};
  for (const auto& [patch, language, row] : rows)
    EXPECT_EQ(DecodeChannel(ImageWith(7, patch), 7, language), row) << row[4] + row[0];

  // Words of both languages, exact; others store Low, Off, Narrow; an empty row, or one frequency
  // alone, keeps only the spare bits. Each row into channel 4 of ImageWith(4), flags 0xFF.
  const std::pair<ChannelRow, const char*> encoded[] = {
      {{"145.125", "136.00625", "254.1", "D754N", "Middle", "On", "Narrow"},
       "00 25 51 14 25 06 60 13 41 25 54 87 ED 12 34 56"},
      {{"145.125", "145.125", "67.0", "D023I", "高", "开", "宽"},
       "00 25 51 14 00 25 51 14 70 06 23 C0 FB 12 34 56"},
      {{"145.125", "145.125", "None", "None", "Low", "关", "窄"},
       "00 25 51 14 00 25 51 14 FF FF FF FF E1 12 34 56"},
      {{"145.125", "145.125", "None", "None", "high", "on", "wide"},
       "00 25 51 14 00 25 51 14 FF FF FF FF E1 12 34 56"},
      {{}, "FF FF FF FF FF FF FF FF FF FF FF FF E1 12 34 56"},
      {{"145.125", "", "67.0", "", "", "", ""}, "00 25 51 14 FF FF FF FF 70 06 FF FF E1 12 34 56"},
  };
  for (const auto& [row, record] : encoded) {
    RadioImage image = ImageWith(4, {{12, 0xFF}});
    EncodeChannel(row, image, 4);
    EXPECT_EQ(Hex(image.data() + offset::Channel(4), 16), record) << row[4];
  }

  // All 199 channels and nothing else: slot 0 and the bytes after the last record stay.
  RadioImage image;
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
  const RadioImage before = image;
  for (int channel : {0, 200, -1}) EncodeChannel({"145.125", "145.125"}, image, channel);
  EXPECT_EQ(image, before);
  EXPECT_EQ(DecodeChannel(ImageWith(0), 0, kEn), ChannelRow{});

  ChannelTable table;
  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    const std::string f = FormatFrequency(40000000 + 2500 * channel);
    table[channel - 1] = {f, f, "67.0", "None", "Low", "On", "Wide"};
  }
  EncodeChannels(table, image);
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + 16, image.begin()));
  EXPECT_TRUE(std::equal(before.begin() + 0xC80, before.end(), image.begin() + 0xC80));
  EXPECT_EQ(DecodeChannels(image, kEn), table);

  // The whole list: a wrong tone anywhere sets a squelch the other radios do not open.
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
    std::string joined;
    for (const std::string& text : BuildToneList(language)) {
      joined += (joined.empty() ? "" : " ") + text;
      const ToneCode code = ToneCodeFromText(text);
      EXPECT_EQ(ToneText(code.low, code.high, false, language), text);
    }
    EXPECT_EQ(joined, language == kEn ? expected : "无" + expected.substr(4));
  }

  // CTCSS is packed BCD of 0.1 Hz, truncated; DCS keeps digits and N flag. Tones that would
  // read back as none, DCS or another tone (below 10 Hz, from 800 Hz, codes too large) are none.
  const auto toneHex = [](const char* text) {
    const ToneCode code = ToneCodeFromText(text);
    return sim::FrameText({code.low, code.high});
  };
  const std::pair<const char*, const char*> toneCodes[] = {
      {"67.0", "70 06"},  {"254.1", "41 25"},  {"67.09", "70 06"}, {"10.0", "00 01"},
      {"799.9", "99 79"}, {"D023N", "23 80"},  {"D023I", "23 C0"}, {"D754N", "54 87"},
      {"D023", "23 C0"},  {"DD114N", "00 80"}, {"114ND", "14 80"}, {"D6399N", "99 BF"},
      {"D6299I", "99 FE"}};
  for (const auto& [text, hex] : toneCodes) EXPECT_EQ(toneHex(text), hex) << text;
  for (const char* none : {"None", "", "0.09", "-67.0", "9.9", "800.0", "1e300", "d023n", "D6400N",
                           "D6300I", "D99999999999999999N", "\xE6\x97\xA0"})  // 无
    EXPECT_EQ(toneHex(none), "FF FF") << none;
}

using S = OptionStates;
RadioImage WithOptionBytes(std::array<std::uint8_t, 9> bytes) {
  RadioImage image = BlankImage();
  std::copy(bytes.begin(), bytes.end(), image.begin() + 0xFE0);  // where the radio keeps them
  return image;
}

std::string Page(const RadioImage& image, Language language) {
  std::string text;
  for (const auto& [label, value] : OptionPageLines(image, language)) text += label + value + " ";
  return text;
}

// Switches from single bits (locks inverted), lists through masks and biases, a value outside
// its list as -1; first the blank image's factory settings, where OK alone changes nothing.
TEST(OptionalFeatures, ImageToControlsAndBackAniCodeDigitsAndThePage) {
  const std::pair<std::array<std::uint8_t, 9>, S> cases[] = {
      {{0x5F, 0xB8, 4, 5, 4, 2, 0, 0, 1}, {true, true, 1, 1, 0, 0, 0, 4, 4, 4, 2, 0, 0, ""}},
      {{0x01, 0x00, 0xF9, 0x18, 0xFA, 0x0F, 0x5A, 0xC7, 0xFC},
       {true, false, 0, 0, 1, 1, 1, 9, 7, 2, 7, 199, 3, ""}},
      {{0xF6, 0xFF, 10, 0, 5, 15, 0, 200, 8},
       {false, true, 1, 0, 0, 0, 0, -1, -1, -1, 7, -1, -1, ""}},
      {{0, 0xC7, 10, 9, 5, 15, 0, 200, 5},
       {false, false, 0, 0, 1, 1, 1, -1, -1, -1, 7, -1, -1, ""}}};  // bits no control owns
  for (const auto& [bytes, states] : cases)
    EXPECT_EQ(ReadOptionStates(WithOptionBytes(bytes)), states) << +bytes[0];

  // Each control goes into its own bit or byte, the others keep theirs; a list with no
  // selection, or an index outside it, leaves its byte.
  RadioImage image = WithOptionBytes({0xF0, 0xC7, 0xF3, 0xF3, 0xF3, 0xF3, 0x5A, 0xF3, 0xF3});
  const std::string ani = AniCodeText(image);
  ASSERT_TRUE(WriteOptionStates(S{true, true, 1, 1, 0, 0, 0, 9, 0, 0, 7, 199, 3, ani}, image));
  EXPECT_EQ(Hex(image.data() + offset::kOptionFlags1, 9), "FF FF 09 01 00 07 5A C7 04");
  ASSERT_TRUE(WriteOptionStates(S{false, false, 0, 0, 1, 1, 1, 9, 2, 0, 7, 199, 3, ani}, image));
  EXPECT_EQ(Hex(image.data() + offset::kOptionFlags1, 9), "F0 C7 09 03 00 07 5A C7 04");
  const RadioImage before = image;
  const S outside{false, false, -1, 2, -1, -1, 7, 10, -1, 5, -1, 200, 4, ""};  // -1: no selection
  EXPECT_TRUE(WriteOptionStates(outside, image) && image == before);
  CSelkanDoc document;  // OK changes the document, and marks it changed, only by a new byte
  EXPECT_FALSE(ApplyOptionStates(document, ReadOptionStates(BlankImage())) ||
               document.IsModified());
  EXPECT_TRUE(ApplyOptionStates(document, ReadOptionStates(image)) && document.IsModified());

  // Digits stop at 0xFF or at 10..254, which OK leaves as they are; a new code is stored
  // 0xFF-padded; one that is not 0-3 digits changes nothing.
  image = BlankImage();
  const std::pair<const char*, const char*> shown[] = {
      {"\xFF\x01\x02", ""}, {"\x01\x09\xFF", "19"},  {"\x04\xFF\x05", "4"},
      {"\xFE\x0A\x02", ""}, {"\x00\x00\x07", "007"}, {"\x01\x0A\x02", "1"}};
  for (const auto& [bytes, text] : shown) {
    std::copy_n(bytes, 3, image.begin() + offset::kAniCode);
    EXPECT_EQ(AniCodeText(image), text);
  }
  S s = ReadOptionStates(image);
  s.beep = false;
  EXPECT_TRUE(WriteOptionStates(s, image) && image[offset::kAniCode + 1] == 0x0A);
  s.squelchLevel = 1;  // not written either when the code is refused
  const std::pair<const char*, const char*> codes[] = {
      {"12", "01 02 FF"}, {"999", "09 09 09"}, {"", "FF FF FF"}, {"1234", "refused"},
      {"1a", "refused"},  {" 1", "refused"},   {":", "refused"}, {"/", "refused"}};
  for (const auto& [code, hex] : codes) {
    s.aniCode = code;
    const RadioImage before = image;
    const bool written = WriteOptionStates(s, image);
    EXPECT_EQ(written ? Hex(image.data() + offset::kAniCode, 3) : "refused", hex) << code;
    EXPECT_TRUE(written || image == before) << code;
  }

  // In page order; set lock bits print "Off", other switches "On"; codes at their edges.
  EXPECT_EQ(Page(BlankImage(), kEn),
            "Battery Saver:On Beep:On Busy Lock:Off Key Lock:Off Vox Delay Time:1s Vox:On "
            "Vox Gain Level:5 Squelch Level:4 LED:On Step:25k Time Out Timer:60 "
            "Priority Channel:Off ANI:On ANI Code: ");
  image = WithOptionBytes({0xF0, 0xC7, 0x39, 0xF8, 9, 0xF7, 0x00, 199, 0x0C});
  std::copy_n("\x01\xFF\x02", 3, image.begin() + 0xE50);  // where the radio keeps it
  EXPECT_EQ(Page(image, kEn),
            "Battery Saver:Off Beep:Off Busy Lock:On Key Lock:On Vox Delay Time:4s Vox:Off "
            "Vox Gain Level:8 Squelch Level:9 LED:Off Step:25k Time Out Timer:300 "
            "Priority Channel:199 ANI:Off ANI Code:1 ");
  image[offset::kStep] = 2, image[offset::kPriorityChannel] = 0;
  image[offset::kTimeOutTimer] = 0x08;  // only the low 3 bits count: Off
  EXPECT_EQ(Page(image, kZh),
            "电池省电:关 提示音:关 繁忙锁定:开 键盘锁定:开 声控延迟:4s 声控开关:关 声控电平:8 "
            "静噪电平:9 LED:关 步进:6.25k 超时定时器:关 优先信道:无 ANI:关 ANI 码:1 ");
}

}  // namespace
}  // namespace selkan
