// Numbered backup copies of a profile.
#include "settings/profile_backup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/profile_store.h"
#include "tests/settings/profile_test_files.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;
using ProfileBackupTest = test::ProfileFilesTest;

// The digits at the start of the last three characters: '.' may start them,
// no sign is read.
TEST(BackupNumberTest, ReadsTheDigitsAtTheStartOfTheLastThreeCharacters) {
  const std::pair<const char*, int> cases[] = {{"Selkan.ini.042", 42},
                                               {"Selkan.ini.07x", 7},
                                               {"Selkan.ini.1000", 0},
                                               {"Selkan.12", 0},
                                               {"x+12", 0},
                                               {"9", 9},
                                               {"", 0}};
  for (const auto& [name, number] : cases) EXPECT_EQ(BackupNumberOf(name), number) << name;
}

TEST_F(ProfileBackupTest, NextNumberIsOneAboveTheLargestBesideTheFile) {
  const std::string path = Write("Selkan.ini", "");
  EXPECT_EQ(NextBackupPath(path), path + ".001");
  for (const char* name : {"Selkan.ini.001", "Selkan.ini.007", "Selkan.old.03x", "Other.ini.099"}) {
    Write(name, "");
  }
  EXPECT_EQ(NextBackupPath(path), path + ".008");
  Write("Selkan.ini.999", "");
  EXPECT_EQ(NextBackupPath(path), path + ".1000");

  // A dot in the directory name is no extension.
  fs::create_directory(dir_ / "v1.2");
  const std::string inner = Write("v1.2/Selkan", "");
  Write("v1.2/Selkan.004", "");
  Write("v1.055", "");  // beside the directory, not the file
  EXPECT_EQ(NextBackupPath(inner), inner + ".005");
}

// A store chooses its backup name once and copies the old file there; a
// failed copy keeps the old file.
TEST_F(ProfileBackupTest, SaveCopiesTheOldFileAndReusesTheName) {
  const std::string path = Write("Selkan.ini", "[S]\r\nk=1\r\n");
  Write("Selkan.ini.002", "older backup");
  CProfileStore store;
  ASSERT_TRUE(store.Load(path, false, true, false));
  store.SetValue("S", "k", "2");
  EXPECT_EQ(store.Save(true), path + ".003");
  EXPECT_EQ(Read(path + ".003"), "[S]\r\nk=1\r\n");
  EXPECT_EQ(Read(path), "[S]\r\nk=2\r\n");

  store.SetValue("S", "k", "3");
  EXPECT_EQ(store.Save(true), path + ".003");
  EXPECT_EQ(Read(path + ".003"), "[S]\r\nk=2\r\n");
  EXPECT_EQ(Read(path + ".002"), "older backup");

  fs::remove(path + ".003");
  fs::create_directory(path + ".003");  // in the way of the next copy
  store.SetValue("S", "k", "4");
  EXPECT_EQ(store.Save(true), "");
  EXPECT_EQ(Read(path), "[S]\r\nk=3\r\n");
}

TEST_F(ProfileBackupTest, DestructionTakesABackupWhenAsked) {
  const std::string path = Write("Selkan.ini", "[S]\r\nk=1\r\n");
  {
    CProfileStore store;
    ASSERT_TRUE(store.Load(path, true, true, true));
    store.SetValue("S", "k", "2");
  }
  EXPECT_EQ(Read(path + ".001"), "[S]\r\nk=1\r\n");
  EXPECT_EQ(Read(path), "[S]\r\nk=2\r\n");
}

}  // namespace
}  // namespace selkan
