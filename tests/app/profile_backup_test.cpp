// Numbered backup copies of a profile.
#include "app/profile_backup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/profile_store.h"
#include "tests/app/profile_test_files.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;
using ProfileBackupTest = test::ProfileFilesTest;

TEST(BackupNumberTest, ReadsTheDigitsAtTheStartOfTheLastThreeCharacters) {
  EXPECT_EQ(BackupNumberOf("Selkan.ini.042"), 42);
  EXPECT_EQ(BackupNumberOf("Selkan.ini.07x"), 7);
  EXPECT_EQ(BackupNumberOf("Selkan.ini.1000"), 0);
  EXPECT_EQ(BackupNumberOf("Selkan.12"), 0) << "'.' starts the last three";
  EXPECT_EQ(BackupNumberOf("x+12"), 0) << "no sign";
  EXPECT_EQ(BackupNumberOf("9"), 9);
  EXPECT_EQ(BackupNumberOf(""), 0);
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
}

TEST_F(ProfileBackupTest, DotInTheDirectoryNameIsNoExtension) {
  fs::create_directory(dir_ / "v1.2");
  const std::string path = Write("v1.2/Selkan", "");
  Write("v1.2/Selkan.004", "");
  Write("v1.055", "");  // beside the directory, not the file
  EXPECT_EQ(NextBackupPath(path), path + ".005");
}

TEST_F(ProfileBackupTest, SaveCopiesTheOldFileAndReusesTheName) {
  const std::string path = Write("Selkan.ini", "[S]\nk=1\n");
  Write("Selkan.ini.002", "older backup");
  CProfileStore store;
  ASSERT_TRUE(store.Load(path, false, true, false));
  store.SetValue("S", "k", "2");
  EXPECT_EQ(store.Save(true), path + ".003");
  EXPECT_EQ(Read(path + ".003"), "[S]\nk=1\n");
  EXPECT_EQ(Read(path), "[S]\r\nk=2\r\n");

  store.SetValue("S", "k", "3");
  EXPECT_EQ(store.Save(true), path + ".003") << "a store chooses its backup name once";
  EXPECT_EQ(Read(path + ".003"), "[S]\r\nk=2\r\n");
  EXPECT_EQ(Read(path + ".002"), "older backup");
}

TEST_F(ProfileBackupTest, DestructionTakesABackupWhenAsked) {
  const std::string path = Write("Selkan.ini", "[S]\nk=1\n");
  {
    CProfileStore store;
    ASSERT_TRUE(store.Load(path, true, true, true));
    store.SetValue("S", "k", "2");
  }
  EXPECT_EQ(Read(path + ".001"), "[S]\nk=1\n");
  EXPECT_EQ(Read(path), "[S]\r\nk=2\r\n");
}

TEST_F(ProfileBackupTest, FailedBackupKeepsTheOldFile) {
  const std::string path = Write("Selkan.ini", "[S]\nk=1\n");
  CProfileStore store;
  ASSERT_TRUE(store.Load(path, false, true, false));
  store.SetValue("S", "k", "2");
  ASSERT_EQ(store.Save(true), path + ".001");
  fs::remove(path + ".001");
  fs::create_directory(path + ".001");  // in the way of the next copy
  store.SetValue("S", "k", "3");
  EXPECT_EQ(store.Save(true), "");
  EXPECT_EQ(Read(path), "[S]\r\nk=2\r\n");
}

}  // namespace
}  // namespace selkan
