#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace selkan {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("selkan-atomic-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::size_t FilesInDir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }
  fs::path dir_;
};

TEST_F(AtomicFileTest, ReplacesALongerFileWithExactlyTheNewBytes) {
  const fs::path target = dir_ / "x.dat";
  WriteFileAtomically(target, std::vector<std::uint8_t>(5000, 0xAA));
  const std::vector<std::uint8_t> shorter(10, 0x55);
  ASSERT_TRUE(WriteFileAtomically(target, shorter));
  EXPECT_EQ(ReadAll(target), shorter);
  EXPECT_EQ(FilesInDir(), 1u) << "no temporary file may be left behind";
}

TEST_F(AtomicFileTest, FailureLeavesTheOldFileAndSaysWhy) {
  const fs::path target = dir_ / "missing-dir" / "x.dat";
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(target, std::vector<std::uint8_t>(4, 1), &error));
  EXPECT_NE(error.find("missing-dir"), std::string::npos);

  // A directory in the way of the rename: the write fails, nothing is left.
  const fs::path blocked = dir_ / "blocked";
  fs::create_directories(blocked / "inner");
  EXPECT_FALSE(WriteFileAtomically(blocked, std::vector<std::uint8_t>(4, 1), &error));
  EXPECT_TRUE(fs::is_directory(blocked / "inner"));
  EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(AtomicFileTest, SavingThroughASymbolicLinkReplacesTheFileItNames) {
  const fs::path real = dir_ / "real.dat";
  const fs::path link = dir_ / "link.dat";
  ASSERT_TRUE(WriteFileAtomically(real, std::vector<std::uint8_t>(8, 0xAA)));
  fs::create_symlink(real.filename(), link);
  const std::vector<std::uint8_t> fresh(4, 0x55);
  ASSERT_TRUE(WriteFileAtomically(link, fresh));
  EXPECT_TRUE(fs::is_symlink(link)) << "the link itself must stay a link";
  EXPECT_EQ(ReadAll(real), fresh);
  EXPECT_EQ(FilesInDir(), 2u);
}

TEST_F(AtomicFileTest, KeepsThePermissionsOfTheFileItReplaces) {
  const fs::path target = dir_ / "private.dat";
  ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>(8, 0xAA)));
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>(4, 0x55)));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace selkan
