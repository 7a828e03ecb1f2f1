#include "model/option_page.h"

#include <gtest/gtest.h>

#include <map>

namespace selkan {
namespace {

std::map<std::string, std::string> Values(const RadioImage& image, Language language) {
  std::map<std::string, std::string> values;
  for (const auto& [label, value] : OptionPageLines(image, language)) values[label] = value;
  return values;
}

TEST(OptionPageLines, BlankImageInPageOrder) {
  const auto lines = OptionPageLines(BlankImage(), Language::English);
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines.front().label, "Battery Saver:");
  EXPECT_EQ(lines.back().label, "ANI Code:");
  // Set bits: Busy Lock and Key Lock read "Off", ANI, Vox and LED "On".
  auto values = Values(BlankImage(), Language::English);
  EXPECT_EQ(values["Busy Lock:"] + values["Key Lock:"], "OffOff");
  EXPECT_EQ(values["ANI:"] + values["Vox:"] + values["LED:"], "OnOnOn");
  EXPECT_EQ(values["Vox Delay Time:"] + values["Step:"] + values["Time Out Timer:"], "1s25k60");
}

// Every option at the edges of its bits and codes, in both languages.
TEST(OptionPageLines, BitsAndCodesAtTheirEdges) {
  RadioImage image = BlankImage();
  image[offset::kOptionFlags1] = 0xF0;  // every option bit clear, high bits set
  image[offset::kOptionFlags2] = 0xC7;
  image[offset::kStep] = 9;
  image[offset::kTimeOutTimer] = 0xF7;
  image[offset::kPriorityChannel] = 199;
  image[offset::kVoxDelayTime] = 0x0C;  // low 3 bits: 4
  image[offset::kVoxGainLevel] = 0xF8;
  image[offset::kSquelchLevel] = 0x39;
  image[offset::kAniCode] = 1;
  image[offset::kAniCode + 1] = 0xFF;
  image[offset::kAniCode + 2] = 2;
  auto en = Values(image, Language::English);
  EXPECT_EQ(en["Battery Saver:"], "Off");
  EXPECT_EQ(en["Beep:"], "Off");
  EXPECT_EQ(en["Busy Lock:"], "On");  // a clear bit is the dialog's "On"
  EXPECT_EQ(en["Key Lock:"], "On");
  EXPECT_EQ(en["ANI:"], "Off");
  EXPECT_EQ(en["Vox:"], "Off");
  EXPECT_EQ(en["LED:"], "Off");
  EXPECT_EQ(en["Step:"], "25k");
  EXPECT_EQ(en["Time Out Timer:"], "300");
  EXPECT_EQ(en["Priority Channel:"], "199");
  EXPECT_EQ(en["Vox Delay Time:"], "4s");
  EXPECT_EQ(en["Vox Gain Level:"], "8");
  EXPECT_EQ(en["Squelch Level:"], "9");
  EXPECT_EQ(en["ANI Code:"], "1");
  auto zh = Values(image, Language::Chinese);
  EXPECT_EQ(zh["繁忙锁定:"], "开");
  EXPECT_EQ(zh["LED:"], "关");  // a label without a Chinese twin
  EXPECT_EQ(zh["超时定时器:"], "300");
  EXPECT_EQ(zh["优先信道:"], "199");

  image[offset::kStep] = 2;
  image[offset::kTimeOutTimer] = 0x08;  // only the low 3 bits count: Off
  image[offset::kPriorityChannel] = 12;
  image[offset::kAniCode] = 0;
  image[offset::kAniCode + 1] = 0;
  image[offset::kAniCode + 2] = 7;
  en = Values(image, Language::English);
  EXPECT_EQ(en["Step:"], "6.25k");
  EXPECT_EQ(en["Time Out Timer:"], "Off");
  EXPECT_EQ(en["Priority Channel:"], "12");
  EXPECT_EQ(en["ANI Code:"], "007");
  zh = Values(image, Language::Chinese);
  EXPECT_EQ(zh["超时定时器:"], "关");
  EXPECT_EQ(zh["优先信道:"], "12");
  image[offset::kPriorityChannel] = 0;
  EXPECT_EQ(Values(image, Language::Chinese)["优先信道:"], "无");

  image[offset::kAniCode] = 0xFF;  // an empty code, whatever follows
  image[offset::kTimeOutTimer] = 3;
  en = Values(image, Language::English);
  EXPECT_EQ(en["ANI Code:"], "");
  EXPECT_EQ(en["Time Out Timer:"], "90");
}

}  // namespace
}  // namespace selkan
