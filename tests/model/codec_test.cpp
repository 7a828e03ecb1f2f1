// Channels, tones and options in the radio's memory, and how the program shows them; radio
// images in files, in documents and the registry, and side by side.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "model/channel_codec.h"
#include "model/image_diff.h"
#include "model/option_page.h"
#include "model/optional_features.h"
#include "model/product_info.h"
#include "model/radio_image.h"
#include "model/selkan_doc.h"
#include "model/tone_table.h"
#include "platform/registry.h"
#include "settings/process_settings.h"
#include "settings/profile_store.h"
#include "tests/support/files_test.h"
#include "tests/support/radio_images.h"
#include "tools/sim/virtual_radio.h"

namespace selkan {
namespace {

constexpr Language kEn = Language::English;
constexpr Language kZh = Language::Chinese;

// Bytes as "70 06", as the virtual radio logs its frames.
std::string Hex(const std::uint8_t* bytes, std::size_t count) {
  return sim::FrameText({bytes, bytes + count});
}

// A blank image with a full channel at `channel`, some of its bytes patched.
RadioImage ImageWith(int channel, const std::vector<std::pair<int, int>>& patch = {}) {
  RadioImage image = BlankImage();
  test::PutFullChannel(image, channel);
  for (const auto& [at, value] : patch) image[offset::Channel(channel) + at] = std::uint8_t(value);
  return image;
}

// Truncated to 10 Hz, packed BCD low pair first (145.0125 on is one unit low as a binary
// product); none, or one 8 digits cannot hold, is FF FF FF FF.
TEST(ChannelCodec, FrequenciesTonesAndRowsBothWaysKeepingUninterpretedBits) {
  const std::pair<const char*, const char*> cases[] = {
      {"145.125", "00 25 51 14"},    {"136.00625", "25 06 60 13"}, {" 438.1MHz", "00 00 81 43"},
      {"145.123456", "45 23 51 14"}, {"999.99999", "99 99 99 99"}, {"145.0125", "50 12 50 14"},
      {"137.73125", "25 31 77 13"},  {"144.66875", "75 68 46 14"}, {"", "FF FF FF FF"},
      {"0.000001", "FF FF FF FF"},   {"-145.125", "FF FF FF FF"},  {"1000.0", "FF FF FF FF"},
      {"1e300", "FF FF FF FF"}};
  for (const auto& [text, hex] : cases) {
    std::uint8_t field[4] = {0xAA, 0xAA, 0xAA, 0xAA};
    EncodeFrequencyText(text, field);
    EXPECT_EQ(Hex(field, 4), hex) << text;
  }
  // Presence depends on the most significant byte only; nibbles are not checked.
  const std::uint8_t none[4] = {0x12, 0x34, 0x56, 0x00}, ff[4] = {0, 0, 0, 0xFF},
                     bad[4] = {0xFF, 0xFF, 0xFF, 0xFE};
  EXPECT_FALSE(HasFrequency(none) || HasFrequency(ff) || !HasFrequency(bad));
  EXPECT_EQ(DecodeFrequency(bad), 164 * 1000000LL + 165 * 10000 + 165 * 100 + 165);

  // Power value six shows empty; a missing frequency empties all but the other frequency and
  // its tone; a full channel's missing tone shows the none word.
  const std::tuple<std::vector<std::pair<int, int>>, Language, ChannelRow> rows[] = {
      {{}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "High", "On", "Wide"}},
      {{{12, 0x04}}, kZh, {"145.12500", "145.12500", "67.0", "D023I", "中", "关", "窄"}},
      {{{12, 0xE1}}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "Low", "Off", "Narrow"}},
      {{{12, 0x0E}}, kEn, {"145.12500", "145.12500", "67.0", "D023I", "", "On", "Narrow"}},
      {{{3, 0x00}, {9, 0xFF}}, kEn, {"", "145.12500", "", "D023I", "", "", ""}},
      {{{7, 0xFF}, {11, 0x00}}, kZh, {"145.12500", "", "67.0", "", "", "", ""}},
      {{{9, 0x00}, {11, 0xFF}}, kZh, {"145.12500", "145.12500", "无", "无", "高", "开", "宽"}}};
  for (const auto& [patch, language, row] : rows)
    EXPECT_EQ(DecodeChannel(ImageWith(7, patch), 7, language), row) << row[4] + row[0];

  // Words of both languages, exact; others store Low, Off, Narrow; an empty row, or one frequency
  // alone, keeps only the spare bits. Each row into channel 4 of ImageWith(4), flags 0xFF.
  const std::pair<ChannelRow, const char*> encoded[] = {
      {{"145.125", "136.00625", "254.1", "D754N", "Middle", "On", "Narrow"},
       "00 25 51 14 25 06 60 13 41 25 54 87 ED 12 34 56"},
      {{"145.125", "145.125", "67.0", "D023I", "高", "开", "宽"},
       "00 25 51 14 00 25 51 14 70 06 23 C0 FB 12 34 56"},
      {{"145.125", "145.125", "None", "None", "Low", "关", "窄"},
       "00 25 51 14 00 25 51 14 FF FF FF FF E1 12 34 56"},
      {{"145.125", "145.125", "None", "None", "high", "on", "wide"},
       "00 25 51 14 00 25 51 14 FF FF FF FF E1 12 34 56"},
      {{}, "FF FF FF FF FF FF FF FF FF FF FF FF E1 12 34 56"},
      {{"145.125", "", "67.0", "", "", "", ""}, "00 25 51 14 FF FF FF FF 70 06 FF FF E1 12 34 56"},
  };
  for (const auto& [row, record] : encoded) {
    RadioImage image = ImageWith(4, {{12, 0xFF}});
    EncodeChannel(row, image, 4);
    EXPECT_EQ(Hex(image.data() + offset::Channel(4), 16), record) << row[4];
  }

  // All 199 channels and nothing else: slot 0 and the bytes after the last record stay.
  RadioImage image;
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
  const RadioImage before = image;
  for (int channel : {0, 200, -1}) EncodeChannel({"145.125", "145.125"}, image, channel);
  EXPECT_EQ(std::pair(image, DecodeChannel(ImageWith(0), 0, kEn)), std::pair(before, ChannelRow{}));

  ChannelTable table;
  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    const std::string f = FormatFrequency(40000000 + 2500 * channel);
    table[channel - 1] = {f, f, "67.0", "None", "Low", "On", "Wide"};
  }
  EncodeChannels(table, image);
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + 16, image.begin()));
  EXPECT_TRUE(std::equal(before.begin() + 0xC80, before.end(), image.begin() + 0xC80));
  EXPECT_EQ(DecodeChannels(image, kEn), table);

  // The whole list: a wrong tone anywhere sets a squelch the other radios do not open.
  const std::string ctcss =
      "67.0 69.3 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 110.9 114.8 "
      "118.8 123.0 127.3 131.8 136.5 141.3 146.2 151.4 156.7 159.8 162.2 165.5 167.9 171.3 173.8 "
      "177.3 179.9 183.5 186.2 189.9 192.8 196.6 199.5 203.5 206.5 210.7 218.1 225.7 229.1 233.6 "
      "241.8 250.3 254.1";
  const std::string dcs =
      "023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 131 "
      "132 134 143 145 152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 251 252 "
      "255 261 263 265 266 271 274 306 311 315 325 331 332 343 346 351 356 364 365 371 411 412 "
      "413 423 431 432 445 446 452 454 455 462 464 465 466 503 506 516 523 526 532 546 565 606 "
      "612 624 627 631 632 645 654 662 664 703 712 723 731 732 734 743 754";
  std::string expected = "None " + ctcss;
  for (const char suffix : {'N', 'I'}) {
    std::istringstream codes(dcs);
    for (std::string code; codes >> code;) expected += " D" + code + suffix;
  }
  for (const Language language : {kEn, kZh}) {
    std::string joined;
    for (const std::string& text : BuildToneList(language)) {
      joined += (joined.empty() ? "" : " ") + text;
      const ToneCode code = ToneCodeFromText(text);
      EXPECT_EQ(ToneText(code.low, code.high, false, language), text);
    }
    EXPECT_EQ(joined, language == kEn ? expected : "无" + expected.substr(4));
  }

  // CTCSS is packed BCD of 0.1 Hz, truncated; DCS keeps digits and N flag. Tones that would
  // read back as none, DCS or another tone (below 10 Hz, from 800 Hz, codes too large) are none.
  const auto toneHex = [](const char* text) {
    const ToneCode code = ToneCodeFromText(text);
    return sim::FrameText({code.low, code.high});
  };
  const std::pair<const char*, const char*> toneCodes[] = {
      {"67.0", "70 06"},  {"254.1", "41 25"},  {"67.09", "70 06"}, {"10.0", "00 01"},
      {"799.9", "99 79"}, {"D023N", "23 80"},  {"D023I", "23 C0"}, {"D754N", "54 87"},
      {"D023", "23 C0"},  {"DD114N", "00 80"}, {"114ND", "14 80"}, {"D6399N", "99 BF"},
      {"D6299I", "99 FE"}};
  for (const auto& [text, hex] : toneCodes) EXPECT_EQ(toneHex(text), hex) << text;
  for (const char* none : {"None", "", "0.09", "-67.0", "9.9", "800.0", "1e300", "d023n", "D6400N",
                           "D6300I", "D99999999999999999N", "\xE6\x97\xA0"})  // 无
    EXPECT_EQ(toneHex(none), "FF FF") << none;
}

using S = OptionStates;
RadioImage WithOptionBytes(std::array<std::uint8_t, 9> bytes) {
  RadioImage image = BlankImage();
  std::copy(bytes.begin(), bytes.end(), image.begin() + 0xFE0);  // where the radio keeps them
  return image;
}

std::string Page(const RadioImage& image, Language language) {
  std::string text;
  for (const auto& [label, value] : OptionPageLines(image, language)) text += label + value + " ";
  return text;
}

// Switches from single bits (locks inverted), lists through masks and biases, a value outside
// its list as -1; first the blank image's factory settings, where OK alone changes nothing.
TEST(OptionalFeatures, ImageToControlsAndBackAniCodeDigitsAndThePage) {
  const std::pair<std::array<std::uint8_t, 9>, S> cases[] = {
      {{0x5F, 0xB8, 4, 5, 4, 2, 0, 0, 1}, {true, true, 1, 1, 0, 0, 0, 4, 4, 4, 2, 0, 0, ""}},
      {{0x01, 0x00, 0xF9, 0x18, 0xFA, 0x0F, 0x5A, 0xC7, 0xFC},
       {true, false, 0, 0, 1, 1, 1, 9, 7, 2, 7, 199, 3, ""}},
      {{0xF6, 0xFF, 10, 0, 5, 15, 0, 200, 8},
       {false, true, 1, 0, 0, 0, 0, -1, -1, -1, 7, -1, -1, ""}},
      {{0, 0xC7, 10, 9, 5, 15, 0, 200, 5},
       {false, false, 0, 0, 1, 1, 1, -1, -1, -1, 7, -1, -1, ""}}};  // bits no control owns
  for (const auto& [bytes, states] : cases)
    EXPECT_EQ(ReadOptionStates(WithOptionBytes(bytes)), states) << +bytes[0];

  // Each control goes into its own bit or byte, the others keep theirs; a list with no
  // selection, or an index outside it, leaves its byte.
  RadioImage image = WithOptionBytes({0xF0, 0xC7, 0xF3, 0xF3, 0xF3, 0xF3, 0x5A, 0xF3, 0xF3});
  const std::string ani = AniCodeText(image);
  ASSERT_TRUE(WriteOptionStates(S{true, true, 1, 1, 0, 0, 0, 9, 0, 0, 7, 199, 3, ani}, image));
  EXPECT_EQ(Hex(image.data() + offset::kOptionFlags1, 9), "FF FF 09 01 00 07 5A C7 04");
  ASSERT_TRUE(WriteOptionStates(S{false, false, 0, 0, 1, 1, 1, 9, 2, 0, 7, 199, 3, ani}, image));
  EXPECT_EQ(Hex(image.data() + offset::kOptionFlags1, 9), "F0 C7 09 03 00 07 5A C7 04");
  const RadioImage before = image;
  const S outside{false, false, -1, 2, -1, -1, 7, 10, -1, 5, -1, 200, 4, ""};  // -1: no selection
  EXPECT_TRUE(WriteOptionStates(outside, image) && image == before);
  CSelkanDoc document;  // OK changes the document, and marks it changed, only by a new byte
  EXPECT_FALSE(ApplyOptionStates(document, ReadOptionStates(BlankImage())) ||
               document.IsModified());
  EXPECT_TRUE(ApplyOptionStates(document, ReadOptionStates(image)) && document.IsModified());

  // Digits stop at 0xFF or at 10..254, which OK leaves as they are; a new code is stored
  // 0xFF-padded; one that is not 0-3 digits changes nothing.
  image = BlankImage();
  const std::pair<const char*, const char*> shown[] = {
      {"\xFF\x01\x02", ""}, {"\x01\x09\xFF", "19"},  {"\x04\xFF\x05", "4"},
      {"\xFE\x0A\x02", ""}, {"\x00\x00\x07", "007"}, {"\x01\x0A\x02", "1"}};
  for (const auto& [bytes, text] : shown) {
    std::copy_n(bytes, 3, image.begin() + offset::kAniCode);
    EXPECT_EQ(AniCodeText(image), text);
  }
  S s = ReadOptionStates(image);
  s.beep = false;
  EXPECT_TRUE(WriteOptionStates(s, image) && image[offset::kAniCode + 1] == 0x0A);
  s.squelchLevel = 1;  // not written either when the code is refused
  const std::pair<const char*, const char*> codes[] = {
      {"12", "01 02 FF"}, {"999", "09 09 09"}, {"", "FF FF FF"}, {"1234", "refused"},
      {"1a", "refused"},  {" 1", "refused"},   {":", "refused"}, {"/", "refused"}};
  for (const auto& [code, hex] : codes) {
    s.aniCode = code;
    const RadioImage before = image;
    const bool written = WriteOptionStates(s, image);
    EXPECT_EQ(written ? Hex(image.data() + offset::kAniCode, 3) : "refused", hex) << code;
    EXPECT_TRUE(written || image == before) << code;
  }

  // In page order; set lock bits print "Off", other switches "On"; codes at their edges.
  EXPECT_EQ(Page(BlankImage(), kEn),
            "Battery Saver:On Beep:On Busy Lock:Off Key Lock:Off Vox Delay Time:1s Vox:On "
            "Vox Gain Level:5 Squelch Level:4 LED:On Step:25k Time Out Timer:60 "
            "Priority Channel:Off ANI:On ANI Code: ");
  image = WithOptionBytes({0xFA, 0xC7, 0x39, 0xF8, 9, 0xF7, 0x00, 199, 0x0C});
  std::copy_n("\x01\xFF\x02", 3, image.begin() + 0xE50);  // where the radio keeps it
  EXPECT_EQ(Page(image, kEn),
            "Battery Saver:Off Beep:On Busy Lock:On Key Lock:Off Vox Delay Time:4s Vox:Off "
            "Vox Gain Level:8 Squelch Level:9 LED:Off Step:25k Time Out Timer:300 "
            "Priority Channel:199 ANI:Off ANI Code:1 ");
  image[offset::kStep] = 2, image[offset::kPriorityChannel] = 0;
  image[offset::kTimeOutTimer] = 0x08;  // only the low 3 bits count: Off
  EXPECT_EQ(Page(image, kZh),
            "电池省电:关 提示音:开 繁忙锁定:开 键盘锁定:关 声控延迟:4s 声控开关:关 声控电平:8 "
            "静噪电平:9 LED:关 步进:6.25k 超时定时器:关 优先信道:无 ANI:关 ANI 码:1 ");
}

namespace fs = std::filesystem;
using DatFileTest = test::FilesTest;

std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 31 + i / 256);
  return bytes;
}

constexpr const char* kTwoTypes =
    "[Setup]\nAppName = Selkan\nType1 = S-10\nType2 = S-20\n"
    "Field1 = 130 - 160MHz|400 - 470MHz\nField2 = 136 - 174MHz\n"
    "[English]\nAppName = Selkan Programmer\n[Chinese]\nAppName = Selkan CN\n";

// A file's first 4096 bytes are the image, a shorter file none. A failed open or save leaves the
// document's path, title and changes as they were.
TEST_F(DatFileTest, DocumentOpensSavesOnlyOnSuccessTellsWhenItsFileChangedAndTakesItsBand) {
  const DatLoadResult result = LoadDatFile(Write("a.dat", Pattern(10000)));
  ASSERT_EQ(result.error, DatLoadError::None);
  ASSERT_TRUE(SaveDatFile(dir_ / "a.dat", result.image));
  EXPECT_EQ(Read(dir_ / "a.dat"), Pattern(4096));
  EXPECT_EQ(LoadDatFile(dir_ / "missing.dat").error, DatLoadError::CannotOpen);
  CSelkanDoc document;
  document.OnNewDocument(ProcessSettings{});
  EXPECT_EQ(document.OnOpenDocument(Write("b.dat", Pattern(4095))), DatLoadError::DataFormat);
  EXPECT_TRUE(BlankDocumentFlag() && document.Image() == BlankImage());
  const std::string image = Pattern(kImageSize), path = Write("radio.dat", image);
  document.SetModified(true);  // an opened file is the document as it is: unmodified
  ASSERT_EQ(document.OnOpenDocument(path), DatLoadError::None);
  EXPECT_TRUE(!BlankDocumentFlag() && !document.IsModified() && document.Title() == "radio.dat")
      << document.Title();
  document.SetModified(true);
  FileError error;
  EXPECT_FALSE(document.OnSaveDocument(dir_ / "no/such/c.dat", &error) || error.code != ENOENT);
  EXPECT_TRUE(document.IsModified() && document.PathName() == path);
  ASSERT_TRUE(document.OnSaveDocument(dir_ / "copy.dat"));
  EXPECT_TRUE(!document.IsModified() && document.Title() == "copy.dat") << document.Title();
  EXPECT_EQ(Read(dir_ / "copy.dat"), image);

  // Changed behind the document: size, time, or (within the clock's resolution) bytes only.
  // A file that is gone is no change; a save makes the file its own again.
  const auto rewrite = [&](const std::string& bytes, int later) {  // time + later s
    struct stat old {};
    ::stat(path.c_str(), &old), Write("radio.dat", bytes);
    const timespec times[2] = {old.st_atim, {old.st_mtim.tv_sec + later, old.st_mtim.tv_nsec}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
  };
  const std::pair<std::function<void()>, bool> cases[] = {
      {[] {}, false},
      {[&] { rewrite("x" + image.substr(1), 0); }, true},
      {[&] { rewrite(image, 1); }, true},
      {[&] { fs::remove(path); }, false},
      {[&] { fs::remove(path), ::mkfifo(path.c_str(), 0600); }, true}};  // never opened
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    CSelkanDoc document;
    ASSERT_EQ(document.OnOpenDocument(Write("radio.dat", image)), DatLoadError::None);
    cases[i].first();
    EXPECT_EQ(document.FileChangedOnDisk(), cases[i].second) << i;
    fs::remove(path);
    ASSERT_TRUE(document.OnSaveDocument(path));
    EXPECT_FALSE(document.FileChangedOnDisk()) << i;
  }

  CProfileStore profile;
  ASSERT_TRUE(profile.Load(Write("Selkan.ini", kTwoTypes)));
  MemoryRegistry registry;
  // Before the first band: the first; beyond the last: the last; no such type: empty.
  std::string bands;
  for (const auto& [type, band] : {std::pair{0, -1}, {0, 1}, {0, 2}, {1, 1}, {2, 0}})
    bands += BandText(profile, type, band) + "|";
  EXPECT_EQ(bands, "130 - 160MHz|400 - 470MHz|400 - 470MHz|136 - 174MHz||");
  EXPECT_EQ(BandLimitsFromText("136-21474").upper, 2147400000);  // bare; the most that fits
  EXPECT_EQ(BandLimitsFromText(" - MHz").upper, 0);  // no numbers: no frequency above 0 fits
  EXPECT_EQ(BandLimitsFromText("050 - 054MHz").upper, 5400000);  // zeros in front are no stop
  // "東" (96 7C in GBK) is not split at its bar; a lead byte before a real bar pairs with nothing.
  using Bands = std::vector<std::string>;
  const std::string east = "\x96\x7C";
  EXPECT_EQ(SplitBands(east + " 136 - 174MHz|" + east + "\xB1\xB1 400 - 470MHz", TextEncoding::Gbk),
            (Bands{east + " 136 - 174MHz", east + "\xB1\xB1 400 - 470MHz"}));
  EXPECT_EQ(SplitBands("a|\x96|", TextEncoding::Gbk), (Bands{"a", "\x96|"}));
  EXPECT_EQ(SplitBands("a\x96|b", TextEncoding::Utf8), (Bands{"a\x96", "b"}));

  // The caption names the image's type (key one above its index) and its band in its list.
  RadioImage radio = BlankImage();
  radio[offset::kRadioType] = 0, radio[offset::kBandIndex] = 1;  // the second of two bands
  const CaptionNames names = CaptionNamesOf(profile, radio, "Chinese");
  EXPECT_EQ(CaptionText(names.appName, names.typeName, names.bandText, Language::Chinese),
            "Selkan CN  [ 类型:S-10  频率:400 - 470MHz ]");
  EXPECT_EQ(RadioTypeNames(profile), (std::vector<std::string>{"S-10", "S-20"}));
  const BandLimits limits = RunProductStep(radio, false, profile, registry);
  EXPECT_EQ(std::pair(limits.lower, limits.upper), std::pair(40000000, 47000000));
  // The next new document starts with the type and band of the image opened last.
  radio[offset::kRadioType] = 2, radio[offset::kBandIndex] = 3;
  EXPECT_EQ(RunProductStep(radio, false, profile, registry).upper, 0);  // type 2 has no band
  RadioImage next = BlankImage();
  RunProductStep(next, true, profile, registry);
  EXPECT_EQ(std::pair(+next[offset::kRadioType], +next[offset::kBandIndex]), std::pair(2, 3));
}

using Lines = std::vector<std::string>;

Lines Compare(const RadioImage& a, const RadioImage& b, Language language = Language::English,
              std::size_t end = kImageSize) {
  Lines lines;
  for (const ImageDifference& difference : CompareImages(a, b, language, end))
    lines.push_back(DifferenceLine(difference));
  return lines;
}

// Cells in the grid's words, a whole row when a channel comes or goes; type, band as indexes.
TEST(CompareImages, FieldsAsTheUserKnowsThemOtherBytesByAddress) {
  const RadioImage before = test::WithChannel3();  // 438.5, 439.5, 88.5, 88.5, High, On, Wide
  RadioImage after = before, at199 = BlankImage();
  EncodeChannel({"438.51250", "439.50000", "88.5", "88.5", "Low", "On", "Wide"}, after, 3);
  EncodeChannel(DecodeChannel(before, 3, Language::English), at199, 199);
  EXPECT_EQ(Compare(before, after), (Lines{"Channel 3, Rx Frequency: 438.50000 -> 438.51250",
                                           "Channel 3, Power: High -> Low"}));
  EXPECT_EQ(Compare(before, after, Language::Chinese),
            (Lines{"信道3, 接收频率: 438.50000 -> 438.51250", "信道3, 功率: 高 -> 低"}));
  EXPECT_EQ(CompareImages(before, after, Language::English).back().channel, 3);
  EXPECT_EQ(Compare(BlankImage(), at199),
            (Lines{"Channel 199: empty -> 438.50000, 439.50000, 88.5, 88.5, High, On, Wide"}));
  EXPECT_EQ(Compare(before, BlankImage(), Language::Chinese),
            (Lines{"信道3: 438.50000, 439.50000, 88.5, 88.5, 高, 开, 宽 -> 空"}));

  RadioImage options = BlankImage();
  options[offset::kOptionFlags1] ^= 0x0F;  // four lines: their byte is not listed again
  options[offset::kOptionFlags2] ^= 0x80;  // the byte after, which they do not read, is
  options[offset::kSquelchLevel] = 9, options[offset::kBandIndex] = 2;
  options[offset::kTimeOutTimer] = 3, options[offset::kPriorityChannel] = 7;
  options[offset::kUnedited0xFE6] = 0x80;   // between two lines, read by neither
  options[offset::kBandIndex + 1] ^= 0x01;  // after the band index, which is one byte
  options[offset::kStep] = 2, options[offset::kVoxDelayTime] = 2;
  options[offset::kVoxGainLevel] = 3;  // one byte of its own, not listed again
  Lines below = Compare(BlankImage(), options, Language::Chinese);
  EXPECT_EQ(below, (Lines{"电池省电: 开 -> 关", "提示音: 开 -> 关", "繁忙锁定: 关 -> 开",
                          "键盘锁定: 关 -> 开", "声控延迟: 1s -> 2s", "声控电平: 5 -> 3",
                          "静噪电平: 4 -> 9", "步进: 25k -> 6.25k", "超时定时器: 60 -> 90",
                          "优先信道: 无 -> 7", "频段序号: 255 -> 2", "字节 0xFD2: FF -> FE",
                          "字节 0xFE1: B8 -> 38", "字节 0xFE6: 00 -> 80"}));
  below.erase(below.begin() + 4);  // a field at the end's address is not compared
  EXPECT_EQ(Compare(BlankImage(), options, Language::Chinese, offset::kVoxDelayTime), below);

  // By address (a record's under its channel), runs of up to eight values, ending at a record;
  // bytes from the end on are not compared. New/Save vs a radio: a flag byte of each empty
  // channel; the same change in consecutive channels is one line, a gap or another value splits.
  RadioImage bytes = BlankImage();
  bytes[offset::Channel(5) + 13] = 0x00;  // a record byte no column reads
  bytes[offset::kOptionFlags1] ^= 0x80;   // an option bit no field reads; one in the byte
  bytes[offset::kStep] = 2, bytes[offset::kTimeOutTimer] ^= 0x80;  // after the step's too
  for (std::size_t a = 0xD00; a < 0xD0A; ++a) bytes[a] = static_cast<std::uint8_t>(a);
  for (std::size_t a = 0xE00; a < 0xE08; ++a) bytes[a] = 0;
  bytes[offset::Channel(1) + 15] = 0, bytes[0xFF0] = 0;
  bytes[offset::Channel(2)] = 0x01;  // no frequency: the channel stays empty
  Lines lines = Compare(BlankImage(), bytes);
  EXPECT_EQ(lines,
            (Lines{"Channel 1, bytes 0x01F: FF -> 00", "Channel 2, bytes 0x020: FF -> 01",
                   "Channel 5, bytes 0x05D: FF -> 00", "Step: 25k -> 6.25k",
                   "Bytes 0xD00-0xD09: FF FF FF FF FF FF FF FF ... -> 00 01 02 03 04 05 06 07 ...",
                   "Bytes 0xE00-0xE07: FF FF FF FF FF FF FF FF -> 00 00 00 00 00 00 00 00",
                   "Bytes 0xFE0: 5F -> DF", "Bytes 0xFE5: 02 -> 82", "Bytes 0xFF0: FF -> 00"}));
  EXPECT_EQ(CompareImages(BlankImage(), bytes, Language::English).front().channel, 1);
  lines.pop_back();
  EXPECT_EQ(Compare(BlankImage(), bytes, Language::English, offset::kWriteLimit), lines);

  RadioImage saved = BlankImage();
  for (int channel = 1; channel <= 199; ++channel)
    saved[offset::Channel(channel) + 12] = channel == 4 ? 0xFF : channel == 6 ? 0xE0 : 0xE1;
  EXPECT_EQ(
      Compare(saved, BlankImage()),
      (Lines{"Channels 1-3, record byte 12: E1 -> FF", "Channel 5, bytes 0x05C: E1 -> FF",
             "Channel 6, bytes 0x06C: E0 -> FF", "Channels 7-199, record byte 12: E1 -> FF"}));
  EXPECT_EQ(Compare(saved, BlankImage(), Language::Chinese).back(),
            "信道7-199, 记录字节 12: E1 -> FF");
}

}  // namespace
}  // namespace selkan
