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

// Only headers and keys are written, with CRLF; a byte order mark is kept;
// the store stays modified so that a later save writes again.
TEST_F(ProfileWriteTest, SaveWritesOnlyHeadersAndKeysWithCrLf) {
  const std::string path = LoadText(
      "; product profile\nlead = 1\n\n[Setup]\n  Language   =   English  \nflag\n"
      "Dup=a\nDup=b\n[English]\r\nCompany = Acme // maker\r\n[Setup]\nDup=c\n[]\norphan=1\n");
  store_.SetValue("Setup", "Language", "Chinese");
  store_.SetValue("Setup", "Dup", "B");
  store_.SetValue("\xE4\xB8\xAD", "k", "\xD6\xD0");  // UTF-8 name, GB2312 value: bytes as given
  EXPECT_EQ(store_.Save(false), "");
  const std::string expected =
      "lead=1\r\n[Setup]\r\nLanguage=Chinese\r\nflag=\r\nDup=a\r\nDup=B\r\n"
      "[English]\r\nCompany=Acme // maker\r\n[Setup]\r\nDup=c\r\norphan=1\r\n"
      "[\xE4\xB8\xAD]\r\nk=\xD6\xD0\r\n";
  EXPECT_EQ(Read(path), expected);
  EXPECT_TRUE(store_.IsModified());
  Write("p.ini", "overwritten elsewhere\n");
  store_.Save(false);
  EXPECT_EQ(Read(path), expected);

  LoadText("\xEF\xBB\xBF[Setup]\nLanguage=English\n");
  store_.SetValue("Setup", "Language", "Chinese");
  store_.Save(false);
  EXPECT_EQ(Read(path), "\xEF\xBB\xBF[Setup]\r\nLanguage=Chinese\r\n");
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
  EXPECT_EQ(Read(path), "[Setup]\r\nLanguage=Chinese\r\n");
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
  EXPECT_EQ(Read(first), "[S]\r\nk=2\r\n");
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
