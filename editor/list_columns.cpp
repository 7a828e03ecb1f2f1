#include "editor/list_columns.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "editor/cell_values.h"
#include "platform/translatable.h"
#include "settings/profile_text.h"

namespace selkan {

ListColumns::ListColumns(const std::vector<std::string>& header) {
  for (const std::string& field : header) names_.emplace_back(TrimBlanks(field));
  while (!names_.empty() && names_.back().empty()) names_.pop_back();
}

std::optional<std::size_t> ListColumns::Index(std::string_view name) const {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (SameLetters(names_[i], name)) return i;
  }
  return std::nullopt;
}

std::string_view ListColumns::Get(const std::vector<std::string>& row,
                                  std::string_view name) const {
  const std::optional<std::size_t> index = Index(name);
  if (!index || *index >= row.size()) return {};
  return TrimBlanks(row[*index]);
}

std::optional<UserMessage> FieldCountProblem(const std::vector<std::string>& fields,
                                             std::size_t columns) {
  if (fields.size() < columns) {
    return ImportText(
        SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "expected %1 fields, found %2"),
        {Plain(std::to_string(columns)), Plain(std::to_string(fields.size()))});
  }
  for (std::size_t i = columns; i < fields.size(); ++i) {
    if (!TrimBlanks(fields[i]).empty()) {
      return ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                              "field %1 holds \"%2\", but the header names only "
                                              "%3 columns"),
                        {Plain(std::to_string(i + 1)), Plain(std::string(TrimBlanks(fields[i]))),
                         Plain(std::to_string(columns))});
    }
  }
  return std::nullopt;
}

bool IsBlankRecord(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(),
                     [](const std::string& field) { return TrimBlanks(field).empty(); });
}

namespace {

// The words of a name: runs of letters and digits, camel case cut before a
// capital ("rToneFreq": r, tone, freq), in lower case.
std::vector<std::string> NameWords(std::string_view name) {
  std::vector<std::string> words;
  std::string word;
  auto flush = [&] {
    if (!word.empty()) words.push_back(std::move(word));
    word.clear();
  };
  for (std::size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (!std::isalnum(c) || c >= 0x80) {
      flush();
      continue;
    }
    const bool upper = std::isupper(c);
    const bool afterLower = i > 0 && std::islower(static_cast<unsigned char>(name[i - 1]));
    const bool beforeLower =
        i + 1 < name.size() && std::islower(static_cast<unsigned char>(name[i + 1]));
    const bool afterUpper = i > 0 && std::isupper(static_cast<unsigned char>(name[i - 1]));
    if (upper && (afterLower || (afterUpper && beforeLower))) flush();
    word += static_cast<char>(std::tolower(c));
  }
  flush();
  return words;
}

}  // namespace

bool NamesFrequencyOrTone(std::string_view name) {
  static constexpr auto kWords = std::to_array<std::string_view>(
      {"freq",  "frequency", "offset",   "duplex", "shift",  "split", "tone", "tones",
       "ctcss", "cdcss",     "dcs",      "dtcs",   "pl",     "tsq",   "tsql", "qt",
       "dqt",   "uplink",    "downlink", "input",  "output", "rx",    "tx"});
  for (const std::string& word : NameWords(name)) {
    if (std::find(kWords.begin(), kWords.end(), word) != kWords.end()) return true;
  }
  return false;
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    if (!text.empty()) text += ", ";
    text += name;
  }
  return text;
}

}  // namespace selkan
