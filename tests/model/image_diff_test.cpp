#include "model/image_diff.h"

#include <gtest/gtest.h>

#include <random>

#include "model/channel_codec.h"

namespace selkan {
namespace {

std::vector<std::string> Lines(const RadioImage& a, const RadioImage& b,
                               Language language = Language::English,
                               std::size_t end = kImageSize) {
  std::vector<std::string> lines;
  for (const ImageDifference& difference : CompareImages(a, b, language, end))
    lines.push_back(DifferenceLine(difference));
  return lines;
}

RadioImage WithChannel(RadioImage image, int channel, const ChannelRow& row) {
  EncodeChannel(row, image, channel);
  return image;
}

const ChannelRow kRow{"438.50000", "439.50000", "88.5", "88.5", "High", "On", "Wide"};

TEST(CompareImages, ChannelsShowTheCellsThatDifferInTheGridsWords) {
  const RadioImage before = WithChannel(BlankImage(), 3, kRow);
  ChannelRow changed = kRow;
  Cell(changed, kColRx) = "438.51250";
  Cell(changed, kColPower) = "Low";
  const RadioImage after = WithChannel(before, 3, changed);

  EXPECT_EQ(Lines(before, after),
            (std::vector<std::string>{"Channel 3, Rx Frequency: 438.50000 -> 438.51250",
                                      "Channel 3, Power: High -> Low"}));
  EXPECT_EQ(Lines(before, after, Language::Chinese),
            (std::vector<std::string>{"信道3, 接收频率: 438.50000 -> 438.51250",
                                      "信道3, 功率: 高 -> 低"}));
  for (const ImageDifference& difference : CompareImages(before, after, Language::English))
    EXPECT_EQ(difference.channel, 3);

  // A channel that comes or goes shows its whole row.
  EXPECT_EQ(Lines(BlankImage(), WithChannel(BlankImage(), 199, kRow)),
            (std::vector<std::string>{
                "Channel 199: empty -> 438.50000, 439.50000, 88.5, 88.5, High, On, Wide"}));
  EXPECT_EQ(
      Lines(before, BlankImage(), Language::Chinese),
      (std::vector<std::string>{"信道3: 438.50000, 439.50000, 88.5, 88.5, 高, 开, 宽 -> 空"}));
}

TEST(CompareImages, OptionsShowAsTheListingDoesAndTypeAndBandAsIndexes) {
  RadioImage after = BlankImage();
  after[offset::kSquelchLevel] = 9;
  after[offset::kOptionFlags1] &= ~0x04;  // Busy Lock bit clear: "On"
  after[offset::kPriorityChannel] = 12;
  after[offset::kBandIndex] = 2;
  EXPECT_EQ(Lines(BlankImage(), after),
            (std::vector<std::string>{"Busy Lock: Off -> On", "Squelch Level: 4 -> 9",
                                      "Priority Channel: Off -> 12", "Band index: 255 -> 2"}));
  EXPECT_EQ(Lines(BlankImage(), after, Language::Chinese),
            (std::vector<std::string>{"繁忙锁定: 关 -> 开", "静噪电平: 4 -> 9",
                                      "优先信道: 无 -> 12", "频段序号: 255 -> 2"}));
}

// Whatever no grid cell or listing line shows still differs: it is listed by
// address, inside a channel record under that channel's name.
TEST(CompareImages, BytesNoFieldShowsAreListedByAddress) {
  RadioImage after = BlankImage();
  after[offset::Channel(5) + 13] = 0x00;  // a record byte no column reads
  after[offset::kOptionFlags1] ^= 0x80;   // an option bit no field reads
  for (std::size_t a = 0xD00; a < 0xD0A; ++a) after[a] = static_cast<std::uint8_t>(a);
  after[0x004] = 0x00;  // before channel 1
  EXPECT_EQ(Lines(BlankImage(), after),
            (std::vector<std::string>{
                "Channel 5, bytes 0x05D: FF -> 00",
                "Bytes 0x004: FF -> 00",
                "Bytes 0xD00-0xD09: FF FF FF FF FF FF FF FF ... -> 00 01 02 03 04 05 06 07 ...",
                "Bytes 0xFE0: 5F -> DF",
            }));
  EXPECT_EQ(CompareImages(BlankImage(), after, Language::English).front().channel, 5);

  // A run ends where a channel record does.
  RadioImage across = BlankImage();
  across[offset::Channel(1) + 15] = 0;
  across[offset::Channel(2)] = 0x01;  // no frequency: the channel stays empty
  EXPECT_EQ(Lines(BlankImage(), across),
            (std::vector<std::string>{"Channel 1, bytes 0x01F: FF -> 00",
                                      "Channel 2, bytes 0x020: FF -> 01"}));
}

// What New and Save make differs from a radio's memory in a flag byte of
// every empty channel: one line, not 199.
TEST(CompareImages, TheSameHiddenChangeInConsecutiveChannelsIsOneLine) {
  RadioImage saved = BlankImage();
  for (int channel = 1; channel <= 199; ++channel) saved[offset::Channel(channel) + 12] = 0xE1;
  EXPECT_EQ(Lines(saved, BlankImage()),
            std::vector<std::string>{"Channels 1-199, record byte 12: E1 -> FF"});
  EXPECT_EQ(Lines(saved, BlankImage(), Language::Chinese),
            std::vector<std::string>{"信道1-199, 记录字节 12: E1 -> FF"});

  RadioImage gaps = BlankImage();
  for (int channel : {1, 2, 3, 5}) gaps[offset::Channel(channel) + 12] = 0xE1;
  gaps[offset::Channel(6) + 12] = 0xE0;  // another value
  EXPECT_EQ(Lines(gaps, BlankImage()),
            (std::vector<std::string>{"Channels 1-3, record byte 12: E1 -> FF",
                                      "Channel 5, bytes 0x05C: E1 -> FF",
                                      "Channel 6, bytes 0x06C: E0 -> FF"}));
}

TEST(CompareImages, TheEndLimitsWhatIsCompared) {
  RadioImage after = BlankImage();
  after[0xFF0] = 0;
  after[0xFFF] = 0;
  EXPECT_TRUE(Lines(BlankImage(), after, Language::English, offset::kWriteLimit).empty());
  EXPECT_EQ(Lines(BlankImage(), after),
            (std::vector<std::string>{"Bytes 0xFF0: FF -> 00", "Bytes 0xFFF: FF -> 00"}));
}

// No difference goes unreported, wherever it lies, and equal images give
// none.
TEST(CompareImages, AnyChangedByteGivesADifference) {
  std::mt19937 random(13);
  RadioImage base;
  for (auto& byte : base) byte = static_cast<std::uint8_t>(random());
  EXPECT_TRUE(CompareImages(base, base, Language::Chinese).empty());
  for (std::size_t address = 0; address < kImageSize; ++address) {
    RadioImage changed = base;
    changed[address] ^= static_cast<std::uint8_t>(1u << (address % 8));
    ASSERT_FALSE(CompareImages(base, changed, Language::English).empty()) << address;
  }
}

}  // namespace
}  // namespace selkan
