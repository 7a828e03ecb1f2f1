#include "settings/language_choice.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "settings/profile_store.h"
#include "tests/support/files_test.h"

namespace selkan {
namespace {

using LanguageChoiceTest = test::FilesTest;

// Both files are on disk before the store is released, not at the end of
// the process; a file without "Setup" (or none at all yet) gets it.
TEST_F(LanguageChoiceTest, WritesBothFilesAtOnceKeepingTheRest) {
  const std::string product =
      Write("Selkan.ini", "[Setup]\r\nLanguage=English\r\nAppName=Selkan\r\n");
  Write("Olvane.ini", "[Maker]\r\nName=x\r\n");
  CProfileStore profile;
  ASSERT_TRUE(profile.Load(product, true, true, false));
  std::string error;
  ASSERT_TRUE(StoreLanguageChoice(profile, "Chinese", &error)) << error;
  EXPECT_EQ(Read(product), "[Setup]\r\nLanguage=Chinese\r\nAppName=Selkan\r\n");
  EXPECT_EQ(Read(dir_ / "Olvane.ini"), "[Maker]\r\nName=x\r\n[Setup]\r\nLanguage=Chinese\r\n");
  EXPECT_FALSE(profile.IsModified());  // nothing left to write at exit

  std::filesystem::remove(dir_ / "Olvane.ini");
  Write("Selkan.ini", "[English]\r\nCompany=C\r\n");
  ASSERT_TRUE(profile.Load(product, true, true, false));
  ASSERT_TRUE(StoreLanguageChoice(profile, "English", nullptr));
  EXPECT_EQ(Read(product), "[English]\r\nCompany=C\r\n[Setup]\r\nLanguage=English\r\n");
  EXPECT_EQ(Read(dir_ / "Olvane.ini"), "[Setup]\r\nLanguage=English\r\n");
}

TEST_F(LanguageChoiceTest, AFileThatCannotBeWrittenKeepsTheFormerLanguage) {
  // The maker file cannot be written: the product profile is not touched.
  const std::string product = Write("Selkan.ini", "[Setup]\r\nLanguage=English\r\n");
  std::filesystem::create_directory(dir_ / "Olvane.ini");
  {
    CProfileStore profile;
    ASSERT_TRUE(profile.Load(product, true, true, false));
    std::string error;
    EXPECT_FALSE(StoreLanguageChoice(profile, "Chinese", &error));
    EXPECT_NE(error.find("Olvane.ini"), std::string::npos) << error;
    EXPECT_EQ(profile.GetValue("Setup", "Language", ""), "English");
    EXPECT_FALSE(profile.IsModified());
  }
  EXPECT_EQ(Read(product), "[Setup]\r\nLanguage=English\r\n");

  // The maker file loads but cannot be saved (it outgrows the file size
  // limit, which the product profile does not): nothing changes either.
  std::filesystem::remove(dir_ / "Olvane.ini");
  const std::string maker = Write("Olvane.ini", "[Maker]\r\nName=" + std::string(100, 'x'));
  EXPECT_EQ(test::InChild(false,
                          [&] {
                            std::signal(SIGXFSZ, SIG_IGN);
                            const rlimit limit{64, 64};
                            ::setrlimit(RLIMIT_FSIZE, &limit);
                            CProfileStore profile;
                            profile.Load(product, false, true, false);
                            std::string error;
                            if (StoreLanguageChoice(profile, "Chinese", &error))
                              return std::string("stored");
                            if (error.find("Olvane.ini") == std::string::npos) return error;
                            if (profile.IsModified()) return std::string("left modified");
                            return profile.GetValue("Setup", "Language", "") == "English"
                                       ? std::string()
                                       : std::string("language changed");
                          }),
            "");
  EXPECT_EQ(Read(product), "[Setup]\r\nLanguage=English\r\n");
  EXPECT_EQ(Read(maker), "[Maker]\r\nName=" + std::string(100, 'x'));

  // The product profile cannot be written: it keeps its value in memory too.
  std::filesystem::remove(dir_ / "Olvane.ini");
  std::filesystem::create_directories(dir_ / "sub/Selkan.ini");  // unreadable as a file
  CProfileStore broken;
  broken.Load(dir_ / "sub/Selkan.ini", true, true, false);
  std::string error;
  EXPECT_FALSE(StoreLanguageChoice(broken, "Chinese", &error));
  EXPECT_NE(error.find("Selkan.ini"), std::string::npos) << error;
  EXPECT_EQ(broken.GetValue("Setup", "Language", "none"), "");
}

}  // namespace
}  // namespace selkan
