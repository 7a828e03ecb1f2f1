#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_text.h"
#include "settings/program_directory.h"

namespace selkan {

// How a profile store treats the file it loads.
struct ProfileOptions {
  // Changes are written back when the store goes.
  bool saveOnClose = false;
  // That write-back first copies the file to a numbered backup beside it.
  bool backupOnClose = false;
  // Sections and keys compare without regard to ASCII letter case.
  bool caseInsensitive = true;
};

// A plain-text profile file ("[Section]" header lines and "key = value"
// lines) held completely in memory. Lookups are answered from memory, changes
// are recorded in memory and the file is written back by Save (and on
// destruction when asked to). Texts are byte strings: the file may be UTF-8
// or GB2312/GBK, and the store never changes bytes it did not write: a
// write-back reproduces every line it did not change, comments, blank lines,
// spacing and line ends included, rewrites the lines whose values changed and
// adds new keys after the last key of their section, new sections at the end.
class CProfileStore {
 public:
  explicit CProfileStore(int growthStep = 4);
  virtual ~CProfileStore();
  CProfileStore(const CProfileStore&) = delete;
  CProfileStore& operator=(const CProfileStore&) = delete;

  // Loads fileName of the program directory. When the user may not change
  // the shipped file, the store writes back to the user's own copy instead
  // (and reads that copy once it exists): see ChooseProfilePaths.
  bool OpenInProgramDir(const std::string& fileName, ProfileOptions options = {});
  // Loads a file by full path; a missing file is created empty. A file
  // loaded before is written back first when it holds changes.
  bool Load(const std::string& path, ProfileOptions options = {});

  std::string GetValue(std::string_view section, std::string_view key,
                       std::string_view defaultValue) const;
  void SetValue(std::string_view section, std::string_view key, std::string_view value);

  // Writes the file back when modified; returns the backup path (empty when
  // nothing was written or no backup name was ever chosen).
  std::string Save(bool backup);
  // Writes the file back now when modified, without a backup, and clears
  // the modified mark once it is written. True when the file on disk holds
  // every change; false with *error (when given) saying why not, naming the
  // file once.
  bool Flush(std::string* error = nullptr);
  void Clear();

  bool IsModified() const { return modified_; }
  // How the file's texts are encoded, judged on its headers and keys when
  // it was loaded (GBK once a text that is not UTF-8 has been set); every
  // text the store returns is to be decoded by it.
  TextEncoding Encoding() const { return encoding_; }
  // The file written back: the loaded file, or the user's copy that stands
  // in for a read-only one.
  const std::string& FilePath() const { return filePath_; }
  // Chooses the numbered backup name "<file>.NNN" one above the highest
  // number found among the files beside it.
  std::string NextBackupName() const;

 private:
  // A key and its value; line is the file line it was read from (-1 when
  // it was added since).
  struct Entry {
    std::string key;
    std::string value;
    int line = -1;
  };
  // One section: its keys in file order, duplicates kept. headerLine is the
  // line of its header (-1 for the leading section and for new sections).
  struct Section {
    std::vector<Entry> entries;
    int headerLine = -1;
    bool added = false;  // made by SetValue, not read from the file
  };
  // A line of the file as read: its bytes without and with the line end.
  struct Line {
    std::string text;
    std::string end;
  };

  int FindSection(std::string_view name) const;
  int FindKey(int section, std::string_view key) const;
  bool CompareText(std::string_view a, std::string_view b) const;
  // Makes a further section at the next index; returns its index.
  int AddSection();
  void NameSection(int section, std::string_view name);
  void ReadContent(std::string_view content);
  // The file's new content: every line as read or rewritten, additions in
  // their places.
  std::string Compose() const;
  // The line an added key of the section follows: its last key read from
  // the file, else its header; -1 for the start of the file.
  int AnchorLine(const Section& section) const;

  int growthStep_;
  // Section i of the file or created since, 0 being the leading section
  // (the key lines before the first header). currentSection_ is the last one.
  std::vector<Section> sections_;
  // Name of section i at position i. The leading section enters it (with the
  // empty name) only once it holds a key or a later section exists; only
  // sections named here are looked up and written back.
  std::vector<std::string> sectionTable_;
  int currentSection_ = 0;
  ProfileOptions options_;
  bool modified_ = false;
  std::vector<Line> lines_;  // the file as read
  TextEncoding encoding_ = TextEncoding::Utf8;
  bool byteOrderMark_ = false;  // the file began with a UTF-8 byte order mark
  bool readFailed_ = false;     // the file was not read completely: never write it back
  std::string backupPath_;
  std::string filePath_;
};

}  // namespace selkan
