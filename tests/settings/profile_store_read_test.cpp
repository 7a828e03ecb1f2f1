// Loading a profile and looking values up.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "settings/profile_store.h"
#include "tests/support/files_test.h"

namespace selkan {
namespace {

class ProfileReadTest : public test::FilesTest {
 protected:
  // Loads the bytes with the program's options: written back on close,
  // case-insensitive, no backup.
  void LoadText(const std::string& bytes) {
    ASSERT_TRUE(store_.Load(Write("Selkan.ini", bytes), true, true, false));
  }
  CProfileStore store_;
};

// Lookups in files of every shape; "-" is the default of a missing key.
TEST_F(ProfileReadTest, FindsValuesInFilesOfEveryShape) {
  struct Lookup {
    const char *section, *key, *value;
  };
  const struct {
    const char* file;
    std::vector<Lookup> lookups;
  } cases[] = {
      // Leading keys, both line ends, a header with blanks (the name keeps
      // its inner ones), a key without "=", a last line without line end.
      {"lead = 1\r\n[Setup]\nLanguage = English\r\n\n  [ Spaced ]  \nflag\nlast=x",
       {{"", "lead", "1"},
        {"setup", "LANGUAGE", "English"},
        {" Spaced ", "flag", ""},
        {" Spaced ", "last", "x"},
        {"Setup", "lead", "-"}}},
      // Comment lines and lines without a key are no entries.
      {"[S]\n; Company=c\n// a=1\n/* b=2 */\n\\c=3\n*d=4\n   \n=orphan\nreal=yes\n",
       {{"S", "; Company", "-"},
        {"S", "// a", "-"},
        {"S", "/* b", "-"},
        {"S", "\\c", "-"},
        {"S", "*d", "-"},
        {"S", "", "-"},
        {"S", "real", "yes"}}},
      // Duplicates: the last key of the first section of that name.
      {"[S]\nk=first\nk=second\n[S]\nk=third\nonly=here\n",
       {{"S", "k", "second"}, {"S", "only", "-"}}},
      // A line that opens "[" but never closes it is no header.
      {"[Setup]\nk=1\n[Open\nk=2\n", {{"Setup", "k", "2"}, {"Open", "k", "-"}}},
      // Values are cut at "//", tab ";" and "/*", and not trimmed after.
      {"[S]\nslash = Acme // maker\ntab = Acme\t; maker\nsemi = Acme ; maker\nblock = A /* m */\n",
       {{"S", "slash", "Acme "},
        {"S", "tab", "Acme"},
        {"S", "semi", "Acme ; maker"},
        {"S", "block", "A "}}},
      // GBK characters whose trail bytes look like 'A', 'a' and "]".
      {"[\xB0\x41]\r\nKey=upper\r\n[\xB0\x61]\r\nKey=lower\r\n\xB0\x61=1\r\n\xB0\x41=2\r\n",
       {{"\xB0\x61", "key", "lower"}, {"\xB0\x41", "KEY", "upper"}, {"\xB0\x61", "\xB0\x61", "1"}}},
      {"k=lead\n[\xB0\x5D\nk=after\n", {{"\xB0", "k", "-"}, {"", "k", "after"}}},
      // UTF-8 after a byte order mark: ASCII folds around Chinese text.
      {"\xEF\xBB\xBF[x\xE4\xB8\xAD\xE6\x96\x87Y]\nTitle=t\n",
       {{"X\xE4\xB8\xAD\xE6\x96\x87y", "TITLE", "t"}}},
  };
  for (const auto& c : cases) {
    LoadText(c.file);
    for (const Lookup& l : c.lookups) {
      EXPECT_EQ(store_.GetValue(l.section, l.key, "-"), l.value) << c.file << " | " << l.key;
    }
    EXPECT_FALSE(store_.IsModified());
  }
}

TEST_F(ProfileReadTest, DefaultIsTrimmedOnlyForAMissingKeyOfAnExistingSection) {
  LoadText("; only a comment\n");
  EXPECT_EQ(store_.GetValue("", "k", " d "), " d ") << "no leading section yet";
  LoadText("[S]\nk=v\n");
  EXPECT_EQ(store_.GetValue("S", "missing", "  d e \t"), "d e");
  EXPECT_EQ(store_.GetValue("", "missing", " d "), "d") << "a later header enters the lead";
  EXPECT_EQ(store_.GetValue("Missing", "k", "  d e \t"), "  d e \t");
}

TEST_F(ProfileReadTest, MissingFileIsCreatedEmptyUnlessItCannotBe) {
  const std::string path = dir_ / "new.ini";
  ASSERT_TRUE(store_.Load(path, true, true, false));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  EXPECT_EQ(store_.FilePath(), path);

  CProfileStore failed;
  EXPECT_FALSE(failed.Load(dir_ / "no-such-dir/Selkan.ini", true, true, false));
  EXPECT_EQ(failed.FilePath(), "");
  failed.SetValue("Setup", "Language", "Chinese");
  EXPECT_FALSE(failed.IsModified()) << "without a file nothing is set";
  EXPECT_EQ(failed.GetValue("Setup", "Language", "d"), "d");
}

TEST_F(ProfileReadTest, OpensTheFileInTheProgramDirectory) {
  const std::string own = std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
  EXPECT_EQ(ProgramDirectory(), own + "/");
  SetProgramDirectory(dir_.path().string());
  Write("Selkan.ini", "[Setup]\nAppName=Selkan\n");
  ASSERT_TRUE(store_.OpenInProgramDir("Selkan.ini", true, true, false));
  SetProgramDirectory("");
  EXPECT_EQ(ProgramDirectory(), own + "/");
  EXPECT_EQ(store_.FilePath(), dir_ / "Selkan.ini");
  EXPECT_EQ(store_.GetValue("setup", "appname", ""), "Selkan");
}

}  // namespace
}  // namespace selkan
