#include "model/optional_features.h"

#include <cstdint>

#include "model/selkan_doc.h"

namespace selkan {

namespace {

constexpr std::uint8_t kNoDigit = 0xFF;

// Index of a two-entry "On"/"Off" list from a switch bit. setMeansFirst says
// whether a set bit selects index 0 ("On") or index 1 ("Off").
int IndexFromBit(std::uint8_t byte, std::uint8_t mask, bool setMeansFirst) {
  const bool set = (byte & mask) != 0;
  return set == setMeansFirst ? 0 : 1;
}

// Writes a switch bit from a two-entry list; no valid selection keeps it.
void BitFromIndex(int index, std::uint8_t& byte, std::uint8_t mask, bool setMeansFirst) {
  if (index != 0 && index != 1) return;
  const bool set = (index == 0) == setMeansFirst;
  byte = set ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

int IndexOrNone(int index, int count) { return index >= 0 && index < count ? index : -1; }

// Writes index + bias into a byte when the index lies in its list.
void ByteFromIndex(int index, int count, int bias, std::uint8_t& byte) {
  if (index < 0 || index >= count) return;
  byte = static_cast<std::uint8_t>(index + bias);
}

}  // namespace

bool IsValidAniCode(std::string_view text) {
  if (text.size() > offset::kAniCodeLength) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::string AniCodeText(const RadioImage& image) {
  std::string text;
  for (std::size_t i = 0; i < offset::kAniCodeLength; ++i) {
    const std::uint8_t v = image[offset::kAniCode + i];
    // 0xFF ends the code. A value above 9 cannot come from this program;
    // it ends the shown code too, so that the text is always a code the
    // dialog can store again (the bytes themselves are kept, see
    // WriteOptionStates).
    if (v > 9) break;
    text += static_cast<char>('0' + v);
  }
  return text;
}

OptionStates ReadOptionStates(const RadioImage& image) {
  namespace lists = option_lists;
  const std::uint8_t flags1 = image[offset::kOptionFlags1];
  const std::uint8_t flags2 = image[offset::kOptionFlags2];

  OptionStates s;
  s.batterySaver = (flags1 & 0x01) != 0;
  s.beep = (flags1 & 0x02) != 0;
  s.busyLock = IndexFromBit(flags1, 0x04, false);
  s.keyLock = IndexFromBit(flags1, 0x08, false);
  s.ani = IndexFromBit(flags2, 0x08, true);
  s.vox = IndexFromBit(flags2, 0x10, true);
  s.led = IndexFromBit(flags2, 0x20, true);
  s.squelchLevel = IndexOrNone(image[offset::kSquelchLevel] & 0x0F, lists::kSquelchCount);
  s.voxGainLevel = IndexOrNone((image[offset::kVoxGainLevel] & 0x0F) - 1, lists::kVoxGainCount);
  s.step = IndexOrNone(image[offset::kStep] & 0x07, static_cast<int>(lists::kStepTexts.size()));
  s.timeOutTimer = IndexOrNone(image[offset::kTimeOutTimer] & 0x07,
                               static_cast<int>(lists::kTimeOutTexts.size()));
  s.priorityChannel = IndexOrNone(image[offset::kPriorityChannel], lists::kPriorityCount);
  s.voxDelayTime = IndexOrNone((image[offset::kVoxDelayTime] & 0x07) - 1,
                               static_cast<int>(lists::kVoxDelayTexts.size()));
  s.aniCode = AniCodeText(image);
  return s;
}

bool WriteOptionStates(const OptionStates& states, RadioImage& image) {
  namespace lists = option_lists;
  if (!IsValidAniCode(states.aniCode)) return false;

  std::uint8_t& flags1 = image[offset::kOptionFlags1];
  flags1 = static_cast<std::uint8_t>((flags1 & ~0x03) | (states.batterySaver ? 0x01 : 0) |
                                     (states.beep ? 0x02 : 0));
  BitFromIndex(states.busyLock, flags1, 0x04, false);
  BitFromIndex(states.keyLock, flags1, 0x08, false);

  std::uint8_t& flags2 = image[offset::kOptionFlags2];
  BitFromIndex(states.ani, flags2, 0x08, true);
  BitFromIndex(states.vox, flags2, 0x10, true);
  BitFromIndex(states.led, flags2, 0x20, true);

  ByteFromIndex(states.squelchLevel, lists::kSquelchCount, 0, image[offset::kSquelchLevel]);
  ByteFromIndex(states.voxGainLevel, lists::kVoxGainCount, 1, image[offset::kVoxGainLevel]);
  ByteFromIndex(states.step, static_cast<int>(lists::kStepTexts.size()), 0, image[offset::kStep]);
  ByteFromIndex(states.timeOutTimer, static_cast<int>(lists::kTimeOutTexts.size()), 0,
                image[offset::kTimeOutTimer]);
  ByteFromIndex(states.priorityChannel, lists::kPriorityCount, 0, image[offset::kPriorityChannel]);
  ByteFromIndex(states.voxDelayTime, static_cast<int>(lists::kVoxDelayTexts.size()), 1,
                image[offset::kVoxDelayTime]);

  // An unchanged code keeps the radio's bytes as they are, including any the
  // text cannot show; a changed one is stored digit by digit, 0xFF-padded.
  if (states.aniCode != AniCodeText(image)) {
    for (std::size_t i = 0; i < offset::kAniCodeLength; ++i) {
      image[offset::kAniCode + i] =
          i < states.aniCode.size() ? static_cast<std::uint8_t>(states.aniCode[i] - '0') : kNoDigit;
    }
  }
  return true;
}

bool ApplyOptionStates(CSelkanDoc& document, const OptionStates& states) {
  RadioImage image = document.Image();
  if (!WriteOptionStates(states, image) || image == document.Image()) return false;
  document.Image() = image;
  document.SetModified(true);
  return true;
}

}  // namespace selkan
