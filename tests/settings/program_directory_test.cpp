// Where the program finds its shipped files and where the user's changes go.
#include "settings/program_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "settings/profile_store.h"
#include "tests/settings/profile_test_files.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;

class ProgramDirectoryTest : public test::ProfileFilesTest {
 protected:
  // A folder below the test's directory, made on the way.
  std::string Folder(const std::string& relative) const {
    fs::create_directories(dir_ / relative);
    return (dir_ / relative).string() + "/";
  }
  static void MakeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
};

TEST_F(ProgramDirectoryTest, InstalledProgramKeepsItsFilesInTheSharedFolder) {
  const std::string bin = Folder("prefix/bin");
  const ProgramFolders build = FindProgramFolders(bin, "../share/selkan");
  EXPECT_EQ(build.directory, bin) << "a build folder holds everything itself";
  EXPECT_FALSE(build.installed);

  const std::string data = Folder("prefix/share/selkan");
  for (const std::string& from : {bin, bin.substr(0, bin.size() - 1)}) {
    const ProgramFolders installed = FindProgramFolders(from, "../share/selkan");
    EXPECT_EQ(installed.directory, data);
    EXPECT_TRUE(installed.installed);
  }
  EXPECT_FALSE(FindProgramFolders(bin, "").installed);
}

TEST_F(ProgramDirectoryTest, UserConfigurationFolderFollowsTheDesktopConvention) {
  EXPECT_EQ(UserConfigDirectoryFrom("/cfg", "/home/u"), "/cfg/Selkan/");
  EXPECT_EQ(UserConfigDirectoryFrom("relative", "/home/u"), "/home/u/.config/Selkan/");
  EXPECT_EQ(UserConfigDirectoryFrom("", "/home/u"), "/home/u/.config/Selkan/");
  EXPECT_EQ(UserConfigDirectoryFrom(nullptr, "/home/u/"), "/home/u/.config/Selkan/");
  EXPECT_EQ(UserConfigDirectoryFrom(nullptr, ""), "");
  EXPECT_EQ(UserConfigDirectoryFrom(nullptr, nullptr), "");
}

TEST_F(ProgramDirectoryTest, ProfileIsWrittenInPlaceOnlyWhereTheUserMayChangeIt) {
  const std::string program = Folder("program");
  const std::string user = Folder("user");
  const std::string shipped = program + "Selkan.ini";
  const std::string own = user + "Selkan.ini";
  const auto paths = [&](bool installed) {
    return ChooseProfilePaths({program, installed}, user, "Selkan.ini");
  };
  const auto expect = [](const ProfilePaths& got, const std::string& read,
                         const std::string& write) {
    EXPECT_EQ(got.read, read);
    EXPECT_EQ(got.write, write);
  };

  // A build folder: the shipped file, even beside a user's copy from an
  // installed program.
  expect(paths(false), shipped, shipped);
  Write("program/Selkan.ini", "[Setup]\n");
  Write("user/Selkan.ini", "[Setup]\n");
  expect(paths(false), shipped, shipped);

  // Installed: the shipped file is never written, even when it could be.
  expect(paths(true), own, own);
  fs::remove(own);
  expect(paths(true), shipped, own);
  expect(ChooseProfilePaths({program, true}, user, "Olvane.ini"), user + "Olvane.ini",
         user + "Olvane.ini");

  // A read-only file (whoever runs the program) is read until the user has a
  // copy of it.
  MakeReadOnly(shipped);
  expect(paths(false), shipped, own);
  Write("user/Selkan.ini", "[Setup]\n");
  expect(paths(false), own, own);

  // With no user folder known, nothing better than the shipped file exists.
  const ProfilePaths homeless = ChooseProfilePaths({program, true}, "", "Selkan.ini");
  expect(homeless, shipped, shipped);
}

// The whole road through the store: a read-only Selkan.ini is read, the first
// change goes to the user's copy, and the next start reads that copy.
class UserCopyTest : public ProgramDirectoryTest {
 protected:
  void SetUp() override {
    ProgramDirectoryTest::SetUp();
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) oldConfig_ = old;
    ::setenv("XDG_CONFIG_HOME", Folder("config").c_str(), 1);
    SetProgramDirectory(Folder("program"));
  }
  void TearDown() override {
    SetProgramDirectory("");
    if (oldConfig_) {
      ::setenv("XDG_CONFIG_HOME", oldConfig_->c_str(), 1);
    } else {
      ::unsetenv("XDG_CONFIG_HOME");
    }
    ProgramDirectoryTest::TearDown();
  }
  std::optional<std::string> oldConfig_;
};

TEST_F(UserCopyTest, FirstChangeOfAReadOnlyProfileCopiesItToTheUser) {
  const std::string shipped = "[Setup]\nLanguage=English\nAppName=Selkan\n[English]\nCompany=C\n";
  const std::string path = Write("program/Selkan.ini", shipped);
  MakeReadOnly(path);
  const std::string own = (dir_ / "config" / "Selkan" / "Selkan.ini").string();
  {
    CProfileStore reader;
    ASSERT_TRUE(reader.OpenInProgramDir("Selkan.ini", true, true, false));
    EXPECT_EQ(reader.GetValue("English", "Company", ""), "C");
    reader.SetValue("Setup", "Language", "english");  // letter case only: no change
  }
  EXPECT_FALSE(fs::exists(own)) << "nothing changed, nothing copied";
  {
    CProfileStore writer;
    ASSERT_TRUE(writer.OpenInProgramDir("Selkan.ini", true, true, false));
    writer.SetValue("Setup", "Language", "Chinese");
  }
  EXPECT_EQ(Read(path), shipped);
  CProfileStore next;
  ASSERT_TRUE(next.OpenInProgramDir("Selkan.ini", true, true, false));
  EXPECT_EQ(next.FilePath(), own);
  EXPECT_EQ(next.GetValue("Setup", "Language", ""), "Chinese");
  EXPECT_EQ(next.GetValue("Setup", "AppName", ""), "Selkan") << "the rest came along";
  EXPECT_EQ(next.GetValue("English", "Company", ""), "C");
}

}  // namespace
}  // namespace selkan
