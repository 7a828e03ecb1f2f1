#include "model/channel_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace selkan {
namespace {

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

// A blank image with a full channel (145.125 / 145.125, 67.0 / D023I, High,
// Scan on, Wide, spare bits set) at `channel`, some of its bytes patched.
RadioImage ImageWith(int channel, std::initializer_list<std::pair<int, int>> patch = {}) {
  static const std::uint8_t kFullRecord[] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14,
                                             0x70, 0x06, 0x23, 0xC0, 0xFA, 0x12, 0x34, 0x56};
  RadioImage image = BlankImage();
  std::copy(std::begin(kFullRecord), std::end(kFullRecord), image.begin() + offset::Channel(channel));
  for (const auto& [at, value] : patch) image[offset::Channel(channel) + at] = std::uint8_t(value);
  return image;
}

std::string RecordHex(const RadioImage& image, int channel) {
  return Hex(image.data() + offset::Channel(channel), offset::kChannelRecordSize);
}

// Texts are truncated to 10 Hz, as packed BCD least significant pair first;
// the raster frequencies from 145.0125 on are those whose binary product
// truncates one unit low; no frequency, and one the 8 digits cannot hold,
// is FF FF FF FF.
TEST(Frequency, EncodesTextsToPackedBcd) {
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
  // Presence depends on the most significant byte only; nibbles are not
  // checked.
  for (const auto& [field, present] : {std::pair<std::array<std::uint8_t, 4>, bool>{
                                           {0x12, 0x34, 0x56, 0x00}, false},
                                       {{0, 0, 0, 0xFF}, false},
                                       {{0xFF, 0xFF, 0xFF, 0x01}, true}}) {
    EXPECT_EQ(HasFrequency(field.data()), present);
  }
  const std::uint8_t bad[4] = {0xFF, 0xFF, 0xFF, 0xFE};
  EXPECT_EQ(DecodeFrequency(bad), 164 * 1000000LL + 165 * 10000 + 165 * 100 + 165);
}

// Power value six (both bits) is no level and shows empty; a missing
// frequency empties the row but for the other frequency and its tone; a
// missing tone of a full channel shows the none word.
TEST(DecodeChannel, RowsInBothLanguages) {
  const struct {
    std::initializer_list<std::pair<int, int>> patch;
    Language language;
    ChannelRow row;
  } cases[] = {
      {{}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "High", "On", "Wide"}},
      {{{12, 0x04}}, kZh, {"145.12500", "145.12500", "67.0", "D023I", "中", "关", "窄"}},
      {{{12, 0xE1}}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "Low", "Off", "Narrow"}},
      {{{12, 0x0E}}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "", "On", "Narrow"}},
      {{{3, 0x00}, {9, 0xFF}}, kEn, {"", "145.12500", "", "D023I", "", "", ""}},
      {{{7, 0xFF}, {11, 0x00}}, kZh, {"145.12500", "", "67.0", "", "", "", ""}},
      {{{9, 0x00}, {11, 0xFF}}, kZh, {"145.12500", "145.12500", "无", "无", "高", "开", "宽"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row[4] + c.row[0]);
    EXPECT_EQ(DecodeChannel(ImageWith(7, c.patch), 7, c.language), c.row);
  }
}

// Every field is written; the flag bits the program does not interpret are
// kept; words count in both languages, exactly; an empty power cell (as of
// power value six) stores Low; an empty row, or one frequency alone, clears
// the record but for the spare bits.
TEST(EncodeChannel, WritesEveryFieldAndKeepsUninterpretedBits) {
  const struct {
    ChannelRow row;
    const char* record;  // channel 4 of ImageWith(4) with flags 0xFF, after the encode
  } cases[] = {
      {{"145.125", "136.00625", "254.1", "D754N", "Middle", "On", "Narrow"},
       "00 25 51 14 25 06 60 13 41 25 54 87 ED 12 34 56"},
      {{"145.125", "145.125", "67.0", "D023I", "高", "开", "宽"},
       "00 25 51 14 00 25 51 14 70 06 23 C0 FB 12 34 56"},
      {{"145.125", "145.125", "None", "None", "Low", "关", "窄"},
       "00 25 51 14 00 25 51 14 FF FF FF FF E1 12 34 56"},
      {{"145.125", "145.125", "None", "None", "high", "on", "wide"},
       "00 25 51 14 00 25 51 14 FF FF FF FF E1 12 34 56"},
      {{"145.125", "145.125", "None", "None", "", "", ""},
       "00 25 51 14 00 25 51 14 FF FF FF FF E1 12 34 56"},
      {{}, "FF FF FF FF FF FF FF FF FF FF FF FF E1 12 34 56"},
      {{"145.125", "", "67.0", "", "", "", ""}, "00 25 51 14 FF FF FF FF 70 06 FF FF E1 12 34 56"},
  };
  for (const auto& c : cases) {
    RadioImage image = ImageWith(4, {{12, 0xFF}});
    EncodeChannel(c.row, image, 4);
    EXPECT_EQ(RecordHex(image, 4), c.record) << c.row[4];
  }
}

// All 199 channels and nothing else: slot 0 and the bytes after the last
// record are never touched; a save that dropped a channel would erase it.
TEST(Channels, EveryChannelFromOneTo199IsReadAndWritten) {
  RadioImage image;
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
  const RadioImage before = image;
  for (int channel : {0, 200, -1}) EncodeChannel({"145.125", "145.125"}, image, channel);
  EXPECT_EQ(image, before);
  EXPECT_EQ(DecodeChannel(ImageWith(0), 0, kEn), ChannelRow{});

  ChannelTable table{};
  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    const std::string f = FormatFrequency(40000000 + 2500 * channel);
    table[channel - 1] = {f, f, "67.0", "None", "Low", "On", "Wide"};
  }
  EncodeChannels(table, image);
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + 16, image.begin()));
  EXPECT_TRUE(std::equal(before.begin() + 0xC80, before.end(), image.begin() + 0xC80));
  EXPECT_EQ(DecodeChannels(image, kEn), table);
}

}  // namespace
}  // namespace selkan
