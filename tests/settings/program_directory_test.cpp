// Where the program finds its shipped files and where the user's changes go.
#include "settings/program_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "settings/profile_store.h"
#include "tests/support/files_test.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;

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

// The whole road through the store: a read-only Selkan.ini is read, the
// first change goes to the user's copy, and the next start reads that copy.
TEST_F(ProgramDirectoryTest, FirstChangeOfAReadOnlyProfileCopiesItToTheUser) {
  // Puts the environment and the program directory back however the test ends.
  struct Restore {
    std::optional<std::string> config;
    ~Restore() {
      SetProgramDirectory("");
      config ? ::setenv("XDG_CONFIG_HOME", config->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    }
  } restore;
  if (const char* old = std::getenv("XDG_CONFIG_HOME")) restore.config = old;
  ::setenv("XDG_CONFIG_HOME", Folder("config").c_str(), 1);
  SetProgramDirectory(Folder("program"));
  const std::string shipped = "[Setup]\nLanguage=English\nAppName=Selkan\n[English]\nCompany=C\n";
  const std::string path = Write("program/Selkan.ini", shipped);
  MakeReadOnly(path);
  const std::string own = dir_ / "config/Selkan/Selkan.ini";
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
  EXPECT_EQ(next.GetValue("English", "Company", ""), "C") << "the rest came along";
}

}  // namespace
}  // namespace selkan
