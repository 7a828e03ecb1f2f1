#include "model/image_diff.h"

#include <gtest/gtest.h>

#include <random>

#include "model/channel_codec.h"

namespace selkan {
namespace {

using Lines = std::vector<std::string>;

Lines Compare(const RadioImage& a, const RadioImage& b, Language language = Language::English,
              std::size_t end = kImageSize) {
  Lines lines;
  for (const ImageDifference& difference : CompareImages(a, b, language, end))
    lines.push_back(DifferenceLine(difference));
  return lines;
}

RadioImage WithChannel(RadioImage image, int channel, const ChannelRow& row) {
  EncodeChannel(row, image, channel);
  return image;
}

const ChannelRow kRow{"438.50000", "439.50000", "88.5", "88.5", "High", "On", "Wide"};

// Channels show the cells that differ in the grid's words, or the whole row
// when the channel comes or goes; options as the listing shows them, type
// and band as indexes.
TEST(CompareImages, ChannelsAndOptionsShowAsTheUserKnowsThem) {
  const RadioImage before = WithChannel(BlankImage(), 3, kRow);
  ChannelRow changed = kRow;
  Cell(changed, kColRx) = "438.51250";
  Cell(changed, kColPower) = "Low";
  const RadioImage after = WithChannel(before, 3, changed);
  EXPECT_EQ(Compare(before, after), (Lines{"Channel 3, Rx Frequency: 438.50000 -> 438.51250",
                                           "Channel 3, Power: High -> Low"}));
  EXPECT_EQ(Compare(before, after, Language::Chinese),
            (Lines{"信道3, 接收频率: 438.50000 -> 438.51250", "信道3, 功率: 高 -> 低"}));
  EXPECT_EQ(CompareImages(before, after, Language::English).back().channel, 3);
  EXPECT_EQ(Compare(BlankImage(), WithChannel(BlankImage(), 199, kRow)),
            (Lines{"Channel 199: empty -> 438.50000, 439.50000, 88.5, 88.5, High, On, Wide"}));
  EXPECT_EQ(Compare(before, BlankImage(), Language::Chinese),
            (Lines{"信道3: 438.50000, 439.50000, 88.5, 88.5, 高, 开, 宽 -> 空"}));

  RadioImage options = BlankImage();
  options[offset::kSquelchLevel] = 9;
  options[offset::kOptionFlags1] &= ~0x04;  // Busy Lock bit clear: "On"
  options[offset::kBandIndex] = 2;
  EXPECT_EQ(Compare(BlankImage(), options, Language::Chinese),
            (Lines{"繁忙锁定: 关 -> 开", "静噪电平: 4 -> 9", "频段序号: 255 -> 2"}));
}

// Whatever no grid cell or listing line shows still differs: it is listed by
// address, inside a channel record under that channel's name, a run of at
// most eight values shown whole; a run ends where a record does.
TEST(CompareImages, BytesNoFieldShowsAreListedByAddress) {
  RadioImage after = BlankImage();
  after[offset::Channel(5) + 13] = 0x00;  // a record byte no column reads
  after[offset::kOptionFlags1] ^= 0x80;   // an option bit no field reads
  for (std::size_t a = 0xD00; a < 0xD0A; ++a) after[a] = static_cast<std::uint8_t>(a);
  for (std::size_t a = 0xE00; a < 0xE08; ++a) after[a] = 0;
  after[offset::Channel(1) + 15] = 0;
  after[offset::Channel(2)] = 0x01;  // no frequency: the channel stays empty
  EXPECT_EQ(Compare(BlankImage(), after),
            (Lines{"Channel 1, bytes 0x01F: FF -> 00", "Channel 2, bytes 0x020: FF -> 01",
                   "Channel 5, bytes 0x05D: FF -> 00",
                   "Bytes 0xD00-0xD09: FF FF FF FF FF FF FF FF ... -> 00 01 02 03 04 05 06 07 ...",
                   "Bytes 0xE00-0xE07: FF FF FF FF FF FF FF FF -> 00 00 00 00 00 00 00 00",
                   "Bytes 0xFE0: 5F -> DF"}));
  EXPECT_EQ(CompareImages(BlankImage(), after, Language::English).front().channel, 1);
  // Bytes from the end on are not compared.
  after = BlankImage();
  after[0xFF0] = 0;
  EXPECT_TRUE(Compare(BlankImage(), after, Language::English, offset::kWriteLimit).empty());
  EXPECT_EQ(Compare(BlankImage(), after), (Lines{"Bytes 0xFF0: FF -> 00"}));
}

// What New and Save make differs from a radio's memory in a flag byte of
// every empty channel: one line, not 199; a gap or another value starts a
// line of its own.
TEST(CompareImages, TheSameHiddenChangeInConsecutiveChannelsIsOneLine) {
  RadioImage saved = BlankImage();
  for (int channel = 1; channel <= 199; ++channel) saved[offset::Channel(channel) + 12] = 0xE1;
  EXPECT_EQ(Compare(saved, BlankImage(), Language::Chinese),
            Lines{"信道1-199, 记录字节 12: E1 -> FF"});
  RadioImage gaps = BlankImage();
  for (int channel : {1, 2, 3, 5}) gaps[offset::Channel(channel) + 12] = 0xE1;
  gaps[offset::Channel(6) + 12] = 0xE0;
  EXPECT_EQ(Compare(gaps, BlankImage()),
            (Lines{"Channels 1-3, record byte 12: E1 -> FF", "Channel 5, bytes 0x05C: E1 -> FF",
                   "Channel 6, bytes 0x06C: E0 -> FF"}));
}

}  // namespace
}  // namespace selkan
