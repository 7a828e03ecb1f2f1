#include "tools/cli/listing.h"

#include <gtest/gtest.h>

#include <map>

namespace selkan::cli {
namespace {

std::map<std::string, std::string> Options(const RadioImage& image) {
  std::map<std::string, std::string> values;
  for (const auto& [label, value] : OptionLines(image)) values[label] = value;
  return values;
}

TEST(OptionLines, BlankImageInPageOrder) {
  const auto lines = OptionLines(BlankImage());
  ASSERT_EQ(lines.size(), 14u);
  const std::vector<std::pair<std::string, std::string>> expected{
      {"Battery Saver", "On"}, {"Beep", "On"},           {"Busy Lock", "Off"},
      {"Key Lock", "Off"},     {"Vox Delay Time", "1s"}, {"Vox", "On"},
      {"Vox Gain Level", "5"}, {"Squelch Level", "4"},   {"LED", "On"},
      {"Step", "25k"},         {"Time Out Timer", "60"}, {"Priority Channel", "Off"},
      {"ANI", "On"},           {"ANI Code", ""}};
  EXPECT_EQ(lines, expected);
}

TEST(OptionLines, BitsAndCodesAtTheirEdges) {
  RadioImage image = BlankImage();
  image[offset::kOptionFlags1] = 0xF0;  // every option bit clear
  image[offset::kOptionFlags2] = 0xC7;
  image[offset::kStep] = 9;
  image[offset::kTimeOutTimer] = 0xF7;
  image[offset::kPriorityChannel] = 199;
  image[offset::kVoxDelayTime] = 0x0C;  // low 3 bits: 4
  image[offset::kSquelchLevel] = 0x39;
  image[offset::kAniCode] = 1;
  image[offset::kAniCode + 1] = 0xFF;
  image[offset::kAniCode + 2] = 2;
  auto values = Options(image);
  EXPECT_EQ(values["Battery Saver"], "Off");
  EXPECT_EQ(values["Busy Lock"], "On");  // a clear bit is the dialog's "On"
  EXPECT_EQ(values["Key Lock"], "On");
  EXPECT_EQ(values["ANI"], "Off");
  EXPECT_EQ(values["Vox"], "Off");
  EXPECT_EQ(values["LED"], "Off");
  EXPECT_EQ(values["Step"], "25k");
  EXPECT_EQ(values["Time Out Timer"], "300");
  EXPECT_EQ(values["Priority Channel"], "199");
  EXPECT_EQ(values["Vox Delay Time"], "4s");
  EXPECT_EQ(values["Squelch Level"], "9");
  EXPECT_EQ(values["ANI Code"], "1");

  image[offset::kStep] = 2;
  image[offset::kTimeOutTimer] = 0;
  image[offset::kAniCode] = 0;
  image[offset::kAniCode + 1] = 0;
  image[offset::kAniCode + 2] = 7;
  values = Options(image);
  EXPECT_EQ(values["Step"], "6.25k");
  EXPECT_EQ(values["Time Out Timer"], "Off");
  EXPECT_EQ(values["ANI Code"], "007");
}

TEST(ChannelListing, AlignedColumnsOfUsedChannelsOnly) {
  ChannelTable table{};
  EXPECT_EQ(ChannelListing(table), "No channels in use.\n");
  table[0] = {"438.10000", "438.10000", "None", "None", "High", "On", "Wide"};
  table[5] = {"", "445.00000", "67.0", "", "", "", ""};  // no Rx: not in use
  table[120] = {"46.00000", "", "", "D023N", "", "", ""};
  const std::string expected =
      " CH  Rx Frequency  Tx Frequency  QT/DQT Dec  QT/DQT Enc  Power  Scan  W/N\n"
      "  1  438.10000     438.10000     None        None        High   On    Wide\n"
      "121  46.00000                                D023N\n";
  EXPECT_EQ(ChannelListing(table), expected);
}

}  // namespace
}  // namespace selkan::cli
