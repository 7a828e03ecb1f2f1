#include "model/radio_image.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "model/channel_codec.h"
#include "model/selkan_doc.h"
#include "settings/process_settings.h"
#include "tests/support/files_test.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;
using DatFileTest = test::FilesTest;

// Bytes that make every offset recognisable.
std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 31 + i / 256);
  return bytes;
}

std::string AsText(const RadioImage& image) { return {image.begin(), image.end()}; }

// Files of at least the image size load their first 4096 bytes; a save
// writes exactly the image over whatever was there; a shorter file is a
// format error, and a file that cannot be read the system's error.
TEST_F(DatFileTest, LoadsTheFirst4096BytesAndSavesExactlyTheImage) {
  for (const std::size_t size : {kImageSize, std::size_t{10000}}) {
    const DatLoadResult result = LoadDatFile(Write("a.dat", Pattern(size)));
    ASSERT_EQ(result.error, DatLoadError::None);
    EXPECT_EQ(AsText(result.image), Pattern(kImageSize));
    ASSERT_TRUE(SaveDatFile(dir_ / "a.dat", result.image));
    EXPECT_EQ(Read(dir_ / "a.dat"), Pattern(kImageSize));
  }
  for (std::size_t size : {std::size_t{0}, kImageSize - 1}) {
    EXPECT_EQ(LoadDatFile(Write("short.dat", Pattern(size))).error, DatLoadError::DataFormat);
  }
  fs::create_directory(dir_ / "folder.dat");
  const struct {
    std::string path;
    int code;
    const char* step;
  } failures[] = {{dir_ / "missing.dat", ENOENT, "open"},
                  {dir_ / "folder.dat", EISDIR, "open"},
                  {"/proc/self/mem", EIO, "read"}};
  for (const auto& f : failures) {
    const DatLoadResult result = LoadDatFile(f.path);
    EXPECT_EQ(result.error, DatLoadError::CannotOpen) << f.path;
    EXPECT_EQ(result.detail.text,
              std::string("cannot ") + f.step + " " + f.path + ": " + std::strerror(f.code));
  }
}

// New, encode before saving, save; open and save again: the same bytes,
// the blank image's option bytes and a flag byte of E1 in every channel.
TEST_F(DatFileTest, SavedBlankDocumentReopensToTheSameBytes) {
  RadioImage image = BlankImage();
  EncodeChannels(DecodeChannels(image, Language::English), image);
  ASSERT_TRUE(SaveDatFile(dir_ / "new.dat", image));
  std::string expected(kImageSize, '\xFF');
  for (int channel = 1; channel <= offset::kChannelCount; ++channel)
    expected[offset::Channel(channel) + record::kFlags] = '\xE1';
  expected.replace(offset::kOptionFlags1, 9, "\x5F\xB8\x04\x05\x04\x02\x00\x00\x01", 9);
  const std::string saved = Read(dir_ / "new.dat");
  EXPECT_EQ(saved, expected);

  DatLoadResult reopened = LoadDatFile(dir_ / "new.dat");
  ASSERT_EQ(reopened.error, DatLoadError::None);
  EncodeChannels(DecodeChannels(reopened.image, Language::Chinese), reopened.image);
  EXPECT_EQ(AsText(reopened.image), saved);
}

// A document takes a file's image only when it loads, and a save that
// fails leaves the document's path, title and changes as they were.
TEST_F(DatFileTest, DocumentOpensAndSavesOnlyOnSuccess) {
  CSelkanDoc document;
  ProcessSettings settings;
  document.OnNewDocument(settings);
  EXPECT_TRUE(BlankDocumentFlag());
  EXPECT_EQ(document.Title(), "Channel Information");
  EXPECT_EQ(document.OnOpenDocument(Write("short.dat", "x")), DatLoadError::DataFormat);
  EXPECT_TRUE(BlankDocumentFlag());
  EXPECT_EQ(document.Image(), BlankImage());

  const std::string path = Write("radio.dat", Pattern(kImageSize));
  ASSERT_EQ(document.OnOpenDocument(path), DatLoadError::None);
  EXPECT_FALSE(BlankDocumentFlag());
  EXPECT_EQ(document.Title(), "radio.dat");
  document.SetModified(true);
  FileError error;
  EXPECT_FALSE(document.OnSaveDocument(dir_ / "no/such/c.dat", &error));
  EXPECT_EQ(error.code, ENOENT);
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(document.PathName(), path);
  EXPECT_FALSE(fs::exists(dir_ / "no"));
  ASSERT_TRUE(document.OnSaveDocument(dir_ / "copy.dat"));
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(document.Title(), "copy.dat");
  EXPECT_EQ(Read(dir_ / "copy.dat"), Pattern(kImageSize));
}

}  // namespace
}  // namespace selkan
