#include "model/optional_features.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace selkan {
namespace {

using S = OptionStates;

std::array<int, 3> AniBytes(const RadioImage& image) {
  return {image[offset::kAniCode], image[offset::kAniCode + 1], image[offset::kAniCode + 2]};
}

// Every control but the ANI code, in the order of the struct.
std::vector<int> Fields(const S& s) {
  return {s.batterySaver, s.beep, s.busyLock,     s.keyLock,
          s.ani,          s.vox,  s.led,          s.squelchLevel,
          s.voxGainLevel, s.step, s.timeOutTimer, s.priorityChannel,
          s.voxDelayTime};
}

// A blank image reads as the factory settings; OK without changes keeps it.
TEST(OptionalFeatures, BlankImageShowsFactorySettingsAndRoundTrips) {
  RadioImage image = BlankImage();
  const S s = ReadOptionStates(image);
  EXPECT_EQ(Fields(s), (std::vector<int>{1, 1, 1, 1, 0, 0, 0, 4, 4, 4, 2, 0, 0}));
  EXPECT_EQ(s.aniCode, "");
  const RadioImage before = image;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(image, before);
}

// The two lock lists and the three other switches have opposite bit senses.
TEST(OptionalFeatures, SwitchBitSenses) {
  RadioImage image = BlankImage();
  image[offset::kOptionFlags1] = 0x00;
  image[offset::kOptionFlags2] = 0x00;
  S s = ReadOptionStates(image);
  EXPECT_EQ(Fields(s), (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 4, 4, 4, 2, 0, 0}));
  image[offset::kOptionFlags1] = 0x01;
  EXPECT_TRUE(ReadOptionStates(image).batterySaver);
  EXPECT_FALSE(ReadOptionStates(image).beep);
  image[offset::kOptionFlags1] = 0x00;

  const struct {
    int S::*field;
    int index;
    std::size_t byte;
    int expected;
  } cases[] = {{&S::busyLock, 1, offset::kOptionFlags1, 0x04},
               {&S::keyLock, 1, offset::kOptionFlags1, 0x08},
               {&S::ani, 0, offset::kOptionFlags2, 0x08},
               {&S::vox, 0, offset::kOptionFlags2, 0x10},
               {&S::led, 0, offset::kOptionFlags2, 0x20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    RadioImage written = image;
    S changed = s;
    changed.*c.field = c.index;
    ASSERT_TRUE(WriteOptionStates(changed, written));
    EXPECT_EQ(written[c.byte], c.expected);
    EXPECT_EQ(written[offset::kOptionFlags1] | written[offset::kOptionFlags2], c.expected);
  }
  s.beep = true;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(image[offset::kOptionFlags1], 0x02);
}

TEST(OptionalFeatures, BitsAndBytesTheDialogDoesNotOwnAreKept) {
  RadioImage image = BlankImage();
  image[offset::kOptionFlags1] = 0xF0;
  image[offset::kOptionFlags2] = 0xC7;
  image[offset::kUnedited0xFE6] = 0x5A;
  S s = ReadOptionStates(image);
  for (const bool on : {true, false}) {
    s.batterySaver = s.beep = on;
    s.busyLock = s.keyLock = on ? 1 : 0;
    s.ani = s.vox = s.led = on ? 0 : 1;
    ASSERT_TRUE(WriteOptionStates(s, image));
    EXPECT_EQ(image[offset::kOptionFlags1], on ? 0xFF : 0xF0);
    EXPECT_EQ(image[offset::kOptionFlags2], on ? 0xFF : 0xC7);
    EXPECT_EQ(image[offset::kUnedited0xFE6], 0x5A);
  }
}

// Lists are read through masks and biases; a value outside the list is -1.
TEST(OptionalFeatures, ListIndexesFromMaskedBytes) {
  const struct {
    std::size_t byte;
    int value;
    int S::*field;
    int expected;
  } cases[] = {{offset::kSquelchLevel, 0xF9, &S::squelchLevel, 9},
               {offset::kSquelchLevel, 0x0A, &S::squelchLevel, -1},
               {offset::kVoxGainLevel, 0x18, &S::voxGainLevel, 7},
               {offset::kVoxGainLevel, 0x00, &S::voxGainLevel, -1},
               {offset::kVoxGainLevel, 0x09, &S::voxGainLevel, -1},
               {offset::kStep, 0xFA, &S::step, 2},
               {offset::kStep, 0x05, &S::step, -1},
               {offset::kTimeOutTimer, 0x0F, &S::timeOutTimer, 7},
               {offset::kPriorityChannel, 0xC7, &S::priorityChannel, 199},
               {offset::kPriorityChannel, 0xC8, &S::priorityChannel, -1},
               {offset::kVoxDelayTime, 0xFC, &S::voxDelayTime, 3},
               {offset::kVoxDelayTime, 0x08, &S::voxDelayTime, -1},
               {offset::kVoxDelayTime, 0x05, &S::voxDelayTime, -1}};
  for (const auto& c : cases) {
    RadioImage image = BlankImage();
    image[c.byte] = std::uint8_t(c.value);
    EXPECT_EQ(ReadOptionStates(image).*c.field, c.expected) << std::hex << c.byte << " " << c.value;
  }
}

TEST(OptionalFeatures, ListsAreWrittenAsWholeBytesWithTheirBias) {
  RadioImage image = BlankImage();
  for (std::size_t byte :
       {offset::kSquelchLevel, offset::kVoxGainLevel, offset::kStep, offset::kTimeOutTimer,
        offset::kPriorityChannel, offset::kVoxDelayTime}) {
    image[byte] = 0xF3;
  }
  S s = ReadOptionStates(image);
  s.squelchLevel = 9;
  s.voxGainLevel = 0;
  s.step = 0;
  s.timeOutTimer = 7;
  s.priorityChannel = 199;
  s.voxDelayTime = 3;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(image[offset::kSquelchLevel], 0x09);
  EXPECT_EQ(image[offset::kVoxGainLevel], 0x01);
  EXPECT_EQ(image[offset::kStep], 0x00);
  EXPECT_EQ(image[offset::kTimeOutTimer], 0x07);
  EXPECT_EQ(image[offset::kPriorityChannel], 0xC7);
  EXPECT_EQ(image[offset::kVoxDelayTime], 0x04);
}

// A list with no selection must not overwrite what the radio had.
TEST(OptionalFeatures, NoSelectionOrForeignIndexKeepsTheByte) {
  RadioImage image = BlankImage();
  image[offset::kVoxGainLevel] = 0x00;
  image[offset::kPriorityChannel] = 0xE0;
  image[offset::kStep] = 0x07;
  S s = ReadOptionStates(image);
  s.squelchLevel = 10;
  s.timeOutTimer = s.busyLock = s.ani = s.vox = -1;
  s.voxDelayTime = 4;
  s.keyLock = 2;
  s.led = 7;
  const RadioImage before = image;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(image, before);
}

TEST(OptionalFeatures, AniCodeDigitsArePaddedWithFF) {
  RadioImage image = BlankImage();
  S s = ReadOptionStates(image);
  const std::pair<const char*, std::array<int, 3>> cases[] = {
      {"12", {0x01, 0x02, 0xFF}}, {"007", {0x00, 0x00, 0x07}}, {"", {0xFF, 0xFF, 0xFF}}};
  for (const auto& [code, bytes] : cases) {
    s.aniCode = code;
    ASSERT_TRUE(WriteOptionStates(s, image));
    EXPECT_EQ(AniBytes(image), bytes) << code;
    EXPECT_EQ(ReadOptionStates(image).aniCode, code);
  }
  for (const char* valid : {"", "0", "999"}) EXPECT_TRUE(IsValidAniCode(valid)) << valid;
}

TEST(OptionalFeatures, BadAniCodeChangesNothing) {
  for (const char* code : {"1234", "1a", " 1", "-1", ":", "1 ", "/"}) {
    SCOPED_TRACE(code);
    EXPECT_FALSE(IsValidAniCode(code));
    RadioImage image = BlankImage();
    S s = ReadOptionStates(image);
    s.beep = false;
    s.squelchLevel = 1;
    s.aniCode = code;
    const RadioImage before = image;
    EXPECT_FALSE(WriteOptionStates(s, image));
    EXPECT_EQ(image, before);
  }
}

// Digits stop at 0xFF or at a value this program never writes (10..254); OK
// with the code untouched keeps those bytes.
TEST(OptionalFeatures, AniBytesBeyondTheDigitsAreNotShownButKept) {
  RadioImage image = BlankImage();
  const std::pair<std::array<int, 3>, const char*> cases[] = {
      {{0x04, 0xFF, 0x05}, "4"}, {{0xFE, 0x0A, 0x02}, ""}, {{0x01, 0x0A, 0x02}, "1"}};
  for (const auto& [bytes, text] : cases) {
    for (int i = 0; i < 3; ++i) image[offset::kAniCode + i] = std::uint8_t(bytes[i]);
    EXPECT_EQ(AniCodeText(image), text);
  }
  S s = ReadOptionStates(image);
  s.beep = false;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(AniBytes(image), (std::array<int, 3>{0x01, 0x0A, 0x02}));
  s.aniCode = "19";
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(AniBytes(image), (std::array<int, 3>{0x01, 0x09, 0xFF}));
}

}  // namespace
}  // namespace selkan
