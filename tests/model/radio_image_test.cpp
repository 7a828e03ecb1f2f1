#include "model/radio_image.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "model/channel_codec.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// Bytes that make every offset recognisable.
Bytes Pattern(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 + i / 256);
  return bytes;
}

class DatFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("selkan-dat-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST(BlankImage, IsAllFFExceptTheOptionBytes) {
  const RadioImage image = BlankImage();
  const std::uint8_t options[] = {0x5F, 0xB8, 0x04, 0x05, 0x04, 0x02, 0x00, 0x00, 0x01};
  for (std::size_t i = 0; i < kImageSize; ++i) {
    const bool option = i >= 0xFE0 && i <= 0xFE8;
    ASSERT_EQ(image[i], option ? options[i - 0xFE0] : 0xFF) << std::hex << i;
  }
}

// Files of at least the image size load their first 4096 bytes; the next
// save writes exactly the image over whatever was there.
TEST_F(DatFileTest, LoadsTheFirst4096BytesAndSavesExactlyTheImage) {
  for (const std::size_t size : {kImageSize, kImageSize + 1, std::size_t{10000}}) {
    SCOPED_TRACE(size);
    const Bytes bytes = Pattern(size);
    WriteAll(dir_ / "a.dat", bytes);
    const DatLoadResult result = LoadDatFile(dir_ / "a.dat");
    ASSERT_EQ(result.error, DatLoadError::None);
    EXPECT_TRUE(std::equal(result.image.begin(), result.image.end(), bytes.begin()));
    ASSERT_TRUE(SaveDatFile(dir_ / "a.dat", result.image));
    EXPECT_EQ(ReadAll(dir_ / "a.dat"), Pattern(kImageSize));
  }
}

TEST_F(DatFileTest, ShortMissingOrUnreadableFilesAreErrors) {
  for (std::size_t size : {std::size_t{0}, std::size_t{16}, kImageSize - 1}) {
    WriteAll(dir_ / "short.dat", Pattern(size));
    EXPECT_EQ(LoadDatFile(dir_ / "short.dat").error, DatLoadError::DataFormat) << size;
  }
  fs::create_directory(dir_ / "folder.dat");
  // A read that fails is the system's error, not a short image.
  const struct {
    fs::path path;
    int code;
    const char* step;
  } failures[] = {{dir_ / "missing.dat", ENOENT, "open"},
                  {dir_ / "folder.dat", EISDIR, "open"},
                  {"/proc/self/mem", EIO, "read"}};
  for (const auto& f : failures) {
    const DatLoadResult result = LoadDatFile(f.path);
    EXPECT_EQ(result.error, DatLoadError::CannotOpen) << f.path;
    EXPECT_EQ(result.detail.code, f.code) << f.path;
    EXPECT_EQ(result.detail.text, std::string("cannot ") + f.step + " " + f.path.string() + ": " +
                                      std::strerror(f.code));
  }
  FileError error;
  EXPECT_FALSE(SaveDatFile(dir_ / "no" / "such" / "c.dat", BlankImage(), &error));
  EXPECT_EQ(error.code, ENOENT);
  EXPECT_FALSE(fs::exists(dir_ / "no"));
}

// New, encode before saving, save; open and save again: the same bytes.
TEST_F(DatFileTest, SavedBlankDocumentReopensToTheSameBytes) {
  RadioImage image = BlankImage();
  image[offset::kRadioType] = 0;
  image[offset::kBandIndex] = 0;
  EncodeChannels(DecodeChannels(image, Language::English), image);
  ASSERT_TRUE(SaveDatFile(dir_ / "new.dat", image));

  const Bytes saved = ReadAll(dir_ / "new.dat");
  ASSERT_EQ(saved.size(), kImageSize);
  for (std::size_t i = 0; i < kImageSize; ++i) {
    std::uint8_t expected = 0xFF;
    if (i >= 0x10 && i < 0xC80 && i % 16 == 12) expected = 0xE1;
    if (i == offset::kRadioType || i == offset::kBandIndex) expected = 0x00;
    if (i >= 0xFE0 && i <= 0xFE8) expected = BlankImage()[i];
    ASSERT_EQ(saved[i], expected) << std::hex << i;
  }

  DatLoadResult reopened = LoadDatFile(dir_ / "new.dat");
  ASSERT_EQ(reopened.error, DatLoadError::None);
  EncodeChannels(DecodeChannels(reopened.image, Language::Chinese), reopened.image);
  ASSERT_TRUE(SaveDatFile(dir_ / "again.dat", reopened.image));
  EXPECT_EQ(ReadAll(dir_ / "again.dat"), saved);
}

}  // namespace
}  // namespace selkan
