#include "model/option_page.h"

#include <algorithm>
#include <cstdint>

#include "model/channel_codec.h"
#include "model/optional_features.h"

namespace selkan {

namespace {

bool Bit(std::uint8_t byte, int bit) { return ((byte >> bit) & 1) != 0; }

std::string StepText(std::uint8_t step) {
  // The whole byte is read: any code past the list is the last entry.
  const auto& texts = option_lists::kStepTexts;
  return texts[std::min<std::size_t>(step, texts.size() - 1)];
}

}  // namespace

std::vector<OptionLine> OptionPageLines(const RadioImage& image, Language language) {
  const auto onOff = [language](bool on) {
    return std::string((on ? words::kOn : words::kOff).In(language));
  };
  const auto label = [language](const char* english, const char* chinese) {
    return std::string(WordPair{english, chinese}.In(language));
  };
  const std::uint8_t flags1 = image[offset::kOptionFlags1];
  const std::uint8_t flags2 = image[offset::kOptionFlags2];
  const std::uint8_t timeOut = image[offset::kTimeOutTimer] & 0x07;
  const std::uint8_t priority = image[offset::kPriorityChannel];
  return {
      {label("Battery Saver:", "电池省电:"), onOff(Bit(flags1, 0))},
      {label("Beep:", "提示音:"), onOff(Bit(flags1, 1))},
      // A set Busy Lock bit is the dialog's "Off", as for Key Lock.
      {label("Busy Lock:", "繁忙锁定:"), onOff(!Bit(flags1, 2))},
      {label("Key Lock:", "键盘锁定:"), onOff(!Bit(flags1, 3))},
      {label("Vox Delay Time:", "声控延迟:"),
       std::to_string(image[offset::kVoxDelayTime] & 0x07) + "s"},
      {label("Vox:", "声控开关:"), onOff(Bit(flags2, 4))},
      {label("Vox Gain Level:", "声控电平:"), std::to_string(image[offset::kVoxGainLevel] & 0x0F)},
      {label("Squelch Level:", "静噪电平:"), std::to_string(image[offset::kSquelchLevel] & 0x0F)},
      {"LED:", onOff(Bit(flags2, 5))},
      {label("Step:", "步进:"), StepText(image[offset::kStep])},
      {label("Time Out Timer:", "超时定时器:"),
       timeOut == 0 ? onOff(false) : std::string(option_lists::kTimeOutTexts[timeOut])},
      {label("Priority Channel:", "优先信道:"),
       priority == 0 ? label("Off", "无") : std::to_string(priority)},
      {"ANI:", onOff(Bit(flags2, 3))},
      {label("ANI Code:", "ANI 码:"), AniCodeText(image)},
  };
}

}  // namespace selkan
