// Loading a profile and looking values up.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/profile_store.h"
#include "tests/settings/profile_test_files.h"

namespace selkan {
namespace {

class ProfileReadTest : public test::ProfileFilesTest {
 protected:
  // Loads the bytes with the program's options: written back on close,
  // case-insensitive, no backup.
  void LoadText(const std::string& bytes) {
    ASSERT_TRUE(store_.Load(Write("Selkan.ini", bytes), true, true, false));
  }
  CProfileStore store_;
};

TEST_F(ProfileReadTest, ReadsSectionsLeadingKeysAndBothLineEnds) {
  LoadText("lead = 1\r\n[Setup]\nLanguage = English\r\n\n  [ Spaced ]  \nflag\nlast=x");
  EXPECT_EQ(store_.GetValue("", "lead", "-"), "1");
  EXPECT_EQ(store_.GetValue("setup", "LANGUAGE", "-"), "English");
  EXPECT_EQ(store_.GetValue(" Spaced ", "flag", "-"), "") << "name not trimmed; no '=': empty";
  EXPECT_EQ(store_.GetValue(" Spaced ", "last", "-"), "x");
  EXPECT_EQ(store_.GetValue("Setup", "lead", "-"), "-");
  EXPECT_FALSE(store_.IsModified());
}

TEST_F(ProfileReadTest, SkipsCommentsBlankLinesAndEmptyKeys) {
  LoadText("[S]\n; Company=c\n// a=1\n/* b=2 */\n\\c=3\n*d=4\n   \n=orphan\nreal=yes\n");
  for (const char* key : {"; Company", "Company", "// a", "a", "b", "\\c", "c", "d", ""}) {
    EXPECT_EQ(store_.GetValue("S", key, "none"), "none") << key;
  }
  EXPECT_EQ(store_.GetValue("S", "real", ""), "yes");
}

TEST_F(ProfileReadTest, DuplicatesYieldTheLastKeyOfTheFirstSection) {
  LoadText("[S]\nk=first\nk=second\n[S]\nk=third\nonly=here\n");
  EXPECT_EQ(store_.GetValue("S", "k", ""), "second");
  EXPECT_EQ(store_.GetValue("S", "only", "missing"), "missing");
}

TEST_F(ProfileReadTest, DefaultIsTrimmedOnlyForAMissingKeyOfAnExistingSection) {
  LoadText("; only a comment\n");
  EXPECT_EQ(store_.GetValue("", "k", " d "), " d ") << "no leading section yet";
  LoadText("[S]\nk=v\n");
  EXPECT_EQ(store_.GetValue("S", "missing", "  d e \t"), "d e");
  EXPECT_EQ(store_.GetValue("", "missing", " d "), "d") << "a later header enters the lead";
  EXPECT_EQ(store_.GetValue("Missing", "k", "  d e \t"), "  d e \t");
}

TEST_F(ProfileReadTest, ValueIsCutAtNoteMarkersButNotTrimmed) {
  LoadText(
      "[S]\nslash = Acme // maker\ntab = Acme\t; maker\nsemicolon = Acme ; maker\n"
      "block = Acme /* maker */\n");
  EXPECT_EQ(store_.GetValue("S", "slash", ""), "Acme ");
  EXPECT_EQ(store_.GetValue("S", "tab", ""), "Acme");
  EXPECT_EQ(store_.GetValue("S", "semicolon", ""), "Acme ; maker");
  EXPECT_EQ(store_.GetValue("S", "block", ""), "Acme ");
}

// 0xB0 0x41 and 0xB0 0x61 are two GBK characters whose trail bytes look like
// 'A' and 'a'; 0xB0 0x5D is one whose trail byte looks like "]".
TEST_F(ProfileReadTest, GbkTrailBytesAreNoLettersOrBrackets) {
  LoadText("[\xB0\x41]\r\nKey=upper\r\n[\xB0\x61]\r\nKey=lower\r\n\xB0\x61=1\r\n\xB0\x41=2\r\n");
  EXPECT_EQ(store_.GetValue("\xB0\x61", "key", ""), "lower");
  EXPECT_EQ(store_.GetValue("\xB0\x41", "KEY", ""), "upper");
  EXPECT_EQ(store_.GetValue("\xB0\x61", "\xB0\x61", ""), "1");
  LoadText("k=lead\n[\xB0\x5D\nk=after\n");
  EXPECT_EQ(store_.GetValue("\xB0", "k", "none"), "none");
  EXPECT_EQ(store_.GetValue("", "k", ""), "after");
}

TEST_F(ProfileReadTest, Utf8FileFoldsAsciiAroundChineseTextAndKeepsOtherBytes) {
  LoadText("\xEF\xBB\xBF[x\xE4\xB8\xAD\xE6\x96\x87Y]\nTitle=t\n");  // byte order mark first
  EXPECT_EQ(store_.GetValue("X\xE4\xB8\xAD\xE6\x96\x87y", "TITLE", ""), "t");
  const std::string value("a\0b\x01\xFF", 5);
  LoadText("[S]\nk=" + value + "\n");
  EXPECT_EQ(store_.GetValue("S", "k", ""), value);
}

TEST_F(ProfileReadTest, ManySectionsGrowPastTheGrowthStep) {
  std::string text;
  for (int i = 0; i < 11; ++i)
    text += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
  for (const int step : {1, 4, 0}) {
    CProfileStore store(step);
    ASSERT_TRUE(store.Load(Write("many.ini", text), false, true, false));
    for (int i = 0; i < 11; ++i) {
      EXPECT_EQ(store.GetValue("S" + std::to_string(i), "k", ""), std::to_string(i)) << step;
    }
  }
}

TEST_F(ProfileReadTest, MissingFileIsCreatedEmptyUnlessItCannotBe) {
  const std::string path = PathOf("new.ini");
  ASSERT_TRUE(store_.Load(path, true, true, false));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  EXPECT_EQ(store_.FilePath(), path);
  EXPECT_EQ(store_.GetValue("Setup", "Language", " x "), " x ");

  CProfileStore failed;
  EXPECT_FALSE(failed.Load(PathOf("no-such-dir/Selkan.ini"), true, true, false));
  EXPECT_EQ(failed.FilePath(), "");
  failed.SetValue("Setup", "Language", "Chinese");
  EXPECT_FALSE(failed.IsModified()) << "without a file nothing is set";
  EXPECT_EQ(failed.GetValue("Setup", "Language", "d"), "d");
}

TEST_F(ProfileReadTest, OpensTheFileInTheProgramDirectory) {
  const std::string own = std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
  EXPECT_EQ(ProgramDirectory(), own + "/");
  SetProgramDirectory(dir_.string());
  EXPECT_EQ(ProgramDirectory(), dir_.string() + "/");
  Write("Selkan.ini", "[Setup]\nAppName=Selkan\n");
  ASSERT_TRUE(store_.OpenInProgramDir("Selkan.ini", true, true, false));
  SetProgramDirectory("");
  EXPECT_EQ(ProgramDirectory(), own + "/");
  EXPECT_EQ(store_.FilePath(), (dir_ / "Selkan.ini").string());
  EXPECT_EQ(store_.GetValue("setup", "appname", ""), "Selkan");
}

}  // namespace
}  // namespace selkan
