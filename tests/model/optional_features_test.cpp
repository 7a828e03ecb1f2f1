#include "model/optional_features.h"

#include <gtest/gtest.h>

#include <array>

namespace selkan {
namespace {

using S = OptionStates;
using Ints = std::vector<int>;

// The controls in one order: battery saver, beep, busy lock, key lock, ANI,
// VOX, LED, then the lists squelch, VOX gain, step, time-out timer,
// priority channel, VOX delay.
Ints Controls(const S& s) {
  return {s.batterySaver, s.beep,         s.busyLock, s.keyLock,      s.ani,
          s.vox,          s.led,          s.squelchLevel, s.voxGainLevel, s.step,
          s.timeOutTimer, s.priorityChannel, s.voxDelayTime};
}
// The option bytes 0xFE0..0xFE8 in hex.
std::string OptionBytes(const RadioImage& image) {
  std::string text;
  char part[4];
  for (std::size_t i = offset::kOptionFlags1; i <= offset::kVoxDelayTime; ++i) {
    std::snprintf(part, sizeof part, i == offset::kOptionFlags1 ? "%02X" : " %02X", image[i]);
    text += part;
  }
  return text;
}
RadioImage WithOptionBytes(std::array<std::uint8_t, 9> bytes) {
  RadioImage image = BlankImage();
  std::copy(bytes.begin(), bytes.end(), image.begin() + offset::kOptionFlags1);
  return image;
}

// Switches from single bits (the locks' sense opposite to the others'),
// lists through masks and biases, a value outside its list as -1; OK
// without changes on the blank image writes back the same bytes.
TEST(OptionalFeatures, ImageToControlsAndBack) {
  const struct {
    std::array<std::uint8_t, 9> bytes;
    Ints controls;
  } cases[] = {
      {{0x5F, 0xB8, 0x04, 0x05, 0x04, 0x02, 0x00, 0x00, 0x01},
       {1, 1, 1, 1, 0, 0, 0, 4, 4, 4, 2, 0, 0}},  // the blank image: factory settings
      {{0x01, 0x00, 0xF9, 0x18, 0xFA, 0x0F, 0x5A, 0xC7, 0xFC},
       {1, 0, 0, 0, 1, 1, 1, 9, 7, 2, 7, 199, 3}},
      {{0xF6, 0xFF, 0x0A, 0x00, 0x05, 0x0F, 0x00, 0xC8, 0x08},
       {0, 1, 1, 0, 0, 0, 0, -1, -1, -1, 7, -1, -1}},
      {{0x00, 0x00, 0x0A, 0x09, 0x05, 0x0F, 0x00, 0xC8, 0x05},
       {0, 0, 0, 0, 1, 1, 1, -1, -1, -1, 7, -1, -1}}};
  for (const auto& c : cases) {
    const RadioImage image = WithOptionBytes(c.bytes);
    EXPECT_EQ(Controls(ReadOptionStates(image)), c.controls) << OptionBytes(image);
  }
  RadioImage image = BlankImage();
  ASSERT_TRUE(WriteOptionStates(ReadOptionStates(image), image));
  EXPECT_EQ(image, BlankImage());
}

// Each control goes into its own bit or byte (lists as whole bytes with
// their bias); the bits and bytes no control owns keep their values; a list
// with no selection, or an index outside its list, leaves its byte.
TEST(OptionalFeatures, ControlsToImageKeepWhatTheyDoNotOwn) {
  RadioImage image = WithOptionBytes({0xF0, 0xC7, 0xF3, 0xF3, 0xF3, 0xF3, 0x5A, 0xF3, 0xF3});
  S s = ReadOptionStates(image);
  s.batterySaver = s.beep = true;
  s.busyLock = s.keyLock = 1;
  s.ani = s.vox = s.led = 0;
  s.squelchLevel = 9;
  s.voxGainLevel = 0;
  s.step = 0;
  s.timeOutTimer = 7;
  s.priorityChannel = 199;
  s.voxDelayTime = 3;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(OptionBytes(image), "FF FF 09 01 00 07 5A C7 04");
  s.batterySaver = s.beep = false;
  s.busyLock = s.keyLock = 0;
  s.ani = s.vox = s.led = 1;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(OptionBytes(image), "F0 C7 09 01 00 07 5A C7 04");

  s = ReadOptionStates(image);
  s.squelchLevel = 10;
  s.voxGainLevel = s.timeOutTimer = s.busyLock = s.ani = s.vox = -1;
  s.voxDelayTime = 4;
  s.step = 5;
  s.priorityChannel = 200;
  s.keyLock = 2;
  s.led = 7;
  const RadioImage before = image;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(image, before);
}

// Digits stop at 0xFF or at a value this program never writes (10..254),
// so "19" shows as 19; OK with the code untouched keeps those bytes; a new
// code is stored digit by digit, 0xFF-padded; a code that is not 0-3
// digits changes nothing at all.
TEST(OptionalFeatures, AniCodeDigits) {
  RadioImage image = BlankImage();
  const std::pair<std::array<std::uint8_t, 3>, const char*> shown[] = {
      {{0x01, 0x09, 0xFF}, "19"}, {{0x04, 0xFF, 0x05}, "4"}, {{0xFE, 0x0A, 0x02}, ""},
      {{0x00, 0x00, 0x07}, "007"}, {{0x01, 0x0A, 0x02}, "1"}};
  for (const auto& [bytes, text] : shown) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + offset::kAniCode);
    EXPECT_EQ(AniCodeText(image), text);
  }
  S s = ReadOptionStates(image);
  s.beep = false;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(image[offset::kAniCode + 1], 0x0A);
  for (const auto& [code, bytes] : {std::pair<const char*, std::array<std::uint8_t, 3>>{
                                        "12", {0x01, 0x02, 0xFF}},
                                    {"999", {0x09, 0x09, 0x09}},
                                    {"", {0xFF, 0xFF, 0xFF}}}) {
    s.aniCode = code;
    ASSERT_TRUE(WriteOptionStates(s, image));
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image.begin() + offset::kAniCode)) << code;
  }
  s.squelchLevel = 1;
  for (const char* code : {"1234", "1a", " 1", ":", "/"}) {
    EXPECT_FALSE(IsValidAniCode(code)) << code;
    s.aniCode = code;
    const RadioImage before = image;
    EXPECT_FALSE(WriteOptionStates(s, image)) << code;
    EXPECT_EQ(image, before) << code;
  }
}

}  // namespace
}  // namespace selkan
