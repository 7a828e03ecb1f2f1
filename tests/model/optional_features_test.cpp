#include "model/optional_features.h"

#include <gtest/gtest.h>

#include <array>

#include "model/selkan_doc.h"

namespace selkan {
namespace {

using S = OptionStates;
using Six = std::array<int, 6>;
using Three = std::array<int, 3>;

// The list bytes and controls in one order: squelch, VOX gain, step, time-out
// timer, priority channel, VOX delay.
constexpr std::array<std::size_t, 6> kListBytes = {
    offset::kSquelchLevel, offset::kVoxGainLevel,    offset::kStep,
    offset::kTimeOutTimer, offset::kPriorityChannel, offset::kVoxDelayTime};
constexpr std::array<int S::*, 6> kLists = {
    &S::squelchLevel, &S::voxGainLevel,    &S::step,
    &S::timeOutTimer, &S::priorityChannel, &S::voxDelayTime};
// Battery saver, beep, busy lock, key lock, ANI, VOX, LED.
std::array<int, 7> Switches(const S& s) {
  return {s.batterySaver, s.beep, s.busyLock, s.keyLock, s.ani, s.vox, s.led};
}
Six Lists(const S& s) {
  Six out;
  for (std::size_t i = 0; i < 6; ++i) out[i] = s.*kLists[i];
  return out;
}
Three AniBytes(const RadioImage& image) {
  return {image[offset::kAniCode], image[offset::kAniCode + 1], image[offset::kAniCode + 2]};
}
void SetAniBytes(RadioImage& image, const Three& bytes) {
  for (int i = 0; i < 3; ++i) image[offset::kAniCode + i] = std::uint8_t(bytes[i]);
}

// A blank image reads as the factory settings; OK without changes keeps it.
TEST(OptionalFeatures, BlankImageShowsFactorySettingsAndRoundTrips) {
  RadioImage image = BlankImage();
  const S s = ReadOptionStates(image);
  EXPECT_EQ(Switches(s), (std::array<int, 7>{1, 1, 1, 1, 0, 0, 0}));
  EXPECT_EQ(Lists(s), (Six{4, 4, 4, 2, 0, 0}));
  EXPECT_EQ(s.aniCode, "");
  const RadioImage before = image;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(image, before);
}

// The two lock lists and the three other switches have opposite bit senses.
TEST(OptionalFeatures, SwitchBitSenses) {
  RadioImage image = BlankImage();
  image[offset::kOptionFlags1] = 0x01;
  image[offset::kOptionFlags2] = 0x00;
  EXPECT_EQ(Switches(ReadOptionStates(image)), (std::array<int, 7>{1, 0, 0, 0, 1, 1, 1}));
  image[offset::kOptionFlags1] = 0x00;
  const S s = ReadOptionStates(image);
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
    RadioImage written = image;
    S changed = s;
    changed.*c.field = c.index;
    ASSERT_TRUE(WriteOptionStates(changed, written));
    EXPECT_EQ(written[c.byte], c.expected);
    EXPECT_EQ(written[offset::kOptionFlags1] | written[offset::kOptionFlags2], c.expected);
  }
  for (const bool saver : {false, true}) {
    S changed = s;
    (saver ? changed.batterySaver : changed.beep) = true;
    ASSERT_TRUE(WriteOptionStates(changed, image));
    EXPECT_EQ(image[offset::kOptionFlags1], saver ? 0x01 : 0x02);
  }
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

// Lists are read through masks and biases, a value outside its list as -1;
// they are written as whole bytes with their bias.
TEST(OptionalFeatures, ListIndexesFromAndToWholeBytes) {
  const std::pair<Six, Six> reads[] = {
      {{0xF9, 0x18, 0xFA, 0x0F, 0xC7, 0xFC}, {9, 7, 2, 7, 199, 3}},
      {{0x0A, 0x00, 0x05, 0x0F, 0xC8, 0x08}, {-1, -1, -1, 7, -1, -1}},
      {{0x0A, 0x09, 0x05, 0x0F, 0xC8, 0x05}, {-1, -1, -1, 7, -1, -1}}};
  for (const auto& [bytes, indexes] : reads) {
    RadioImage image = BlankImage();
    for (std::size_t i = 0; i < 6; ++i) image[kListBytes[i]] = std::uint8_t(bytes[i]);
    EXPECT_EQ(Lists(ReadOptionStates(image)), indexes);
  }

  RadioImage image = BlankImage();
  for (std::size_t byte : kListBytes) image[byte] = 0xF3;
  S s = ReadOptionStates(image);
  const Six indexes = {9, 0, 0, 7, 199, 3};
  for (std::size_t i = 0; i < 6; ++i) s.*kLists[i] = indexes[i];
  ASSERT_TRUE(WriteOptionStates(s, image));
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(image[kListBytes[i]], (Six{0x09, 0x01, 0x00, 0x07, 0xC7, 0x04}[i])) << i;
  }
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

TEST(OptionalFeatures, AniCodeDigitsArePaddedWithFFAndBadCodesChangeNothing) {
  RadioImage image = BlankImage();
  S s = ReadOptionStates(image);
  const std::pair<const char*, Three> cases[] = {
      {"12", {0x01, 0x02, 0xFF}}, {"007", {0x00, 0x00, 0x07}}, {"", {0xFF, 0xFF, 0xFF}}};
  for (const auto& [code, bytes] : cases) {
    s.aniCode = code;
    ASSERT_TRUE(WriteOptionStates(s, image));
    EXPECT_EQ(AniBytes(image), bytes) << code;
    EXPECT_EQ(ReadOptionStates(image).aniCode, code);
  }
  for (const char* valid : {"", "0", "999"}) EXPECT_TRUE(IsValidAniCode(valid)) << valid;

  s.beep = false;
  s.squelchLevel = 1;
  for (const char* code : {"1234", "1a", " 1", "-1", ":", "1 ", "/"}) {
    EXPECT_FALSE(IsValidAniCode(code)) << code;
    s.aniCode = code;
    const RadioImage before = image;
    EXPECT_FALSE(WriteOptionStates(s, image)) << code;
    EXPECT_EQ(image, before) << code;
  }
}

// Digits stop at 0xFF or at a value this program never writes (10..254); OK
// with the code untouched keeps those bytes.
TEST(OptionalFeatures, AniBytesBeyondTheDigitsAreNotShownButKept) {
  RadioImage image = BlankImage();
  const std::pair<Three, const char*> cases[] = {
      {{0x04, 0xFF, 0x05}, "4"}, {{0xFE, 0x0A, 0x02}, ""}, {{0x01, 0x0A, 0x02}, "1"}};
  for (const auto& [bytes, text] : cases) {
    SetAniBytes(image, bytes);
    EXPECT_EQ(AniCodeText(image), text);
  }
  S s = ReadOptionStates(image);
  s.beep = false;
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(AniBytes(image), (Three{0x01, 0x0A, 0x02}));
  s.aniCode = "19";
  ASSERT_TRUE(WriteOptionStates(s, image));
  EXPECT_EQ(AniBytes(image), (Three{0x01, 0x09, 0xFF}));
}

// OK marks the document modified only when a byte changed, and never
// clears a mark an earlier edit set.
TEST(OptionalFeatures, ApplyingStatesMarksTheDocumentOnlyWhenAByteChanges) {
  CSelkanDoc document;
  const RadioImage blank = document.Image();
  S s = ReadOptionStates(blank);
  EXPECT_FALSE(ApplyOptionStates(document, s));
  EXPECT_FALSE(document.IsModified());

  s.aniCode = "12a";
  s.squelchLevel = 7;
  EXPECT_FALSE(ApplyOptionStates(document, s));
  EXPECT_EQ(document.Image(), blank);
  EXPECT_FALSE(document.IsModified());

  s.aniCode = "123";
  EXPECT_TRUE(ApplyOptionStates(document, s));
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(document.Image()[offset::kSquelchLevel], 7);
  EXPECT_EQ(AniBytes(document.Image()), (Three{1, 2, 3}));

  EXPECT_FALSE(ApplyOptionStates(document, s));
  EXPECT_TRUE(document.IsModified());
}

}  // namespace
}  // namespace selkan
