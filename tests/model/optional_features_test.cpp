#include "model/optional_features.h"

#include <gtest/gtest.h>

#include <array>

namespace selkan {
namespace {

std::array<int, 3> AniBytes(const RadioImage& image) {
  return {image[offset::kAniCode], image[offset::kAniCode + 1], image[offset::kAniCode + 2]};
}

// A blank image reads as the radio's factory settings and OK without
// changes leaves every option byte as it was.
TEST(OptionalFeatures, BlankImageShowsFactorySettingsAndRoundTrips) {
  RadioImage image = BlankImage();
  const OptionStates s = ReadOptionStates(image);
  EXPECT_TRUE(s.batterySaver);
  EXPECT_TRUE(s.beep);
  EXPECT_EQ(s.busyLock, 1);  // "Off"
  EXPECT_EQ(s.keyLock, 1);   // "Off"
  EXPECT_EQ(s.ani, 0);       // "On"
  EXPECT_EQ(s.vox, 0);
  EXPECT_EQ(s.led, 0);
  EXPECT_EQ(s.squelchLevel, 4);
  EXPECT_EQ(s.voxGainLevel, 4);  // shown as "5"
  EXPECT_EQ(s.step, 4);          // "25k"
  EXPECT_EQ(s.timeOutTimer, 2);  // "60"
  EXPECT_EQ(s.priorityChannel, 0);
  EXPECT_EQ(s.voxDelayTime, 0);  // "1s"
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
  OptionStates s = ReadOptionStates(image);
  EXPECT_FALSE(s.batterySaver);
  EXPECT_FALSE(s.beep);
  EXPECT_EQ(s.busyLock, 0);
  EXPECT_EQ(s.keyLock, 0);
  EXPECT_EQ(s.ani, 1);
  EXPECT_EQ(s.vox, 1);
  EXPECT_EQ(s.led, 1);

  RadioImage saverOnly = image;
  saverOnly[offset::kOptionFlags1] = 0x01;
  EXPECT_TRUE(ReadOptionStates(saverOnly).batterySaver);
  EXPECT_FALSE(ReadOptionStates(saverOnly).beep);

  struct Case {
    int OptionStates::*field;
    int index;
    std::size_t byte;
    int expected;
  };
  const Case cases[] = {
      {&OptionStates::busyLock, 1, offset::kOptionFlags1, 0x04},
      {&OptionStates::keyLock, 1, offset::kOptionFlags1, 0x08},
      {&OptionStates::ani, 0, offset::kOptionFlags2, 0x08},
      {&OptionStates::vox, 0, offset::kOptionFlags2, 0x10},
      {&OptionStates::led, 0, offset::kOptionFlags2, 0x20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    RadioImage written = image;
    OptionStates changed = s;
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
  OptionStates s = ReadOptionStates(image);
  s.batterySaver = s.beep = true;
  s.busyLock = s.keyLock = 1;
  s.ani = s.vox = s.led = 0;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(image[offset::kOptionFlags1], 0xFF);
  EXPECT_EQ(image[offset::kOptionFlags2], 0xFF);
  EXPECT_EQ(image[offset::kUnedited0xFE6], 0x5A);

  s.batterySaver = s.beep = false;
  s.busyLock = s.keyLock = 0;
  s.ani = s.vox = s.led = 1;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(image[offset::kOptionFlags1], 0xF0);
  EXPECT_EQ(image[offset::kOptionFlags2], 0xC7);
  EXPECT_EQ(image[offset::kUnedited0xFE6], 0x5A);
}

// Lists are read through masks and biases; a value outside the list shows
// no selection.
TEST(OptionalFeatures, ListIndexesFromMaskedBytes) {
  RadioImage image = BlankImage();
  image[offset::kSquelchLevel] = 0xF9;     // low 4 bits 9: last entry
  image[offset::kVoxGainLevel] = 0x18;     // 8 - 1 = 7: last entry
  image[offset::kStep] = 0xFA;             // low 3 bits 2: "6.25k"
  image[offset::kTimeOutTimer] = 0x0F;     // low 3 bits 7: "300"
  image[offset::kPriorityChannel] = 0xC7;  // channel 199
  image[offset::kVoxDelayTime] = 0xFC;     // 4 - 1 = 3: "4s"
  OptionStates s = ReadOptionStates(image);
  EXPECT_EQ(s.squelchLevel, 9);
  EXPECT_EQ(s.voxGainLevel, 7);
  EXPECT_EQ(s.step, 2);
  EXPECT_EQ(s.timeOutTimer, 7);
  EXPECT_EQ(s.priorityChannel, 199);
  EXPECT_EQ(s.voxDelayTime, 3);

  image[offset::kSquelchLevel] = 0x0A;
  image[offset::kVoxGainLevel] = 0x00;  // 0 - 1
  image[offset::kStep] = 0x05;
  image[offset::kPriorityChannel] = 0xC8;  // 200
  image[offset::kVoxDelayTime] = 0x08;     // low 3 bits 0, minus 1
  s = ReadOptionStates(image);
  EXPECT_EQ(s.squelchLevel, -1);
  EXPECT_EQ(s.voxGainLevel, -1);
  EXPECT_EQ(s.step, -1);
  EXPECT_EQ(s.priorityChannel, -1);
  EXPECT_EQ(s.voxDelayTime, -1);

  image[offset::kVoxGainLevel] = 0x09;  // 9 - 1 = 8, one past the list
  image[offset::kVoxDelayTime] = 0x05;  // 5 - 1 = 4, one past the list
  s = ReadOptionStates(image);
  EXPECT_EQ(s.voxGainLevel, -1);
  EXPECT_EQ(s.voxDelayTime, -1);
}

TEST(OptionalFeatures, ListsAreWrittenAsWholeBytesWithTheirBias) {
  RadioImage image = BlankImage();
  image[offset::kSquelchLevel] = 0xF3;
  OptionStates s = ReadOptionStates(image);
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

// A list with no selection must not overwrite what the radio had with an
// index of -1.
TEST(OptionalFeatures, NoSelectionOrForeignIndexKeepsTheByte) {
  RadioImage image = BlankImage();
  image[offset::kVoxGainLevel] = 0x00;
  image[offset::kPriorityChannel] = 0xE0;
  image[offset::kStep] = 0x07;
  OptionStates s = ReadOptionStates(image);
  ASSERT_EQ(s.voxGainLevel, -1);
  ASSERT_EQ(s.priorityChannel, -1);
  ASSERT_EQ(s.step, -1);
  s.squelchLevel = 10;  // beyond the list
  s.timeOutTimer = -1;
  s.voxDelayTime = 4;
  s.busyLock = -1;
  s.keyLock = 2;
  s.ani = -1;
  s.vox = -1;
  s.led = 7;
  const RadioImage before = image;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(image, before);
}

TEST(OptionalFeatures, AniCodeDigitsArePaddedWithFF) {
  RadioImage image = BlankImage();
  OptionStates s = ReadOptionStates(image);

  s.aniCode = "12";
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(AniBytes(image), (std::array<int, 3>{0x01, 0x02, 0xFF}));
  EXPECT_EQ(AniCodeText(image), "12");

  s.aniCode = "007";
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(AniBytes(image), (std::array<int, 3>{0x00, 0x00, 0x07}));
  EXPECT_EQ(ReadOptionStates(image).aniCode, "007");

  s.aniCode = "";
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(AniBytes(image), (std::array<int, 3>{0xFF, 0xFF, 0xFF}));
}

TEST(OptionalFeatures, BadAniCodeChangesNothing) {
  for (const char* code : {"1234", "1a", " 1", "-1", ":", "1 ", "/"}) {
    SCOPED_TRACE(code);
    EXPECT_FALSE(IsValidAniCode(code));
    RadioImage image = BlankImage();
    OptionStates s = ReadOptionStates(image);
    s.beep = false;
    s.squelchLevel = 1;
    s.aniCode = code;
    const RadioImage before = image;
    EXPECT_FALSE(WriteOptionStates(s, image));
    EXPECT_EQ(image, before);
  }
  EXPECT_TRUE(IsValidAniCode(""));
  EXPECT_TRUE(IsValidAniCode("0"));
  EXPECT_TRUE(IsValidAniCode("999"));
}

// Digits stop at 0xFF; a value this program never writes (10..254) also ends
// the shown code, and OK with the code untouched keeps those bytes.
TEST(OptionalFeatures, AniBytesBeyondTheDigitsAreNotShownButKept) {
  RadioImage image = BlankImage();
  image[offset::kAniCode] = 0x04;
  image[offset::kAniCode + 1] = 0xFF;
  image[offset::kAniCode + 2] = 0x05;
  EXPECT_EQ(AniCodeText(image), "4");

  image[offset::kAniCode] = 0x01;
  image[offset::kAniCode + 1] = 0x0A;
  image[offset::kAniCode + 2] = 0x02;
  EXPECT_EQ(AniCodeText(image), "1");
  image[offset::kAniCode] = 0xFE;
  EXPECT_EQ(AniCodeText(image), "");

  image[offset::kAniCode] = 0x01;
  OptionStates s = ReadOptionStates(image);
  s.beep = false;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(AniBytes(image), (std::array<int, 3>{0x01, 0x0A, 0x02}));

  s.aniCode = "19";
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(AniBytes(image), (std::array<int, 3>{0x01, 0x09, 0xFF}));
}

}  // namespace
}  // namespace selkan
