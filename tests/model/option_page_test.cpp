#include "model/option_page.h"

#include <gtest/gtest.h>

namespace selkan {
namespace {

std::string Page(const RadioImage& image, Language language) {
  std::string text;
  for (const auto& [label, value] : OptionPageLines(image, language)) text += label + value + " ";
  return text;
}

// The fourteen lines in page order; set lock bits print "Off" as the dialog
// shows them, the other switches "On"; codes at the edges of their bits.
TEST(OptionPageLines, EveryLineAtTheEdgesOfItsBitsInBothLanguages) {
  EXPECT_EQ(Page(BlankImage(), Language::English),
            "Battery Saver:On Beep:On Busy Lock:Off Key Lock:Off Vox Delay Time:1s Vox:On "
            "Vox Gain Level:5 Squelch Level:4 LED:On Step:25k Time Out Timer:60 "
            "Priority Channel:Off ANI:On ANI Code: ");
  RadioImage image = BlankImage();
  const std::uint8_t options[] = {0xF0, 0xC7, 0x39, 0xF8, 9, 0xF7, 0x00, 199, 0x0C};
  std::copy(std::begin(options), std::end(options), image.begin() + offset::kOptionFlags1);
  const std::uint8_t ani[] = {1, 0xFF, 2};
  std::copy(std::begin(ani), std::end(ani), image.begin() + offset::kAniCode);
  EXPECT_EQ(Page(image, Language::English),
            "Battery Saver:Off Beep:Off Busy Lock:On Key Lock:On Vox Delay Time:4s Vox:Off "
            "Vox Gain Level:8 Squelch Level:9 LED:Off Step:25k Time Out Timer:300 "
            "Priority Channel:199 ANI:Off ANI Code:1 ");
  image[offset::kStep] = 2;
  image[offset::kTimeOutTimer] = 0x08;  // only the low 3 bits count: Off
  image[offset::kPriorityChannel] = 0;
  EXPECT_EQ(Page(image, Language::Chinese),
            "电池省电:关 提示音:关 繁忙锁定:开 键盘锁定:开 声控延迟:4s 声控开关:关 声控电平:8 "
            "静噪电平:9 LED:关 步进:6.25k 超时定时器:关 优先信道:无 ANI:关 ANI 码:1 ");
}

}  // namespace
}  // namespace selkan
