// Changing values and writing the file back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/profile_store.h"
#include "tests/app/profile_test_files.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;

class ProfileWriteTest : public test::ProfileFilesTest {
 protected:
  // Writes the bytes as p.ini and loads it without write-back on close.
  std::string LoadText(CProfileStore& store, const std::string& bytes,
                       bool caseInsensitive = true) {
    const std::string path = Write("p.ini", bytes);
    EXPECT_TRUE(store.Load(path, false, caseInsensitive, false));
    return path;
  }
};

TEST_F(ProfileWriteTest, ModifiedOnlyByARealChange) {
  CProfileStore store;
  LoadText(store, "[Setup]\nLanguage=English\n");
  store.SetValue("Setup", "Language", "English");
  EXPECT_FALSE(store.IsModified());
  store.SetValue("setup", "LANGUAGE", "ENGLISH");
  EXPECT_FALSE(store.IsModified()) << "a change of letter case alone is no change";
  EXPECT_EQ(store.GetValue("Setup", "Language", ""), "ENGLISH") << "but it is stored";
  store.SetValue("Setup", "Language", "Chinese");
  EXPECT_TRUE(store.IsModified());

  CProfileStore exact;
  LoadText(exact, "[Setup]\nLanguage=English\n", false);
  exact.SetValue("Setup", "Language", "english");
  EXPECT_TRUE(exact.IsModified()) << "case-sensitive store";
}

TEST_F(ProfileWriteTest, NewKeyOrSectionIsAChange) {
  for (const char* section : {"Setup", "Chinese"}) {
    CProfileStore store;
    LoadText(store, "[Setup]\nLanguage=English\n");
    store.SetValue(section, "Company", "Acme");
    EXPECT_TRUE(store.IsModified()) << section;
    EXPECT_EQ(store.GetValue(section, "Company", ""), "Acme");
  }
}

TEST_F(ProfileWriteTest, GbkTrailLetterChangeIsAChange) {
  CProfileStore store;
  LoadText(store, "[S]\nk=\xB0\x41\n");
  store.SetValue("S", "K", "\xB0\x61");
  EXPECT_TRUE(store.IsModified());
  // A new file judged UTF-8 becomes GBK once GBK text is set into it.
  CProfileStore fresh;
  ASSERT_TRUE(fresh.Load(PathOf("new.ini"), false, true, false));
  fresh.SetValue("\xB0\x41", "k", "upper");
  fresh.SetValue("\xB0\x61", "k", "lower");
  EXPECT_EQ(fresh.GetValue("\xB0\x41", "k", ""), "upper");
}

TEST_F(ProfileWriteTest, TextsThatWouldBreakTheLineFormatAreRefused) {
  CProfileStore store;
  LoadText(store, "[Setup]\nLanguage=English\n");
  store.SetValue("Setup", "Language", "x\r\n[Setup]\r\nLanguage=Evil");
  store.SetValue("Setup\n", "k", "v");
  store.SetValue("Setup", "Language=Chinese", "v");
  EXPECT_FALSE(store.IsModified());
  EXPECT_EQ(store.GetValue("Setup", "Language", ""), "English");
}

TEST_F(ProfileWriteTest, SaveWritesOnlyHeadersAndKeysWithCrLf) {
  CProfileStore store;
  const std::string path = LoadText(
      store,
      "; product profile\nlead = 1\n\n[Setup]\n  Language   =   English  \nflag\n"
      "Dup=a\nDup=b\n[English]\r\nCompany = Acme // maker\r\n[Setup]\nDup=c\n[]\norphan=1\n");
  store.SetValue("Setup", "Language", "Chinese");
  store.SetValue("Setup", "Dup", "B");
  store.SetValue("\xE4\xB8\xAD", "k", "\xD6\xD0");  // UTF-8 name, GB2312 value: bytes as given
  EXPECT_EQ(store.Save(false), "");
  EXPECT_EQ(Read(path),
            "lead=1\r\n[Setup]\r\nLanguage=Chinese\r\nflag=\r\nDup=a\r\nDup=B\r\n"
            "[English]\r\nCompany=Acme // maker\r\n[Setup]\r\nDup=c\r\norphan=1\r\n"
            "[\xE4\xB8\xAD]\r\nk=\xD6\xD0\r\n");
}

TEST_F(ProfileWriteTest, SaveKeepsAByteOrderMark) {
  CProfileStore store;
  const std::string path = LoadText(store, "\xEF\xBB\xBF[Setup]\nLanguage=English\n");
  store.SetValue("Setup", "Language", "Chinese");
  store.Save(false);
  EXPECT_EQ(Read(path), "\xEF\xBB\xBF[Setup]\r\nLanguage=Chinese\r\n");
}

TEST_F(ProfileWriteTest, DestructionWritesBackOnlyChangesAndOnlyWhenAsked) {
  const std::string original = "; comment kept\n[Setup]\nLanguage = English\n";
  const std::string path = Write("p.ini", original);
  for (const bool saveOnClose : {true, false}) {
    CProfileStore store;
    ASSERT_TRUE(store.Load(path, saveOnClose, true, true));
    store.SetValue("Setup", "Language", "English");
    if (!saveOnClose) store.SetValue("Setup", "Language", "Chinese");
  }
  EXPECT_EQ(Read(path), original);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1) << "no backup either";
  {
    CProfileStore store;
    ASSERT_TRUE(store.Load(path, true, true, false));
    store.SetValue("Setup", "Language", "Chinese");
  }
  EXPECT_EQ(Read(path), "[Setup]\r\nLanguage=Chinese\r\n");
}

TEST_F(ProfileWriteTest, StaysModifiedSoALaterSaveWritesAgain) {
  CProfileStore store;
  const std::string path = LoadText(store, "[S]\nk=1\n");
  store.SetValue("S", "k", "2");
  store.Save(false);
  EXPECT_TRUE(store.IsModified());
  Write("p.ini", "overwritten elsewhere\n");
  store.Save(false);
  EXPECT_EQ(Read(path), "[S]\r\nk=2\r\n");
}

TEST_F(ProfileWriteTest, FailedSaveReturnsEmpty) {
  fs::create_directory(dir_ / "sub");
  CProfileStore store;
  ASSERT_TRUE(store.Load((dir_ / "sub" / "p.ini").string(), true, true, false));
  store.SetValue("S", "k", "v");
  fs::remove_all(dir_ / "sub");
  EXPECT_EQ(store.Save(false), "");
  EXPECT_FALSE(fs::exists(dir_ / "sub"));
}

TEST_F(ProfileWriteTest, PartlyReadFileIsNeverWrittenBack) {
  const std::string path = PathOf("a-directory");  // opens, but cannot be read
  fs::create_directory(path);
  CProfileStore store;
  EXPECT_FALSE(store.Load(path, true, true, false));
  EXPECT_EQ(store.FilePath(), path);
  store.SetValue("S", "k", "v");
  EXPECT_EQ(store.Save(false), "");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1) << "no temporary file either";
}

TEST_F(ProfileWriteTest, LoadingASecondFileWritesBackTheFirst) {
  CProfileStore store;
  const std::string first = LoadText(store, "[S]\nk=1\n");
  store.SetValue("S", "k", "2");
  ASSERT_TRUE(store.Load(Write("second.ini", "[S]\nk=A\n"), false, false, false));
  EXPECT_EQ(Read(first), "[S]\r\nk=2\r\n");
  EXPECT_FALSE(store.IsModified());
  store.SetValue("S", "k", "a");
  EXPECT_TRUE(store.IsModified()) << "the options of the second load apply";
}

TEST_F(ProfileWriteTest, ClearForgetsFileAndChanges) {
  CProfileStore store;
  const std::string path = LoadText(store, "[S]\nk=1\n");
  store.SetValue("S", "k", "2");
  store.Clear();
  EXPECT_EQ(store.FilePath(), "");
  EXPECT_EQ(store.GetValue("S", "k", "gone"), "gone");
  EXPECT_EQ(store.Save(false), "");
  EXPECT_EQ(Read(path), "[S]\nk=1\n");
}

}  // namespace
}  // namespace selkan
