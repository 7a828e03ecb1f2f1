// Where the program finds its profiles, where the user's changes go, and
// the language choice that is written to two of them at once.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "settings/language_choice.h"
#include "settings/profile_store.h"
#include "settings/program_directory.h"
#include "tests/support/files_test.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;
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

  fs::remove(dir_ / "Olvane.ini");
  Write("Selkan.ini", "[English]\r\nCompany=C\r\n");
  ASSERT_TRUE(profile.Load(product, true, true, false));
  ASSERT_TRUE(StoreLanguageChoice(profile, "English", nullptr));
  EXPECT_EQ(Read(product), "[English]\r\nCompany=C\r\n[Setup]\r\nLanguage=English\r\n");
  EXPECT_EQ(Read(dir_ / "Olvane.ini"), "[Setup]\r\nLanguage=English\r\n");
}

TEST_F(LanguageChoiceTest, AFileThatCannotBeWrittenKeepsTheFormerLanguage) {
  // The maker file cannot be written: the product profile is not touched.
  const std::string product = Write("Selkan.ini", "[Setup]\r\nLanguage=English\r\n");
  fs::create_directory(dir_ / "Olvane.ini");
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
  fs::remove(dir_ / "Olvane.ini");
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
  fs::remove(dir_ / "Olvane.ini");
  fs::create_directories(dir_ / "sub/Selkan.ini");  // unreadable as a file
  CProfileStore broken;
  broken.Load(dir_ / "sub/Selkan.ini", true, true, false);
  std::string error;
  EXPECT_FALSE(StoreLanguageChoice(broken, "Chinese", &error));
  EXPECT_NE(error.find("Selkan.ini"), std::string::npos) << error;
  EXPECT_EQ(broken.GetValue("Setup", "Language", "none"), "");
}

class ProgramDirectoryTest : public test::FilesTest {
 protected:
  // A folder below the test's directory, made on the way.
  std::string Folder(const std::string& relative) const {
    fs::create_directories(dir_ / relative);
    return dir_ / relative + "/";
  }
  static void MakeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
};

TEST_F(ProgramDirectoryTest, ProfileIsWrittenInPlaceOnlyWhereTheUserMayChangeIt) {
  const std::string program = Folder("program");
  const std::string user = Folder("user");
  const std::string shipped = program + "Selkan.ini";
  const std::string own = user + "Selkan.ini";
  const auto expect = [&](bool installed, const std::string& read, const std::string& write) {
    const ProfilePaths got = ChooseProfilePaths({program, installed}, user, "Selkan.ini");
    EXPECT_EQ(got.read, read);
    EXPECT_EQ(got.write, write);
  };
  // A build folder: the shipped file, even beside a user's copy from an
  // installed program.
  expect(false, shipped, shipped);
  Write("program/Selkan.ini", "[Setup]\n");
  Write("user/Selkan.ini", "[Setup]\n");
  expect(false, shipped, shipped);
  // Installed: the shipped file is never written, even when it could be.
  expect(true, own, own);
  fs::remove(own);
  expect(true, shipped, own);
  // A read-only file (whoever runs the program) is read until the user has
  // a copy of it.
  MakeReadOnly(shipped);
  expect(false, shipped, own);
  Write("user/Selkan.ini", "[Setup]\n");
  expect(false, own, own);
  // No shipped file: the user's own; no user folder: the shipped one.
  const ProfilePaths olvane = ChooseProfilePaths({program, true}, user, "Olvane.ini");
  EXPECT_EQ(olvane.read, user + "Olvane.ini");
  EXPECT_EQ(ChooseProfilePaths({program, true}, "", "Selkan.ini").write, shipped);
}

// The whole road through the store: a read-only shipped profile is read,
// the first real change goes to the user's copy, and the next start reads it.
TEST_F(ProgramDirectoryTest, FirstChangeOfAReadOnlyProfileCopiesItToTheUser) {
  struct Restore {  // the environment and the program directory, however the test ends
    std::optional<std::string> config;
    ~Restore() {
      SetProgramDirectory("");
      config ? ::setenv("XDG_CONFIG_HOME", config->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    }
  } restore;
  if (const char* old = std::getenv("XDG_CONFIG_HOME")) restore.config = old;
  ::setenv("XDG_CONFIG_HOME", Folder("config").c_str(), 1);
  SetProgramDirectory(Folder("program"));
  const std::string shipped = "[Setup]\nLanguage=English\n[English]\nCompany=C\n";
  const std::string path = Write("program/Selkan.ini", shipped);
  MakeReadOnly(path);
  const std::string own = dir_ / "config/Selkan/Selkan.ini";
  for (const char* language : {"english", "Chinese"}) {  // letter case alone is no change
    EXPECT_FALSE(fs::exists(own)) << "nothing changed, nothing copied";
    CProfileStore store;
    ASSERT_TRUE(store.OpenInProgramDir("Selkan.ini", true, true, false));
    store.SetValue("Setup", "Language", language);
  }
  EXPECT_EQ(Read(path), shipped);
  CProfileStore next;
  ASSERT_TRUE(next.OpenInProgramDir("Selkan.ini", true, true, false));
  EXPECT_EQ(next.FilePath(), own);
  EXPECT_EQ(next.GetValue("Setup", "Language", ""), "Chinese");
  EXPECT_EQ(next.GetValue("English", "Company", ""), "C") << "the rest came along";
}

}  // namespace
}  // namespace selkan
