#include "model/channel_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace selkan {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr Language kEn = Language::English;
constexpr Language kZh = Language::Chinese;

std::string Hex(const std::uint8_t* bytes, std::size_t count) {
  std::string text;
  char part[4];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(part, sizeof part, i == 0 ? "%02X" : " %02X", bytes[i]);
    text += part;
  }
  return text;
}

std::string EncodedHex(std::string_view text) {
  std::uint8_t field[4] = {0xAA, 0xAA, 0xAA, 0xAA};
  EncodeFrequencyText(text, field);
  return Hex(field, 4);
}

// A full channel: 145.125 / 145.125, 67.0 / D023I, High, Scan on, Wide.
const Bytes kFullRecord = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14,
                           0x70, 0x06, 0x23, 0xC0, 0xFA, 0x12, 0x34, 0x56};

// A blank image with one channel record set to kFullRecord with some bytes patched.
RadioImage ImageWith(int channel, std::initializer_list<std::pair<int, int>> patch = {}) {
  RadioImage image = BlankImage();
  std::copy(kFullRecord.begin(), kFullRecord.end(), image.begin() + offset::Channel(channel));
  for (const auto& [at, value] : patch) image[offset::Channel(channel) + at] = std::uint8_t(value);
  return image;
}

std::string RecordHex(const RadioImage& image, int channel) {
  return Hex(image.data() + offset::Channel(channel), offset::kChannelRecordSize);
}

// Packed BCD, least significant pair first, nibbles not checked.
TEST(Frequency, PresenceAndPackedBcdDecoding) {
  // Presence depends on the most significant byte only.
  const std::uint8_t absent[][4] = {{0x12, 0x34, 0x56, 0x00}, {0, 0, 0, 0xFF}};
  const std::uint8_t present[][4] = {{0xFF, 0xFF, 0xFF, 0x01}, {0, 0, 0, 0xFE}};
  for (const auto& field : absent) EXPECT_FALSE(HasFrequency(field));
  for (const auto& field : present) EXPECT_TRUE(HasFrequency(field));

  const std::uint8_t field[4] = {0x00, 0x25, 0x51, 0x14};
  EXPECT_EQ(DecodeFrequency(field), 14512500);
  const std::uint8_t bad[4] = {0xFF, 0xFF, 0xFF, 0xFE};
  EXPECT_EQ(DecodeFrequency(bad), 164 * 1000000LL + 165 * 10000 + 165 * 100 + 165);
}

// Texts are truncated to 10 Hz; the raster frequencies from 145.0125 on are
// those whose binary product truncates one unit low.
TEST(Frequency, EncodesTextsToPackedBcd) {
  const std::pair<const char*, const char*> cases[] = {
      {"145.125", "00 25 51 14"},   {"145.12500", "00 25 51 14"},  {"136.00625", "25 06 60 13"},
      {" 438.1MHz", "00 00 81 43"}, {"145.123456", "45 23 51 14"}, {"999.99999", "99 99 99 99"},
      {"145.0125", "50 12 50 14"},  {"136.01250", "50 12 60 13"},  {"136.20000", "00 00 62 13"},
      {"137.73125", "25 31 77 13"}, {"139.48000", "00 80 94 13"},  {"141.20000", "00 00 12 14"},
      {"144.66875", "75 68 46 14"}};
  for (const auto& [text, hex] : cases) EXPECT_EQ(EncodedHex(text), hex) << text;
  for (const char* text : {"", "0", "0.000001", "abc", "-145.125", "1000.0", "1e300", "-1e300"}) {
    EXPECT_EQ(EncodedHex(text), "FF FF FF FF") << '"' << text << '"';
  }
}

TEST(Frequency, EveryRasterFrequencySurvivesTextAndBack) {
  const std::int64_t bands[][2] = {{13600000, 17400000}, {40000000, 48000000}};
  for (const auto& band : bands) {
    for (std::int64_t step : {500, 625}) {
      for (std::int64_t f = band[0]; f <= band[1]; f += step) {
        std::uint8_t field[4];
        EncodeFrequencyText(FormatFrequency(f), field);
        ASSERT_EQ(DecodeFrequency(field), f) << FormatFrequency(f);
      }
    }
  }
}

TEST(DecodeChannel, RowsInBothLanguages) {
  // Power value six (both bits) is no level and shows empty; a missing
  // frequency empties the row but for the other frequency and its tone; a
  // missing tone of a full channel shows the none word.
  const struct {
    std::initializer_list<std::pair<int, int>> patch;
    Language language;
    ChannelRow row;
  } cases[] = {
      {{}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "High", "On", "Wide"}},
      {{}, kZh, {"145.12500", "145.12500", "67.0", "D023I", "高", "开", "宽"}},
      {{{12, 0x04}}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "Middle", "Off", "Narrow"}},
      {{{12, 0x04}}, kZh, {"145.12500", "145.12500", "67.0", "D023I", "中", "关", "窄"}},
      {{{12, 0xE1}}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "Low", "Off", "Narrow"}},
      {{{12, 0xE1}}, kZh, {"145.12500", "145.12500", "67.0", "D023I", "低", "关", "窄"}},
      {{{12, 0x0E}}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "", "On", "Narrow"}},
      {{{3, 0x00}, {9, 0xFF}}, kEn, {"", "145.12500", "", "D023I", "", "", ""}},
      {{{7, 0xFF}, {11, 0x00}}, kZh, {"145.12500", "", "67.0", "", "", "", ""}},
      {{{9, 0x00}, {11, 0xFF}},
       kEn,
       {"145.12500", "145.12500", "None", "None", "High", "On", "Wide"}},
      {{{9, 0x00}, {11, 0xFF}}, kZh, {"145.12500", "145.12500", "无", "无", "高", "开", "宽"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row[4] + c.row[0]);
    EXPECT_EQ(DecodeChannel(ImageWith(7, c.patch), 7, c.language), c.row);
  }
}

TEST(EncodeChannel, WritesEveryFieldAndKeepsUninterpretedBits) {
  RadioImage image = BlankImage();
  EncodeChannel({"145.125", "136.00625", "254.1", "D754N", "Middle", "On", "Narrow"}, image, 9);
  EXPECT_EQ(RecordHex(image, 9), "00 25 51 14 25 06 60 13 41 25 54 87 ED FF FF FF");

  image = ImageWith(4, {{12, 0xFF}});
  EncodeChannel({"145.125", "145.125", "67.0", "D023I", "Middle", "Off", "Narrow"}, image, 4);
  EXPECT_EQ(RecordHex(image, 4), "00 25 51 14 00 25 51 14 70 06 23 C0 E5 12 34 56");
  // The empty power cell of power value six stores Low.
  image = ImageWith(3, {{12, 0x0E}});
  EncodeChannel(DecodeChannel(image, 3, kEn), image, 3);
  EXPECT_EQ(image[offset::Channel(3) + record::kFlags], 0x08);
}

TEST(EncodeChannel, AcceptsEnglishAndChineseWordsExactly) {
  const struct {
    const char *power, *scan, *bandwidth;
    int flags;
  } cases[] = {{"High", "On", "Wide", 0x1A},
               {"高", "开", "宽", 0x1A},
               {"Middle", "Off", "Narrow", 0x04},
               {"中", "关", "窄", 0x04},
               {"Low", "On", "Narrow", 0x08},
               {"低", "关", "宽", 0x10},
               {"high", "on", "wide", 0x00},
               {" High", "On ", "Wide\n", 0x00},
               {"", "", "", 0x00}};
  for (const auto& c : cases) {
    RadioImage image = ImageWith(2, {{12, 0x00}});
    EncodeChannel({"145.125", "145.125", "None", "None", c.power, c.scan, c.bandwidth}, image, 2);
    EXPECT_EQ(image[offset::Channel(2) + record::kFlags], c.flags) << c.power << c.scan;
  }
}

TEST(EncodeChannel, EmptyRowOrOneFrequencyClearsTheRecordButKeepsTheSpareBits) {
  RadioImage image = ImageWith(6, {{12, 0xFF}});
  EncodeChannel(ChannelRow{}, image, 6);
  EXPECT_EQ(RecordHex(image, 6), "FF FF FF FF FF FF FF FF FF FF FF FF E1 12 34 56");
  EXPECT_EQ(DecodeChannel(image, 6, kEn), ChannelRow{});

  image = ImageWith(8, {{4, 0xFF}, {5, 0xFF}, {6, 0xFF}, {7, 0xFF}});
  EncodeChannel(DecodeChannel(image, 8, kEn), image, 8);
  EXPECT_EQ(RecordHex(image, 8), "00 25 51 14 FF FF FF FF 70 06 23 C0 E0 12 34 56");
}

TEST(EncodeChannel, ProgramWrittenRecordsSurviveDecodeAndEncode) {
  for (int flags : {0x00, 0x02, 0x04, 0x08, 0x10, 0x1A, 0xE1, 0xFD, 0xF9}) {
    for (Language language : {kEn, kZh}) {
      RadioImage image = ImageWith(199, {{12, flags}});
      const RadioImage before = image;
      EncodeChannel(DecodeChannel(image, 199, language), image, 199);
      EXPECT_EQ(image, before) << flags;
    }
  }
}

TEST(Channels, OnlyChannelsOneTo199AreReadAndWritten) {
  RadioImage image = BlankImage();
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
  const RadioImage before = image;
  const ChannelRow full{"145.125", "145.125", "67.0", "D023I", "High", "On", "Wide"};
  for (int channel : {0, 200, -1}) EncodeChannel(full, image, channel);
  EXPECT_EQ(image, before);
  EXPECT_EQ(DecodeChannel(ImageWith(0), 0, kEn), ChannelRow{});

  ChannelTable table{};
  table[0] = {"145.125", "145.125", "67.0", "None", "High", "Off", "Wide"};
  table[198] = {"438.1", "438.1", "None", "D023N", "Low", "On", "Narrow"};
  EncodeChannels(table, image);
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + 16, image.begin()));
  EXPECT_TRUE(std::equal(before.begin() + 0xC80, before.end(), image.begin() + 0xC80));

  const ChannelTable decoded = DecodeChannels(image, kEn);
  EXPECT_EQ(decoded[0],
            (ChannelRow{"145.12500", "145.12500", "67.0", "None", "High", "Off", "Wide"}));
  EXPECT_EQ(decoded[198],
            (ChannelRow{"438.10000", "438.10000", "None", "D023N", "Low", "On", "Narrow"}));
  for (int r = 2; r <= 198; ++r) EXPECT_EQ(decoded[r - 1], ChannelRow{}) << r;
}

}  // namespace
}  // namespace selkan
