// Radio images in files, in documents and the registry, and side by side.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "model/channel_codec.h"
#include "model/image_diff.h"
#include "model/product_info.h"
#include "model/radio_image.h"
#include "model/selkan_doc.h"
#include "platform/registry.h"
#include "settings/process_settings.h"
#include "settings/profile_store.h"
#include "tests/support/files_test.h"
#include "tests/support/radio_images.h"

namespace selkan {
namespace {

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
    ::stat(path.c_str(), &old);
    Write("radio.dat", bytes);
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
  options[offset::kUnedited0xFE6] = 0x80;  // between two lines, read by neither
  options[offset::kStep] = 2, options[offset::kVoxDelayTime] = 2;
  Lines below = Compare(BlankImage(), options, Language::Chinese);
  EXPECT_EQ(below, (Lines{"电池省电: 开 -> 关", "提示音: 开 -> 关", "繁忙锁定: 关 -> 开",
                          "键盘锁定: 关 -> 开", "声控延迟: 1s -> 2s", "静噪电平: 4 -> 9",
                          "步进: 25k -> 6.25k", "超时定时器: 60 -> 90", "优先信道: 无 -> 7",
                          "频段序号: 255 -> 2", "字节 0xFE1: B8 -> 38", "字节 0xFE6: 00 -> 80"}));
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
