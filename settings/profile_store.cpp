#include "settings/profile_store.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/input_file.h"
#include "settings/profile_backup.h"
#include "settings/profile_format.h"
#include "settings/profile_text.h"

namespace selkan {

namespace fs = std::filesystem;

namespace {

bool CreateEmptyFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "ab");  // never truncates
  if (!file) return false;
  return std::fclose(file) == 0;
}

// A text that holds a line break, or a key that holds "=", would read back
// as other lines or another key than the one stored.
bool StorableAsLine(std::string_view section, std::string_view key, std::string_view value) {
  const auto breaksLine = [](std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
  };
  return !breaksLine(section) && !breaksLine(key) && !breaksLine(value) &&
         key.find('=') == std::string_view::npos;
}

}  // namespace

CProfileStore::CProfileStore(int growthStep) : growthStep_(growthStep > 0 ? growthStep : 1) {}

CProfileStore::~CProfileStore() {
  try {
    if (options_.saveOnClose) Save(options_.backupOnClose);
  } catch (...) {
    // Nothing may leave a destructor; the file then stays as it was.
  }
  Clear();
}

bool CProfileStore::OpenInProgramDir(const std::string& fileName, ProfileOptions options) {
  const ProfilePaths paths = ProgramProfilePaths(fileName);
  if (paths.write != ProgramDirectory() + fileName) {
    // The user's configuration folder may not exist yet; a failure shows
    // later as a write-back that does not happen, as for any unwritable file.
    std::error_code ignored;
    fs::create_directories(fs::path(paths.write).parent_path(), ignored);
  }
  const bool loaded = Load(paths.read, options);
  if (!filePath_.empty()) filePath_ = paths.write;
  return loaded;
}

bool CProfileStore::Load(const std::string& path, ProfileOptions options) {
  if (!filePath_.empty()) {
    Save(false);
    Clear();
  }
  options_ = options;

  std::error_code error;
  if (!fs::exists(path, error) && !CreateEmptyFile(path)) return false;
  std::string content;
  bool opened = false;
  // A file too large to be a profile reads as one that failed part way.
  const bool complete = ReadInputFile(path, &content, nullptr, &opened);
  if (!opened) return false;

  // The store is empty here: as made, or as Clear above left it.
  filePath_ = path;
  sections_.reserve(static_cast<std::size_t>(growthStep_));
  sections_.emplace_back();
  currentSection_ = 0;
  ReadContent(content);
  // What was read stays for lookups, but a partly read file is never
  // written back: that would cut off everything after the failure.
  readFailed_ = !complete;
  return complete;
}

void CProfileStore::ReadContent(std::string_view content) {
  byteOrderMark_ = content.starts_with(kUtf8ByteOrderMark);
  const std::vector<RawLine> raw = SplitLines(content);
  encoding_ = JudgeEncoding(raw);

  std::string currentName;
  lines_.reserve(raw.size());
  for (const RawLine& line : raw) {
    const int index = static_cast<int>(lines_.size());
    lines_.push_back({std::string(line.text), std::string(line.end)});
    std::string_view text = line.text;
    if (index == 0 && byteOrderMark_) text.remove_prefix(kUtf8ByteOrderMark.size());
    const ProfileLine parsed = ClassifyLine(text, encoding_);
    if (parsed.kind == ProfileLine::Kind::Header) {
      currentName = parsed.name;
      const int section = AddSection();
      sections_[static_cast<std::size_t>(section)].headerLine = index;
      NameSection(section, currentName);
    } else if (parsed.kind == ProfileLine::Kind::Entry) {
      Section& section = sections_[static_cast<std::size_t>(currentSection_)];
      section.entries.push_back({std::string(parsed.name), std::string(parsed.value), index});
      NameSection(currentSection_, currentName);
    }
  }
}

int CProfileStore::AddSection() {
  if (sections_.size() == sections_.capacity()) {
    sections_.reserve(sections_.capacity() + static_cast<std::size_t>(growthStep_));
  }
  sections_.emplace_back();
  currentSection_ = static_cast<int>(sections_.size()) - 1;
  return currentSection_;
}

void CProfileStore::NameSection(int section, std::string_view name) {
  const auto index = static_cast<std::size_t>(section);
  if (sectionTable_.size() <= index) sectionTable_.resize(index + 1);
  sectionTable_[index] = name;
}

std::string CProfileStore::GetValue(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  const int sectionIndex = FindSection(section);
  if (sectionIndex < 0) return std::string(defaultValue);
  const int keyIndex = FindKey(sectionIndex, key);
  if (keyIndex < 0) return std::string(TrimBlanks(defaultValue));
  return CutValueNote(sections_[static_cast<std::size_t>(sectionIndex)]
                          .entries[static_cast<std::size_t>(keyIndex)]
                          .value);
}

void CProfileStore::SetValue(std::string_view section, std::string_view key,
                             std::string_view value) {
  if (filePath_.empty() || !StorableAsLine(section, key, value)) return;
  if (encoding_ == TextEncoding::Utf8 &&
      !(IsValidUtf8(section) && IsValidUtf8(key) && IsValidUtf8(value))) {
    encoding_ = TextEncoding::Gbk;  // the file's text is no longer UTF-8 as a whole
  }

  int sectionIndex = FindSection(section);
  if (sectionIndex < 0) {  // a new section, whose new key below marks the change
    sectionIndex = AddSection();
    sections_[static_cast<std::size_t>(sectionIndex)].added = true;
    NameSection(sectionIndex, section);
  }
  Section& target = sections_[static_cast<std::size_t>(sectionIndex)];
  const int keyIndex = FindKey(sectionIndex, key);
  if (keyIndex < 0) {
    modified_ = true;
    target.entries.push_back({std::string(key), std::string(value), -1});
    return;
  }
  std::string& stored = target.entries[static_cast<std::size_t>(keyIndex)].value;
  // Under case-insensitive comparison a change of letter case alone is kept
  // without counting as a change.
  if (!CompareText(stored, value)) modified_ = true;
  stored = value;
}

std::string CProfileStore::Save(bool backup) {
  if (!modified_ || filePath_.empty() || readFailed_) return {};
  if (backup) {
    if (backupPath_.empty()) backupPath_ = NextBackupName();
    std::error_code error;
    if (fs::exists(filePath_, error)) {
      fs::copy_file(filePath_, backupPath_, fs::copy_options::overwrite_existing, error);
      if (error) return {};  // no backup, so the old file is not replaced either
    }
  }

  const std::string out = Compose();
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(out.data()),
                                            out.size());
  if (!WriteFileAtomically(filePath_, bytes)) return {};
  return backupPath_;
}

bool CProfileStore::Flush(std::string* error) {
  if (!modified_) return true;
  if (filePath_.empty() || readFailed_) {
    if (error)
      *error = filePath_.empty()
                   ? "no file is loaded"
                   : "cannot write " + filePath_ + ": the file could not be read whole";
    return false;
  }
  const std::string out = Compose();
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(out.data()),
                                            out.size());
  if (!WriteFileAtomically(filePath_, bytes, error)) return false;
  modified_ = false;
  return true;
}

int CProfileStore::AnchorLine(const Section& section) const {
  for (auto entry = section.entries.rbegin(); entry != section.entries.rend(); ++entry) {
    if (entry->line >= 0) return entry->line;
  }
  return section.headerLine;
}

std::string CProfileStore::Compose() const {
  // Added keys go after the line their section's anchor names (or to the
  // start, -1); added sections go to the end.
  std::vector<std::vector<std::string>> after(lines_.size() + 1);
  std::vector<std::string> appended;
  for (std::size_t i = 0; i < sectionTable_.size(); ++i) {
    const Section& section = sections_[i];
    if (section.added && !sectionTable_[i].empty())
      appended.push_back(HeaderLine(sectionTable_[i]));
    std::vector<std::string>& into =
        section.added ? appended : after[static_cast<std::size_t>(AnchorLine(section) + 1)];
    for (const Entry& entry : section.entries) {
      if (entry.line < 0) into.push_back(EntryLine(entry.key, entry.value));
    }
  }
  // Lines whose value changed are rewritten; all others stay as they were.
  std::vector<std::string> text(lines_.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) text[i] = lines_[i].text;
  for (const Section& section : sections_) {
    for (const Entry& entry : section.entries) {
      if (entry.line < 0) continue;
      const std::size_t at = static_cast<std::size_t>(entry.line);
      std::string_view line = lines_[at].text;
      if (at == 0 && byteOrderMark_) line.remove_prefix(kUtf8ByteOrderMark.size());
      const ProfileLine parsed = ClassifyLine(line, encoding_);
      if (parsed.kind != ProfileLine::Kind::Entry || parsed.value == entry.value) continue;
      text[at] = std::string(lines_[at].text.substr(0, lines_[at].text.size() - line.size())) +
                 RewriteEntryLine(line, parsed, entry.value);
    }
  }

  // New lines end as the file's lines do (CR LF in a file without any).
  std::string newline = "\r\n";
  for (const Line& line : lines_) {
    if (!line.end.empty()) {
      newline = line.end;
      break;
    }
  }
  std::string out;
  const auto addLines = [&](const std::vector<std::string>& added) {
    for (const std::string& line : added) out += line + newline;
  };
  // Keys added at the very start still follow the byte order mark.
  if (byteOrderMark_ && !after[0].empty()) out += kUtf8ByteOrderMark;
  addLines(after[0]);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view line = text[i];
    if (i == 0 && byteOrderMark_ && !after[0].empty())
      line.remove_prefix(kUtf8ByteOrderMark.size());
    out += line;
    // A last line without a line end gets one when lines follow it.
    const bool more = i + 1 < lines_.size() || !after[i + 1].empty() || !appended.empty();
    out += lines_[i].end.empty() && more ? newline : lines_[i].end;
    addLines(after[i + 1]);
  }
  addLines(appended);
  return out;
}

void CProfileStore::Clear() {
  sections_.clear();
  sections_.shrink_to_fit();
  sectionTable_.clear();
  filePath_.clear();
  modified_ = false;
  lines_.clear();
  encoding_ = TextEncoding::Utf8;
  byteOrderMark_ = false;
  readFailed_ = false;
}

std::string CProfileStore::NextBackupName() const {
  return filePath_.empty() ? std::string() : NextBackupPath(filePath_);
}

int CProfileStore::FindSection(std::string_view name) const {
  for (std::size_t i = 0; i < sectionTable_.size(); ++i) {
    if (CompareText(sectionTable_[i], name)) return static_cast<int>(i);
  }
  return -1;
}

int CProfileStore::FindKey(int section, std::string_view key) const {
  const std::vector<Entry>& entries = sections_[static_cast<std::size_t>(section)].entries;
  for (std::size_t i = entries.size(); i-- > 0;) {
    if (CompareText(entries[i].key, key)) return static_cast<int>(i);
  }
  return -1;
}

bool CProfileStore::CompareText(std::string_view a, std::string_view b) const {
  return TextEquals(a, b, options_.caseInsensitive, encoding_);
}

}  // namespace selkan
