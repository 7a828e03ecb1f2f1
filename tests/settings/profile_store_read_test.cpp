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

}  // namespace
}  // namespace selkan
