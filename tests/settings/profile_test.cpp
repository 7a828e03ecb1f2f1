// Profiles: lookups, changes, write-back with numbered backups, and where they live.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "settings/language_choice.h"
#include "settings/process_settings.h"
#include "settings/product_profile.h"
#include "settings/profile_backup.h"
#include "settings/profile_store.h"
#include "settings/profile_text.h"
#include "settings/program_directory.h"
#include "settings/recent_folders.h"
#include "tests/support/files_test.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;

class ProfileWriteTest : public test::FilesTest {
 protected:
  // Loads the bytes as p.ini without write-back on close, dropping earlier changes.
  std::string LoadText(const std::string& bytes, bool caseInsensitive = true) {
    store_.Clear();
    const std::string path = Write("p.ini", bytes);
    EXPECT_TRUE(store_.Load(path, {.caseInsensitive = caseInsensitive}));
    return path;
  }
  // Loads the bytes, sets each "section|key|value" in turn and saves: what the file then holds.
  std::string Saved(const std::string& bytes, std::initializer_list<std::string> changes) {
    const std::string path = LoadText(bytes);
    for (const std::string& c : changes) {
      const std::size_t a = c.find('|'), b = c.rfind('|');
      store_.SetValue(c.substr(0, a), c.substr(a + 1, b - a - 1), c.substr(b + 1));
    }
    EXPECT_EQ(store_.Save(false), "");  // no backup asked for, none named
    return Read(path);
  }
  CProfileStore store_;
};

// A text is UTF-8 only when all of it is valid UTF-8, else GBK. Lookups as
// "section|key|value", "-" being the default of a missing key.
TEST_F(ProfileWriteTest, FindsValuesInFilesOfEveryShapeEitherEncodingModifiedOnlyByAChange) {
  EXPECT_EQ(DetectEncoding("Title=\xE4\xB8\xAD\xE6\x96\x87"), TextEncoding::Utf8);
  EXPECT_EQ(DetectEncoding("Title=\xD6\xD0\xCE\xC4"), TextEncoding::Gbk);  // GB2312
  EXPECT_EQ(DetectEncoding("\xE4\xB8\xAD then \xB0\x41"), TextEncoding::Gbk);
  for (const char* good :
       {"\xF0\x9F\x98\x80", "\xF1\x80\x80\x80", "\xF4\x8F\xBF\xBF", "\xED\x9F\xBF", "\xEE\x80\x80"})
    EXPECT_TRUE(IsValidUtf8(good)) << "four bytes, up to U+10FFFF; around the surrogates";
  for (const char* bad : {"\xE4\xB8", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xED\xBF\xBF",
                          "\xF4\x90\x80\x80", "\x80", "\xF8\x88\x80\x80\x80"})
    EXPECT_FALSE(IsValidUtf8(bad)) << "cut short, overlong, surrogate, too large, stray";
  EXPECT_FALSE(EndsWithChar("[S", ']', TextEncoding::Utf8) ||
               EndsWithChar("", ']', TextEncoding::Gbk) ||
               EndsWithChar("\x81\x40", '@', TextEncoding::Gbk));  // 0x40: a GBK trail byte too
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      // Leading keys, both line ends, a header's blanks, a key without "=", no last line end.
      {"lead = 1\r\n[Setup]\nLanguage = English\r\n\n  [ Spaced ]  \nflag\nlast=x",
       {"|lead|1", "setup|LANGUAGE|English", " Spaced |flag|", " Spaced |last|x", "Setup|lead|-"}},
      // Comment lines and lines without a key are no entries.
      {"[S]\n; Company=c\n// a=1\n/* b=2 */\n\\c=3\n*d=4\n   \n=orphan\nreal=yes\n",
       {"S|; Company|-", "S|// a|-", "S|/* b|-", "S|\\c|-", "S|*d|-", "S||-", "S|real|yes"}},
      // Duplicates: the last key of the first section of that name.
      {"[S]\nk=first\nk=second\n[S]\nk=third\nonly=here\n", {"S|k|second", "S|only|-"}},
      // A line that opens "[" but never closes it is no header; "[]" is one, ending Setup.
      {"[Setup]\nk=1\n[Open\nk=2\n[]\nk=3\n", {"Setup|k|2", "Open|k|-"}},
      // Values are cut at "//", tab ";" and "/*", and not trimmed after.
      {"[S]\nslash = Acme // maker\ntab = Acme\t; maker\nsemi = Acme ; maker\nblock = A /* m */\n",
       {"S|slash|Acme ", "S|tab|Acme", "S|semi|Acme ; maker", "S|block|A "}},
      // GBK characters whose trail bytes look like 'A', 'a' and "]".
      {"[\xB0\x41]\r\nKey=upper\r\n[\xB0\x61]\r\nKey=lower\r\n\xB0\x61=1\r\n\xB0\x41=2\r\n",
       {"\xB0\x61|key|lower", "\xB0\x41|KEY|upper", "\xB0\x61|\xB0\x61|1"}},
      {"k=lead\n[\xB0\x5D\nk=after\n", {"\xB0|k|-", "|k|after"}},
      // UTF-8 after a byte order mark: ASCII folds around Chinese text.
      {"\xEF\xBB\xBF[x\xE4\xB8\xAD\xE6\x96\x87Y]\nTitle=t\n",
       {"X\xE4\xB8\xAD\xE6\x96\x87y|TITLE|t"}},
  };
  for (const auto& [file, lookups] : cases) {
    LoadText(file);
    for (const std::string& l : lookups) {
      const std::size_t a = l.find('|'), b = l.rfind('|');
      EXPECT_EQ(store_.GetValue(l.substr(0, a), l.substr(a + 1, b - a - 1), "-"), l.substr(b + 1))
          << file << " | " << l;
    }
    EXPECT_FALSE(store_.IsModified());
  }

  // Case alone is no change when case-insensitive, yet stored; a GBK trail byte is no letter;
  // texts that would break the line format are refused. File, section, key, value set, value
  // then stored, case-insensitive, modified.
  const char* kSetup = "[Setup]\nLanguage=English\n";
  const std::tuple<const char*, const char*, const char*, const char*, const char*, bool, bool>
      changes[] = {
          {kSetup, "setup", "LANGUAGE", "ENGLISH", "ENGLISH", true, false},
          {kSetup, "Setup", "Language", "Chinese", "Chinese", true, true},
          {kSetup, "Setup", "Language", "english", "english", false, true},
          {kSetup, "Chinese", "Company", "Acme", "Acme", true, true},
          {"[S]\nk=\xB0\x41\n", "S", "K", "\xB0\x61", "\xB0\x61", true, true},
          {kSetup, "Setup", "Language", "x\r\n[Setup]\r\nLanguage=Evil", "English", true, false},
          {kSetup, "Setup\n", "k", "v", "", true, false},
          {kSetup, "Setup", "Language=Chinese", "v", "", true, false}};
  for (const auto& [file, section, key, value, stored, caseInsensitive, modified] : changes) {
    SCOPED_TRACE(std::string(section) + "/" + key + "=" + value);
    LoadText(file, caseInsensitive), store_.SetValue(section, key, value);
    EXPECT_EQ(store_.IsModified(), modified);
    EXPECT_EQ(store_.GetValue(section, key, ""), stored);
  }
  // A new file judged UTF-8 becomes GBK once GBK text is set into it.
  ASSERT_TRUE(store_.Load(dir_ / "new.ini"));
  store_.SetValue("\xB0\x41", "k", "upper"), store_.SetValue("\xB0\x61", "k", "lower");
  EXPECT_EQ(store_.GetValue("\xB0\x41", "k", ""), "upper");
}

// New keys follow their section's last, new sections come last; the same text leaves its line
// untouched; a UTF-8 name and a GB2312 value are stored as the bytes given. The store stays
// modified: a second save writes all of it again.
TEST_F(ProfileWriteTest, SaveChangesOnlyTheLinesOfChangedValuesAFixedPoint) {
  const std::string expected =
      "; product profile\nlead = 1\n\n[Setup]\n  Language   =   Chinese\nflag=on\nDup=a\nDup=B\n"
      "Added=1\n; end of setup\n\n[English]\r\nCompany = Acme // maker\r\n[Setup]\nDup=c\n[]\n"
      "orphan=1\n= stray\n\xB0\xA1 gbk comment?\n[Last]\nk=v\n[\xE4\xB8\xAD]\nk=\xD6\xD0\n";
  EXPECT_EQ(
      Saved("; product profile\nlead = 1\n\n[Setup]\n  Language   =   English  \nflag\n"
            "Dup=a\nDup=b\n; end of setup\n\n[English]\r\nCompany = Acme // maker\r\n[Setup]\n"
            "Dup=c\n[]\norphan=1\n= stray\n\xB0\xA1 gbk comment?\n[Last]",
            {"Setup|Language|Chinese", "Setup|Dup|B", "Setup|flag|on", "Setup|Added|1",
             "English|Company|Acme // maker", "Last|k|v", "\xE4\xB8\xAD|k|\xD6\xD0"}),
      expected);
  EXPECT_TRUE(store_.IsModified());
  Write("p.ini", "overwritten elsewhere\n"), store_.Save(false);
  EXPECT_EQ(Read(Path("p.ini")), expected);

  // A key of the leading section goes after its last one (here on the BOM's line, whose own value
  // changes too); an unended last line gets an end.
  const std::string bom = "\xEF\xBB\xBF";
  EXPECT_EQ(Saved(bom + "first=0\r\n[Setup]\r\nLanguage=English",
                  {"|lead|1", "|first|1", "Setup|Language|Chinese", "Setup|Type1|T"}),
            bom + "first=1\r\nlead=1\r\n[Setup]\r\nLanguage=Chinese\r\nType1=T\r\n");
  // No leading section: its key goes first, after the mark.
  EXPECT_EQ(Saved(bom + "[Setup]\r\n", {"|lead|1"}), bom + "lead=1\r\n[Setup]\r\n");
  EXPECT_EQ(Saved("\r\n[S]\n", {"S|k|1"}), "\r\n[S]\nk=1\r\n");  // as the first line, if blank

  // Also with UTF-8 and GBK mixed, a byte order mark alone, or a key that is only that mark.
  const std::string zh = "\xE4\xB8\xAD", header = "[" + zh + "]\r\nk=";  // "[中]" in UTF-8
  const std::pair<std::string, const char*> cases[] = {{"; \xD6\xD0\xCE\xC4\r\n", "new"},
                                                       {"", "\xD6\xD0"},
                                                       {"\xEF\xBB\xBF\r\n", "new"},
                                                       {"\xEF\xBB\xBF\xEF\xBB\xBF=1\r\n", "new"}};
  for (const auto& [lead, value] : cases) {
    SCOPED_TRACE(lead);
    const std::string written = Saved(lead + header + "old\r\n", {zh + "|k|" + value});
    EXPECT_EQ(written, lead + header + value + "\r\n");
    EXPECT_EQ(Saved(written, {zh + "|k|again", zh + "|k|" + value}), written);
  }
  // A UTF-8 file stays UTF-8: "[中A]" is the section "中a", its "A" no GBK pair's second byte.
  EXPECT_EQ(Saved("[" + zh + "A]\r\nk=old\r\n", {zh + "a|K|new"}), "[" + zh + "A]\r\nk=new\r\n");
}

// Closing writes back only a real change, when asked, with one backup; Clear forgets. Neither a
// directory nor a file larger than any profile is read or written.
TEST_F(ProfileWriteTest, WriteBackOnCloseWithNumberedBackupsNeverAfterClearOrAFailedRead) {
  const std::string original = "; comment kept\n[Setup]\nLanguage = English\n";
  const std::string path = Write("p.ini", original);
  for (const auto& [saveOnClose, language] :
       {std::pair{true, "English"}, std::pair{false, "German"}, std::pair{true, "Chinese"}}) {
    CProfileStore store;
    ASSERT_TRUE(store.Load(path, {.saveOnClose = saveOnClose, .backupOnClose = true}));
    store.SetValue("Setup", "Language", language);
  }
  EXPECT_EQ(Read(path) + Read(path + ".001") + dir_.Listing(),
            "; comment kept\n[Setup]\nLanguage = Chinese\n" + original + "p.ini p.ini.001");

  ASSERT_TRUE(store_.Load(path, {.caseInsensitive = false}));
  store_.SetValue("Setup", "Language", "German");
  ASSERT_TRUE(store_.Load(Write("second.ini", "[S]\nk=A\n"), {.caseInsensitive = false}));
  EXPECT_EQ(Read(path), "; comment kept\n[Setup]\nLanguage = German\n");
  EXPECT_FALSE(store_.IsModified());
  store_.SetValue("S", "k", "a");
  EXPECT_TRUE(store_.IsModified()) << "the options of the second load apply";
  store_.Clear();
  EXPECT_EQ(store_.Save(false) + store_.GetValue("S", "k", "gone") + store_.FilePath(), "gone");
  EXPECT_EQ(Read(dir_ / "second.ini"), "[S]\nk=A\n");
  fs::create_directory(dir_ / "a-directory");
  const std::string huge = Write("huge.ini", "[S]\nk=old\n");
  fs::resize_file(huge, (16 << 20) + 1);
  for (const std::string& failing : {dir_ / "a-directory", huge}) {
    EXPECT_TRUE(!store_.Load(failing, {.saveOnClose = true}) && store_.FilePath() == failing);
    store_.SetValue("S", "k", "v"), store_.Save(false);
    EXPECT_FALSE(store_.Flush());
  }
  EXPECT_EQ(fs::file_size(huge), (16u << 20) + 1);
  EXPECT_EQ(dir_.Listing(), "a-directory huge.ini p.ini p.ini.001 second.ini") << "no temporary";

  const std::string selkan = Write("Selkan.ini", "[S]\r\nk=1\r\n");
  // A dot in the directory name is no extension; v1.055 is beside the directory, not the file.
  fs::create_directory(dir_ / "v1.2");
  for (const char* name :
       {"Selkan.ini.002", "Selkan.old.03x", "Other.ini.099", "v1.2/Selkan.104", "v1.055"})
    Write(name, "older backup");
  const std::string inner = Write("v1.2/Selkan", "");
  EXPECT_EQ(NextBackupPath(inner), inner + ".105");

  CProfileStore store;  // A store picks its backup name once; a failed copy keeps the old file.
  ASSERT_TRUE(store.Load(selkan));
  store.SetValue("S", "k", "2");
  EXPECT_EQ(store.Save(true), selkan + ".004");
  EXPECT_EQ(Read(selkan + ".004") + Read(selkan), "[S]\r\nk=1\r\n[S]\r\nk=2\r\n");
  store.SetValue("S", "k", "3");
  EXPECT_EQ(store.Save(true), selkan + ".004");
  EXPECT_EQ(Read(selkan + ".004"), "[S]\r\nk=2\r\n");

  fs::remove(selkan + ".004"), fs::create_directory(selkan + ".004");  // in the next copy's way
  store.SetValue("S", "k", "4");
  EXPECT_EQ(store.Save(true) + Read(selkan), "[S]\r\nk=3\r\n");
}

using ProfileFilesTest = test::FilesTest;

// Both files are written at once, the product profile first, leaving nothing to write at exit;
// when it fails the maker file is not written either. Either failure names its file once. A file
// without "Setup" gets it; the help follows the language.
TEST_F(ProfileFilesTest, LanguageWrittenToBothFilesProfileWhereTheUserMayChangeIt) {
  const std::string english = "[Setup]\r\nLanguage=English\r\n",
                    chinese = "[Setup]\r\nLanguage=Chinese\r\n",
                    large = english + std::string(99, ';'), full = std::string(60, ';');
  const struct {
    std::string product, maker;  // maker "/": a directory in its place, "": none
    const char* language;
    bool quiet;          // no error texts asked for
    std::string result;  // in memory | then on disk: product | maker
  } cases[] = {
      {english + "AppName=Selkan\r\n", "[Maker]\r\nName=x\r\n", "Chinese", false,
       "stored, Chinese, chHelp | " + chinese + "AppName=Selkan\r\n | [Maker]\r\nName=x\r\n" +
           chinese},
      {"[English]\r\nCompany=C\r\n", "", "English", true,
       "stored, English, enHelp | [English]\r\nCompany=C\r\n" + english + " | " + english},
      {english, "/", "Chinese", false,
       "stored, Olvane.ini failed, Chinese, chHelp | " + chinese + " | /"},
      {english, full, "Chinese", false,  // one that cannot grow: not written, said
       "stored, Olvane.ini failed, Chinese, chHelp | " + chinese + " | " + full},
      {large, "", "Chinese", false, "kept, Selkan.ini failed, English, enHelp | " + large + " | "}};
  for (const auto& c : cases) {
    fs::remove_all(dir_ / "Olvane.ini");
    const std::string product = Write("Selkan.ini", c.product);
    if (c.maker == "/") fs::create_directory(dir_ / "Olvane.ini");
    if (c.maker.size() > 1) Write("Olvane.ini", c.maker);
    // Files are limited to 64 bytes: `large` outgrows it when written.
    const std::string result = test::InChild(false, [&] {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{64, 64};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      CProfileStore profile;
      profile.Load(product, {.saveOnClose = true});
      std::string error, makerError;
      const bool stored = c.quiet ? StoreLanguageChoice(profile, c.language, nullptr, nullptr)
                                  : StoreLanguageChoice(profile, c.language, &error, &makerError);
      std::string result = stored ? "stored, " : "kept, ";
      const std::string& why = stored ? makerError : error;
      for (const std::string name : {"Selkan.ini", "Olvane.ini"}) {
        const std::size_t at = why.find(name);
        if (at != std::string::npos)
          result += name + (why.find(name, at + 1) == std::string::npos ? " failed, " : " twice, ");
      }
      ProcessSettings next;
      next.Initialize(profile, "");
      return result + profile.GetValue("Setup", "Language", "") + ", " + next.HelpFileName() +
             (stored && profile.IsModified() ? " modified" : "");
    });
    const std::string maker =
        fs::is_directory(dir_ / "Olvane.ini") ? "/" : Read(dir_ / "Olvane.ini");
    EXPECT_EQ(result + " | " + Read(product) + " | " + maker, c.result);
  }

  // The user's folder is config/Selkan. A read-only shipped profile's first change goes to the
  // user's copy, which the next start and the tools read; in a child, as it sets the environment.
  const auto folder = [this](const std::string& relative) {
    fs::create_directories(dir_ / relative);
    return dir_ / relative + "/";
  };
  const std::string program = folder("program"), user = folder("config/Selkan");
  const std::string shipped = program + "Selkan.ini", own = user + "Selkan.ini";
  const auto expect = [&](bool installed, const std::string& read, const std::string& write) {
    const ProfilePaths got = ChooseProfilePaths({program, installed}, user, "Selkan.ini");
    EXPECT_EQ(got.read + " " + got.write, read + " " + write);
  };
  // A build folder: the shipped file, even beside a user's copy.
  expect(false, shipped, shipped);
  const std::string text = "[Setup]\nLanguage=English\n[English]\nCompany=C\n";
  Write("program/Selkan.ini", text), Write("config/Selkan/Selkan.ini", "[Setup]\n");
  expect(false, shipped, shipped);
  // Installed: the shipped file is never written, even when it could be.
  expect(true, own, own), fs::remove(own), expect(true, shipped, own);
  // A read-only file (even for root) is read until the user has a copy.
  ::chmod(shipped.c_str(), 0444), expect(false, shipped, own);
  const auto changeAndRestart = [&]() -> std::string {
    ::setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1), SetProgramDirectory(program);
    CProfileStore tool;
    if (!ReadProductProfile(tool) || fs::exists(user)) return "the tool wrote";
    for (const char* language : {"english", "Chinese"}) {  // letter case alone is no change
      if (fs::exists(own)) return "copied without a change";
      CProfileStore store;
      if (!OpenProductProfile(store)) return "not opened";
      store.SetValue("Setup", "Language", language);
    }
    CProfileStore next, nextTool;
    OpenProductProfile(next);
    if (!ReadProductProfile(nextTool) || nextTool.GetValue("Setup", "Language", "") != "Chinese")
      return "the tool read another file than " + ProductProfilePath();
    fs::resize_file(own, (16 << 20) + 1);  // now too large to be read
    FileError error;
    if (ReadProductProfile(nextTool, &error) || error.code != EFBIG) return "read: " + error.text;
    SetProgramDirectory("");  // the running program's own folder again
    if (ProgramDirectory().starts_with(program)) return "still the folder chosen before";
    return next.FilePath() + ": " + next.GetValue("Setup", "Language", "") + ", " +
           next.GetValue("English", "Company", "");
  };
  fs::remove(user);  // the first change makes it, the tool never
  EXPECT_EQ(test::InChild(false, changeAndRestart), own + ": Chinese, C");
  EXPECT_EQ(Read(shipped), text);
  expect(false, own, own);
  // No shipped file: the user's own; no user folder: the shipped one.
  EXPECT_EQ(ChooseProfilePaths({program, true}, user, "Olvane.ini").read, user + "Olvane.ini");
  EXPECT_EQ(ChooseProfilePaths({program, true}, "", "Selkan.ini").write, shipped);
  // A program file beside its installed data folder is installed; one in a build folder is not.
  const ProgramFolders built = FindProgramFolders(dir_ / "program", "../share/selkan");
  folder("share/selkan");
  const ProgramFolders installed = FindProgramFolders(dir_ / "program", "../share/selkan");
  EXPECT_TRUE(built.directory == program && !built.installed && installed.installed &&
              installed.directory == folder("share/selkan"));
  // The user folder: in an absolute XDG_CONFIG_HOME, else in HOME, else none.
  EXPECT_EQ(UserConfigDirectoryFrom("x", "/h") + UserConfigDirectoryFrom("x", "") +
                UserConfigDirectoryFrom(nullptr, nullptr),
            "/h/.config/Selkan/");
  const std::string fromHome = test::InChild(false, [] {  // in a child, as it sets the environment
    ::unsetenv("XDG_CONFIG_HOME"), ::setenv("HOME", "/h", 1);
    const std::string set = UserConfigDirectory();
    ::setenv("HOME", "", 1);
    return set + UserConfigDirectory();
  });
  EXPECT_EQ(fromHome, "/h/.config/Selkan/" + std::string(::getpwuid(::getuid())->pw_dir) +
                          "/.config/Selkan/");
  // A build folder that takes no new file from the user.
  const std::string locked = folder("locked");
  ::chmod(locked.c_str(), 0555);
  const auto userWrites = [&] { return ChooseProfilePaths({locked, false}, user, "x").write; };
  EXPECT_EQ(test::InChild(true, userWrites), user + "x");

  // Each kind of file has its own remembered folder, proposed only while it still is a folder.
  MemoryRegistry registry;
  RecentFolders folders(registry, "Software\\Selkan\\Folders");
  folders.Remember(FileKind::Log, dir_ / "run.csv");
  EXPECT_EQ(folders.Folder(FileKind::Log), dir_.path().string());
  EXPECT_EQ(folders.Folder(FileKind::Listing), "");
  Write("plain", "");
  for (const char* gone : {"gone", "plain"}) {  // no folder there, or a file in its place
    folders.Remember(FileKind::Listing, Path(gone + std::string("/a.pdf")));
    EXPECT_EQ(folders.Folder(FileKind::Listing), "") << gone;
  }
}

}  // namespace
}  // namespace selkan
