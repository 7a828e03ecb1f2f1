#include "model/option_fields.h"

#include <algorithm>
#include <cstdint>

#include "model/channel_codec.h"
#include "model/optional_features.h"

namespace selkan {

namespace {

bool Bit(std::uint8_t byte, int bit) { return ((byte >> bit) & 1) != 0; }

}  // namespace

std::vector<OptionField> OptionFields(const RadioImage& image, Language language) {
  auto onOff = [language](bool on) -> std::string {
    return (on ? words::kOn : words::kOff).In(language);
  };
  auto label = [language](const char* english, const char* chinese) -> std::string {
    return WordPair{english, chinese}.In(language);
  };
  const std::uint8_t flags1 = image[offset::kOptionFlags1];
  const std::uint8_t flags2 = image[offset::kOptionFlags2];
  const std::uint8_t priority = image[offset::kPriorityChannel];
  const std::uint8_t timeOut = image[offset::kTimeOutTimer] & 0x07;
  // The step byte is read whole: any code past the list shows as its last text.
  const auto& steps = option_lists::kStepTexts;
  const std::string step = steps[std::min<std::size_t>(image[offset::kStep], steps.size() - 1)];
  using namespace offset;
  return {
      {label("Battery Saver", "电池省电"), onOff(Bit(flags1, 0)), kOptionFlags1},
      {label("Beep", "提示音"), onOff(Bit(flags1, 1)), kOptionFlags1},
      {label("Busy Lock", "繁忙锁定"), onOff(!Bit(flags1, 2)), kOptionFlags1},
      {label("Key Lock", "键盘锁定"), onOff(!Bit(flags1, 3)), kOptionFlags1},
      {label("Vox Delay Time", "声控延迟"), std::to_string(image[kVoxDelayTime] & 0x07) + "s",
       kVoxDelayTime},
      {label("Vox", "声控开关"), onOff(Bit(flags2, 4)), kOptionFlags2},
      {label("Vox Gain Level", "声控电平"), std::to_string(image[kVoxGainLevel] & 0x0F),
       kVoxGainLevel},
      {label("Squelch Level", "静噪电平"), std::to_string(image[kSquelchLevel] & 0x0F),
       kSquelchLevel},
      {"LED", onOff(Bit(flags2, 5)), kOptionFlags2},
      {label("Step", "步进"), step, kStep},
      {label("Time Out Timer", "超时定时器"),
       timeOut == 0 ? onOff(false) : option_lists::kTimeOutTexts[timeOut], kTimeOutTimer},
      {label("Priority Channel", "优先信道"),
       priority == 0 ? label("Off", "无") : std::to_string(priority), kPriorityChannel},
      {"ANI", onOff(Bit(flags2, 3)), kOptionFlags2},
      {label("ANI Code", "ANI 码"), AniCodeText(image), kAniCode, kAniCodeLength},
  };
}

}  // namespace selkan
