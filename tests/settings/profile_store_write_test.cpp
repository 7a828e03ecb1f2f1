// Changing values and writing the file back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/profile_store.h"
#include "tests/settings/profile_test_files.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;

class ProfileWriteTest : public test::ProfileFilesTest {
 protected:
  // Writes the bytes as p.ini and loads it without write-back on close,
  // dropping any change to the file loaded before.
  std::string LoadText(const std::string& bytes, bool caseInsensitive = true) {
    store_.Clear();
    const std::string path = Write("p.ini", bytes);
    EXPECT_TRUE(store_.Load(path, false, caseInsensitive, false));
    return path;
  }
  std::size_t FilesInDir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }
  CProfileStore store_;
};

// Letter case alone is no change in a case-insensitive store, but it is
// stored; a GBK trail byte is no letter; texts that would break the line
// format are refused.
TEST_F(ProfileWriteTest, ModifiedOnlyByARealChange) {
  const char* kSetup = "[Setup]\nLanguage=English\n";
  const struct {
    const char* file;
    bool caseInsensitive;
    const char *section, *key, *value;
    bool modified;
    const char* stored;
  } cases[] = {
      {kSetup, true, "Setup", "Language", "English", false, "English"},
      {kSetup, true, "setup", "LANGUAGE", "ENGLISH", false, "ENGLISH"},
      {kSetup, true, "Setup", "Language", "Chinese", true, "Chinese"},
      {kSetup, false, "Setup", "Language", "english", true, "english"},
      {kSetup, true, "Setup", "Company", "Acme", true, "Acme"},
      {kSetup, true, "Chinese", "Company", "Acme", true, "Acme"},
      {"[S]\nk=\xB0\x41\n", true, "S", "K", "\xB0\x61", true, "\xB0\x61"},
      {kSetup, true, "Setup", "Language", "x\r\n[Setup]\r\nLanguage=Evil", false, "English"},
      {kSetup, true, "Setup\n", "k", "v", false, ""},
      {kSetup, true, "Setup", "Language=Chinese", "v", false, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key + "=" + c.value);
    LoadText(c.file, c.caseInsensitive);
    store_.SetValue(c.section, c.key, c.value);
    EXPECT_EQ(store_.IsModified(), c.modified);
    EXPECT_EQ(store_.GetValue(c.section, c.key, ""), c.stored);
  }
}

// A new file judged UTF-8 becomes GBK once GBK text is set into it.
TEST_F(ProfileWriteTest, NewFileTakesGbkNames) {
  ASSERT_TRUE(store_.Load(PathOf("new.ini"), false, true, false));
  store_.SetValue("\xB0\x41", "k", "upper");
  store_.SetValue("\xB0\x61", "k", "lower");
  EXPECT_EQ(store_.GetValue("\xB0\x41", "k", ""), "upper");
}

// A write-back rewrites the lines whose values changed and nothing else:
// comments, blank lines, spacing, line ends and odd lines stay byte for
// byte. New keys follow the last key of their section, new sections come
// last; the store stays modified so that a later save writes again.
TEST_F(ProfileWriteTest, SaveChangesOnlyTheLinesOfChangedValues) {
  const std::string path = LoadText(
      "; product profile\nlead = 1\n\n[Setup]\n  Language   =   English  \nflag\n"
      "Dup=a\nDup=b\n; end of setup\n\n[English]\r\nCompany = Acme // maker\r\n[Setup]\nDup=c\n"
      "[]\norphan=1\n= stray\n\xB0\xA1 gbk comment?\n[Last]");
  store_.SetValue("Setup", "Language", "Chinese");
  store_.SetValue("Setup", "Dup", "B");
  store_.SetValue("Setup", "flag", "on");
  store_.SetValue("Setup", "Added", "1");
  store_.SetValue("English", "Company", "Acme // maker");  // the same text: line untouched
  store_.SetValue("Last", "k", "v");
  store_.SetValue("\xE4\xB8\xAD", "k", "\xD6\xD0");  // UTF-8 name, GB2312 value: bytes as given
  EXPECT_EQ(store_.Save(false), "");
  const std::string expected =
      "; product profile\nlead = 1\n\n[Setup]\n  Language   =   Chinese\nflag=on\n"
      "Dup=a\nDup=B\nAdded=1\n; end of setup\n\n[English]\r\nCompany = Acme // maker\r\n[Setup]\n"
      "Dup=c\n[]\norphan=1\n= stray\n\xB0\xA1 gbk "
      "comment?\n[Last]\nk=v\n[\xE4\xB8\xAD]\nk=\xD6\xD0\n";
  EXPECT_EQ(Read(path), expected);
  EXPECT_TRUE(store_.IsModified());
  Write("p.ini", "overwritten elsewhere\n");
  store_.Save(false);
  EXPECT_EQ(Read(path), expected);

  // Keys of a leading section without keys go first, after a byte order
  // mark; a file without line ends gets CR LF for its new lines.
  LoadText("\xEF\xBB\xBF[Setup]\r\nLanguage=English");
  store_.SetValue("", "lead", "1");
  store_.SetValue("Setup", "Language", "Chinese");
  store_.SetValue("Setup", "Type1", "T");
  store_.Save(false);
  EXPECT_EQ(Read(path), "\xEF\xBB\xBFlead=1\r\n[Setup]\r\nLanguage=Chinese\r\nType1=T\r\n");
  LoadText("k=1");
  store_.SetValue("S", "k", "2");
  store_.Save(false);
  EXPECT_EQ(Read(path), "k=1\r\n[S]\r\nk=2\r\n");
}

// Whatever a write-back wrote reads back to the same values, and a second
// write-back of it changes nothing: also where the file mixes UTF-8 and GBK
// (a GBK comment in a UTF-8 file, a GBK value set into one), a byte order
// mark stands alone, or a key is only that mark.
TEST_F(ProfileWriteTest, WriteBackIsAFixedPointAndHeadersStayHeaders) {
  const std::string chinese = "[\xE4\xB8\xAD]";  // "[中]" in UTF-8
  const struct {
    const char* name;
    std::string file;
    const char* value;  // set into section 中
  } cases[] = {
      {"GBK comment", "; \xD6\xD0\xCE\xC4\r\n" + chinese + "\r\nk=old\r\n", "new"},
      {"GBK value set", chinese + "\r\nk=old\r\n", "\xD6\xD0"},
      {"lone byte order mark", "\xEF\xBB\xBF\r\n" + chinese + "\r\nk=old\r\n", "new"},
      {"byte order mark key", "\xEF\xBB\xBF\xEF\xBB\xBF=1\r\n" + chinese + "\r\nk=old\r\n", "new"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = LoadText(c.file);
    EXPECT_EQ(store_.GetValue("\xE4\xB8\xAD", "k", "none"), "old");
    store_.SetValue("\xE4\xB8\xAD", "k", c.value);
    store_.Save(false);
    const std::string written = Read(path);
    std::string expected = c.file;
    expected.replace(expected.find("k=old"), 5, std::string("k=") + c.value);
    EXPECT_EQ(written, expected);

    LoadText(written);
    EXPECT_EQ(store_.GetValue("\xE4\xB8\xAD", "k", "none"), c.value);
    store_.SetValue("\xE4\xB8\xAD", "k", "again");
    store_.SetValue("\xE4\xB8\xAD", "k", c.value);
    store_.Save(false);
    EXPECT_EQ(Read(path), written);
  }
}

TEST_F(ProfileWriteTest, DestructionWritesBackOnlyChangesAndOnlyWhenAsked) {
  const std::string original = "; comment kept\n[Setup]\nLanguage = English\n";
  const std::string path = Write("p.ini", original);
  for (const bool saveOnClose : {true, false}) {
    CProfileStore store;
    ASSERT_TRUE(store.Load(path, saveOnClose, true, true));
    store.SetValue("Setup", "Language", saveOnClose ? "English" : "Chinese");
  }
  EXPECT_EQ(Read(path), original);
  EXPECT_EQ(FilesInDir(), 1u) << "no backup either";
  {
    CProfileStore store;
    ASSERT_TRUE(store.Load(path, true, true, false));
    store.SetValue("Setup", "Language", "Chinese");
  }
  EXPECT_EQ(Read(path), "; comment kept\n[Setup]\nLanguage = Chinese\n");
}

TEST_F(ProfileWriteTest, FailedOrPartlyReadFilesAreNotWritten) {
  fs::create_directory(dir_ / "sub");
  ASSERT_TRUE(store_.Load((dir_ / "sub" / "p.ini").string(), true, true, false));
  store_.SetValue("S", "k", "v");
  fs::remove_all(dir_ / "sub");
  EXPECT_EQ(store_.Save(false), "");
  EXPECT_FALSE(fs::exists(dir_ / "sub"));

  store_.Clear();
  const std::string path = PathOf("a-directory");  // opens, but cannot be read
  fs::create_directory(path);
  EXPECT_FALSE(store_.Load(path, true, true, false));
  EXPECT_EQ(store_.FilePath(), path);
  store_.SetValue("S", "k", "v");
  EXPECT_EQ(store_.Save(false), "");
  EXPECT_EQ(FilesInDir(), 1u) << "no temporary file either";
}

TEST_F(ProfileWriteTest, LoadingASecondFileWritesBackTheFirst) {
  const std::string first = LoadText("[S]\nk=1\n");
  store_.SetValue("S", "k", "2");
  ASSERT_TRUE(store_.Load(Write("second.ini", "[S]\nk=A\n"), false, false, false));
  EXPECT_EQ(Read(first), "[S]\nk=2\n");
  EXPECT_FALSE(store_.IsModified());
  store_.SetValue("S", "k", "a");
  EXPECT_TRUE(store_.IsModified()) << "the options of the second load apply";
}

TEST_F(ProfileWriteTest, ClearForgetsFileAndChanges) {
  const std::string path = LoadText("[S]\nk=1\n");
  store_.SetValue("S", "k", "2");
  store_.Clear();
  EXPECT_EQ(store_.FilePath(), "");
  EXPECT_EQ(store_.GetValue("S", "k", "gone"), "gone");
  EXPECT_EQ(store_.Save(false), "");
  EXPECT_EQ(Read(path), "[S]\nk=1\n");
}

}  // namespace
}  // namespace selkan
