// Channel lists written for the multi-radio programs, and read back.
#include "editor/radio_list_export.h"

#include <gtest/gtest.h>

#include <random>

#include "editor/channel_csv.h"
#include "editor/channel_list_import.h"
#include "model/tone_table.h"

namespace selkan {
namespace {

// Every frequency a record holds.
constexpr BandLimits kRecordLimits{1000000, 99999999};

TEST(RadioListExport, ChannelsInUseAsTheListWritesThem) {
  ChannelTable table;
  table[0] = {"446.00625", "446.00625", "None", "None", "Low", "On", "Narrow"};
  table[2] = {"442.50000", "447.50000", "None", "100.0", "High", "Off", "Wide"};
  table[3] = {"145.50000", "435.00000", "D023N", "D023I", "Middle", "On", "Wide"};
  table[4] = {"440.00000", "370.00000", "D754I", "67.0", "High", "On", "Wide"};
  table[5] = {"462.56250", "", "", "D131N", "", "", ""};  // receive only
  table[6] = {"", "438.10000", "", "", "", "", ""};       // transmit only
  table[7] = {"438.10000", "438.10000", "12.3", "None", "Low", "On", "Wide"};
  table[198] = {"145.00000", "144.40000", "127.3", "127.3", "Low", "On", "Wide"};
  const RadioListExport got = ChannelsToRadioList(table);
  EXPECT_EQ(got.csv,
            std::string(kRadioListHeader) +
                "\r\n"
                "1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,1.0W,,,,,"
                "\r\n"
                "3,,442.500000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,S,"
                "5.0W,,,,,\r\n"
                "4,,145.500000,split,435.000000,DTCS,88.5,88.5,023,RN,023,Tone->Tone,FM,"
                "5.00,,2.5W,,,,,\r\n"
                "5,,440.000000,-,70.000000,Cross,67.0,88.5,023,NR,754,Tone->DTCS,FM,5.00,,"
                "5.0W,,,,,\r\n"
                "6,,462.562500,off,0.000000,Cross,88.5,88.5,131,NN,023,DTCS->,FM,5.00,,,,,,"
                ",\r\n"
                "199,,145.000000,-,0.600000,TSQL,127.3,127.3,023,NN,023,Tone->Tone,FM,5.00,,"
                "1.0W,,,,,\r\n");
  EXPECT_EQ(got.written, 6);
  EXPECT_EQ(got.omitted, (std::vector<OmittedChannel>{{7, RadioListOmission::TransmitOnly},
                                                      {8, RadioListOmission::UnlistedTone}}));
  EXPECT_EQ(ChannelsToRadioList(ChannelTable{}).csv, std::string(kRadioListHeader) + "\r\n");
}

// A frequency on the channel raster, in 10 Hz units, in the records' range
// and within 70 MHz of near when near is given.
std::int32_t OnRaster(std::mt19937& random, std::int32_t near = 0) {
  const std::int32_t step = random() % 2 ? 500 : 625;
  const std::int32_t from = std::max(1000000, near == 0 ? 0 : near - 7000000) / step + 1;
  const std::int32_t to = std::min(99999999, near == 0 ? 99999999 : near + 7000000) / step;
  return std::uniform_int_distribution<std::int32_t>(from, to)(random) * step;
}

// An image of random bytes whose channels hold what the grid can hold:
// empty, receive-only, transmit-only and full channels with every tone of
// the list, Tx at every distance from Rx, every power, scan and bandwidth.
RadioImage RandomImage(unsigned seed) {
  std::mt19937 random(seed);
  RadioImage image;
  for (auto& byte : image) byte = static_cast<std::uint8_t>(random());
  const std::vector<std::string> tones = BuildToneList(Language::English);
  const auto any = [&random](const std::vector<std::string>& texts) {
    return texts[random() % texts.size()];
  };
  ChannelTable table;
  for (ChannelRow& row : table) {
    const std::int32_t rx = OnRaster(random);
    const std::int32_t tx = random() % 4 == 0 ? rx : OnRaster(random, random() % 2 ? rx : 0);
    const std::string decode = any(tones);
    row = {FormatFrequency(rx),
           FormatFrequency(tx),
           decode,
           random() % 4 == 0 ? decode : any(tones),
           any({"High", "Middle", "Low"}),
           any({"On", "Off"}),
           any({"Wide", "Narrow"})};
    const unsigned shape = random() % 8;  // 0 empty, 1 receive only, 2 transmit only
    if (shape == 0) row = {};
    if (shape == 1 || shape == 2)
      row = {shape == 1 ? row[0] : "", shape == 2 ? row[1] : "", row[2], row[3]};
  }
  EncodeChannels(table, image);
  return image;
}

// Written as a list and read back, every channel holds the same bytes; the
// transmit-only channels the list cannot hold are left out, and come back
// empty.
TEST(RadioListExport, EveryImageReadsBackToTheSameBytes) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    const RadioImage image = RandomImage(seed);
    const RadioListExport list = ChannelsToRadioList(DecodeChannels(image, Language::English));
    const ChannelCsvImport read = ImportChannelCsv(list.csv, kRecordLimits);
    ASSERT_TRUE(read.errors.empty())
        << read.errors[0].line << ": " << EnglishText(read.errors[0].reason);
    RadioImage expected = image, got = image;
    for (const OmittedChannel& omitted : list.omitted) {
      ASSERT_EQ(omitted.reason, RadioListOmission::TransmitOnly);
      EncodeChannel(ChannelRow{}, expected, omitted.channel);
    }
    EncodeChannels(read.table, got);
    for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
      const ChannelRow row = DecodeChannel(image, channel, Language::English);
      ASSERT_TRUE(std::equal(got.begin() + offset::Channel(channel),
                             got.begin() + offset::Channel(channel + 1),
                             expected.begin() + offset::Channel(channel)))
          << "channel " << channel << ": " << FormatCsvRecord({row.begin(), row.end()});
    }
  }
}

}  // namespace
}  // namespace selkan
