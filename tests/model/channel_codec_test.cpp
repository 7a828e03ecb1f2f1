#include "model/channel_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace selkan {
namespace {

using Bytes = std::vector<std::uint8_t>;

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

// A blank image with one channel record set to the given 16 bytes.
RadioImage ImageWith(int channel, const Bytes& record) {
  RadioImage image = BlankImage();
  std::copy(record.begin(), record.end(), image.begin() + offset::Channel(channel));
  return image;
}

std::string RecordHex(const RadioImage& image, int channel) {
  return Hex(image.data() + offset::Channel(channel), offset::kChannelRecordSize);
}

ChannelRow Row(std::string rx, std::string tx, std::string dec, std::string enc, std::string power,
               std::string scan, std::string bandwidth) {
  return {rx, tx, dec, enc, power, scan, bandwidth};
}

// A full channel: 145.125 / 145.125, 67.0 / D023I, High, Scan on, Wide.
const Bytes kFullRecord = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14,
                           0x70, 0x06, 0x23, 0xC0, 0xFA, 0x12, 0x34, 0x56};

TEST(Bcd, PacksAndUnpacksTwoDigits) {
  EXPECT_EQ(PackBcd(0), 0x00);
  EXPECT_EQ(PackBcd(9), 0x09);
  EXPECT_EQ(PackBcd(10), 0x10);
  EXPECT_EQ(PackBcd(99), 0x99);
  EXPECT_EQ(UnpackBcd(0x45), 45);
  EXPECT_EQ(UnpackBcd(0x99), 99);
  EXPECT_EQ(UnpackBcd(0xA0), 100);  // nibbles are taken as they are
  EXPECT_EQ(UnpackBcd(0xFF), 165);
}

TEST(Frequency, PresenceDependsOnTheMostSignificantByteOnly) {
  const std::uint8_t with00[4] = {0x12, 0x34, 0x56, 0x00};
  const std::uint8_t withFF[4] = {0x00, 0x00, 0x00, 0xFF};
  const std::uint8_t with01[4] = {0xFF, 0xFF, 0xFF, 0x01};
  const std::uint8_t withFE[4] = {0x00, 0x00, 0x00, 0xFE};
  EXPECT_FALSE(HasFrequency(with00));
  EXPECT_FALSE(HasFrequency(withFF));
  EXPECT_TRUE(HasFrequency(with01));
  EXPECT_TRUE(HasFrequency(withFE));
}

TEST(Frequency, DecodesPackedBcdLeastSignificantPairFirst) {
  const std::uint8_t field[4] = {0x00, 0x25, 0x51, 0x14};
  EXPECT_EQ(DecodeFrequency(field), 14512500);
  EXPECT_EQ(FormatFrequency(DecodeFrequency(field)), "145.12500");
  const std::uint8_t raster[4] = {0x25, 0x06, 0x60, 0x13};
  EXPECT_EQ(FormatFrequency(DecodeFrequency(raster)), "136.00625");
  const std::uint8_t bad[4] = {0xFF, 0xFF, 0xFF, 0xFE};  // nibbles not checked
  EXPECT_EQ(DecodeFrequency(bad), 164 * 1000000LL + 165 * 10000 + 165 * 100 + 165);
}

TEST(Frequency, EncodesTextsToPackedBcd) {
  EXPECT_EQ(EncodedHex("145.125"), "00 25 51 14");
  EXPECT_EQ(EncodedHex("145.12500"), "00 25 51 14");
  EXPECT_EQ(EncodedHex("136.00625"), "25 06 60 13");
  EXPECT_EQ(EncodedHex(" 438.1MHz"), "00 00 81 43");
  EXPECT_EQ(EncodedHex("145.123456"), "45 23 51 14");  // truncated to 10 Hz
  EXPECT_EQ(EncodedHex("999.99999"), "99 99 99 99");
}

TEST(Frequency, TextsWithoutAStorableValueGiveNoFrequency) {
  for (const char* text : {"", "0", "0.000001", "abc", "-145.125", "1000.0", "1e300", "-1e300"}) {
    EXPECT_EQ(EncodedHex(text), "FF FF FF FF") << '"' << text << '"';
  }
}

// Raster frequencies whose naive binary product truncates one unit low.
TEST(Frequency, EncodesExactlyWhereBinaryArithmeticTruncatesWrongly) {
  EXPECT_EQ(EncodedHex("145.0125"), "50 12 50 14");
  EXPECT_EQ(EncodedHex("136.01250"), "50 12 60 13");
  EXPECT_EQ(EncodedHex("136.20000"), "00 00 62 13");
  EXPECT_EQ(EncodedHex("137.73125"), "25 31 77 13");
  EXPECT_EQ(EncodedHex("139.48000"), "00 80 94 13");
  EXPECT_EQ(EncodedHex("141.20000"), "00 00 12 14");
  EXPECT_EQ(EncodedHex("144.66875"), "75 68 46 14");
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

TEST(DecodeChannel, FullRecordInBothLanguages) {
  const RadioImage image = ImageWith(7, kFullRecord);
  EXPECT_EQ(DecodeChannel(image, 7, Language::English),
            Row("145.12500", "145.12500", "67.0", "D023I", "High", "On", "Wide"));
  EXPECT_EQ(DecodeChannel(image, 7, Language::Chinese),
            Row("145.12500", "145.12500", "67.0", "D023I", "高", "开", "宽"));
}

TEST(DecodeChannel, PowerScanAndBandwidthWords) {
  Bytes record = kFullRecord;
  record[12] = 0x04;
  EXPECT_EQ(DecodeChannel(ImageWith(1, record), 1, Language::English),
            Row("145.12500", "145.12500", "67.0", "D023I", "Middle", "Off", "Narrow"));
  EXPECT_EQ(DecodeChannel(ImageWith(1, record), 1, Language::Chinese),
            Row("145.12500", "145.12500", "67.0", "D023I", "中", "关", "窄"));
  record[12] = 0xE1;
  EXPECT_EQ(Cell(DecodeChannel(ImageWith(1, record), 1, Language::English), kColPower), "Low");
  EXPECT_EQ(Cell(DecodeChannel(ImageWith(1, record), 1, Language::Chinese), kColPower), "低");
}

// Both power bits set is no level of the radio: the cell stays empty, and
// encoding that empty cell stores Low.
TEST(DecodeChannel, PowerValueSixShowsEmptyAndEncodesAsLow) {
  Bytes record = kFullRecord;
  record[12] = 0x06 | 0x08;
  RadioImage image = ImageWith(3, record);
  const ChannelRow row = DecodeChannel(image, 3, Language::English);
  EXPECT_EQ(Cell(row, kColPower), "");
  EXPECT_EQ(Cell(row, kColScan), "On");
  EncodeChannel(row, image, 3);
  EXPECT_EQ(image[offset::Channel(3) + record::kFlags], 0x08);
}

TEST(DecodeChannel, MissingReceiveFrequencyMakesTheRowEmpty) {
  Bytes record = kFullRecord;
  record[3] = 0x00;
  record[9] = 0xFF;  // no decode tone
  EXPECT_EQ(DecodeChannel(ImageWith(5, record), 5, Language::English),
            Row("", "145.12500", "", "D023I", "", "", ""));
}

TEST(DecodeChannel, MissingTransmitFrequencyMakesTheRowEmpty) {
  Bytes record = kFullRecord;
  record[7] = 0xFF;
  record[11] = 0x00;  // no encode tone
  EXPECT_EQ(DecodeChannel(ImageWith(5, record), 5, Language::Chinese),
            Row("145.12500", "", "67.0", "", "", "", ""));
}

TEST(DecodeChannel, MissingTonesOfAFullChannelShowNone) {
  Bytes record = kFullRecord;
  record[9] = 0x00;
  record[11] = 0xFF;
  const ChannelRow english = DecodeChannel(ImageWith(5, record), 5, Language::English);
  EXPECT_EQ(Cell(english, kColDecodeTone), "None");
  EXPECT_EQ(Cell(english, kColEncodeTone), "None");
  EXPECT_EQ(Cell(DecodeChannel(ImageWith(5, record), 5, Language::Chinese), kColDecodeTone), "无");
}

TEST(EncodeChannel, WritesEveryFieldOfTheRecord) {
  RadioImage image = BlankImage();
  EncodeChannel(Row("145.125", "136.00625", "254.1", "D754N", "Middle", "On", "Narrow"), image, 9);
  EXPECT_EQ(RecordHex(image, 9), "00 25 51 14 25 06 60 13 41 25 54 87 ED FF FF FF");
}

TEST(EncodeChannel, AcceptsEnglishAndChineseWordsExactly) {
  RadioImage image = BlankImage();
  const std::uint8_t& flags = image[offset::Channel(2) + record::kFlags];
  const auto encode = [&](std::string power, std::string scan, std::string bandwidth) {
    image[offset::Channel(2) + record::kFlags] = 0x00;
    EncodeChannel(Row("145.125", "145.125", "None", "None", power, scan, bandwidth), image, 2);
    return flags;
  };
  EXPECT_EQ(encode("High", "On", "Wide"), 0x1A);
  EXPECT_EQ(encode("高", "开", "宽"), 0x1A);
  EXPECT_EQ(encode("Middle", "Off", "Narrow"), 0x04);
  EXPECT_EQ(encode("中", "关", "窄"), 0x04);
  EXPECT_EQ(encode("Low", "On", "Narrow"), 0x08);
  EXPECT_EQ(encode("低", "关", "宽"), 0x10);
  EXPECT_EQ(encode("high", "on", "wide"), 0x00);  // case matters
  EXPECT_EQ(encode(" High", "On ", "Wide\n"), 0x00);
  EXPECT_EQ(encode("", "", ""), 0x00);
}

TEST(EncodeChannel, KeepsTheUninterpretedBitsAndBytes) {
  Bytes record = kFullRecord;
  record[12] = 0xFF;
  RadioImage image = ImageWith(4, record);
  EncodeChannel(Row("145.125", "145.125", "67.0", "D023I", "Middle", "Off", "Narrow"), image, 4);
  EXPECT_EQ(RecordHex(image, 4), "00 25 51 14 00 25 51 14 70 06 23 C0 E5 12 34 56");
  record[12] = 0x00;
  image = ImageWith(4, record);
  EncodeChannel(Row("145.125", "145.125", "67.0", "D023I", "High", "On", "Wide"), image, 4);
  EXPECT_EQ(RecordHex(image, 4), "00 25 51 14 00 25 51 14 70 06 23 C0 1A 12 34 56");
}

TEST(EncodeChannel, EmptyRowClearsTheRecordAndStaysEmpty) {
  RadioImage image = ImageWith(6, kFullRecord);
  image[offset::Channel(6) + record::kFlags] = 0xFF;
  EncodeChannel(ChannelRow{}, image, 6);
  EXPECT_EQ(RecordHex(image, 6), "FF FF FF FF FF FF FF FF FF FF FF FF E1 12 34 56");
  EXPECT_EQ(DecodeChannel(image, 6, Language::English), ChannelRow{});
}

TEST(EncodeChannel, ProgramWrittenRecordsSurviveDecodeAndEncode) {
  for (std::uint8_t flags : {0x00, 0x02, 0x04, 0x08, 0x10, 0x1A, 0xE1, 0xFD, 0xF9}) {
    for (Language language : {Language::English, Language::Chinese}) {
      Bytes record = kFullRecord;
      record[12] = flags;
      RadioImage image = ImageWith(199, record);
      const RadioImage before = image;
      EncodeChannel(DecodeChannel(image, 199, language), image, 199);
      EXPECT_EQ(image, before) << int(flags);
    }
  }
}

TEST(EncodeChannel, ARecordWithOneFrequencyLosesItsFlags) {
  Bytes record = kFullRecord;
  record[4] = record[5] = record[6] = record[7] = 0xFF;
  RadioImage image = ImageWith(8, record);
  EncodeChannel(DecodeChannel(image, 8, Language::English), image, 8);
  // Low, scan off, narrow; bits 0, 5-7 and bytes 13-15 stay.
  EXPECT_EQ(RecordHex(image, 8), "00 25 51 14 FF FF FF FF 70 06 23 C0 E0 12 34 56");
}

TEST(Channels, ChannelNumbersOutsideOneTo199AreIgnored) {
  RadioImage image = BlankImage();
  const RadioImage before = image;
  const ChannelRow row = Row("145.125", "145.125", "67.0", "D023I", "High", "On", "Wide");
  EncodeChannel(row, image, 0);
  EncodeChannel(row, image, 200);
  EncodeChannel(row, image, -1);
  EXPECT_EQ(image, before);
  EXPECT_EQ(DecodeChannel(ImageWith(0, kFullRecord), 0, Language::English), ChannelRow{});
}

TEST(Channels, TableCoversChannelsOneTo199AndNothingElse) {
  RadioImage image = BlankImage();
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
  const RadioImage before = image;
  ChannelTable table{};
  table[0] = Row("145.125", "145.125", "67.0", "None", "High", "Off", "Wide");
  table[198] = Row("438.1", "438.1", "None", "D023N", "Low", "On", "Narrow");
  EncodeChannels(table, image);
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + 16, image.begin()));
  EXPECT_TRUE(std::equal(before.begin() + 0xC80, before.end(), image.begin() + 0xC80));

  const ChannelTable decoded = DecodeChannels(image, Language::English);
  EXPECT_EQ(decoded[0], Row("145.12500", "145.12500", "67.0", "None", "High", "Off", "Wide"));
  EXPECT_EQ(decoded[198], Row("438.10000", "438.10000", "None", "D023N", "Low", "On", "Narrow"));
  for (int r = 2; r <= 198; ++r) EXPECT_EQ(decoded[r - 1], ChannelRow{}) << r;
}

TEST(Channels, BlankImageEncodesOnlyTheFlagBytes) {
  RadioImage image = BlankImage();
  EncodeChannels(DecodeChannels(image, Language::English), image);
  RadioImage expected = BlankImage();
  for (int r = 1; r <= offset::kChannelCount; ++r) {
    expected[offset::Channel(r) + record::kFlags] = 0xE1;
  }
  EXPECT_EQ(image, expected);
}

}  // namespace
}  // namespace selkan
