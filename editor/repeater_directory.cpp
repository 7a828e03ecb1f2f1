#include "editor/repeater_directory.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/cell_values.h"
#include "editor/radio_list_csv.h"
#include "editor/row_import.h"
#include "model/channel_codec.h"
#include "platform/decimal.h"
#include "platform/translatable.h"
#include "settings/profile_text.h"

namespace selkan {

namespace {

enum Role { kOutput, kInput, kOffset, kUplink, kDownlink, kMode, kRoles };

constexpr std::array<std::array<std::string_view, 6>, kRoles> kRoleNames = {{
    {"Frequency", "Output", "Output Freq", "Output Frequency"},
    {"Input", "Input Freq", "Input Frequency"},
    {"Offset", "Shift"},
    {"Uplink Tone", "Access Tone", "PL", "PL Tone", "CTCSS", "Tone"},
    {"Downlink Tone", "TSQ"},
    {"Mode"},
}};

std::optional<Role> RoleOf(std::string_view name) {
  for (int role = 0; role < kRoles; ++role) {
    for (std::string_view known : kRoleNames[role]) {
      if (!known.empty() && SameLetters(name, known)) return static_cast<Role>(role);
    }
  }
  return std::nullopt;
}

bool StartsWithLetters(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameLetters(text.substr(0, prefix.size()), prefix);
}

bool EndsWithLetters(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         SameLetters(text.substr(text.size() - suffix.size()), suffix);
}

struct Mhz {
  std::int32_t tenHertz = 0;
  bool sign = false;  // the text gave + or -
};

// MHz as directories write them: a plain decimal, a sign when allowed, and
// "MHz" or "kHz" after it.
std::optional<Mhz> ParseMhz(std::string_view text, bool signAllowed) {
  Mhz value;
  bool negative = false;
  if (signAllowed && !text.empty() && (text[0] == '+' || text[0] == '-')) {
    value.sign = true;
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  double factor = 100000;
  if (EndsWithLetters(text, "MHz")) {
    text.remove_suffix(3);
  } else if (EndsWithLetters(text, "kHz")) {
    text.remove_suffix(3);
    factor = 100;
  }
  text = TrimBlanks(text);
  if (!IsPlainDecimal(text)) return std::nullopt;
  value.tenHertz = ScaledInteger(ParseLeadingNumber(text), factor);
  if (negative) value.tenHertz = -value.tenHertz;
  return value;
}

// A tone as directories write it, as the tone list's English text.
std::optional<std::string> DirectoryTone(std::string_view text) {
  for (std::string_view none : {"", "CSQ", "None", "Off", "0", "0.0"}) {
    if (SameLetters(text, none)) return std::string(words::kNone.english);
  }
  std::string_view code = text;
  if (StartsWithLetters(code, "DCS") || StartsWithLetters(code, "D")) {
    code.remove_prefix(StartsWithLetters(code, "DCS") ? 3 : 1);
    code = TrimBlanks(code);
    char polarity = 'N';
    if (EndsWithLetters(code, "N") || EndsWithLetters(code, "I")) {
      polarity = EndsWithLetters(code, "I") ? 'I' : 'N';
      code.remove_suffix(1);
    }
    const bool octal =
        !code.empty() && code.size() <= 3 &&
        std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '7'; });
    if (!octal) return std::nullopt;
    const std::string padded = std::string(3 - code.size(), '0') + std::string(code);
    return ListCellText(kColEncodeTone, "D" + padded + polarity, Language::English);
  }
  if (EndsWithLetters(code, "Hz")) code = TrimBlanks(code.substr(0, code.size() - 2));
  if (!IsPlainDecimal(code)) return std::nullopt;
  return ListCellText(kColEncodeTone, code, Language::English);
}

// W/N of a mode; nullopt for a mode this radio does not work in.
std::optional<std::string> DirectoryBandwidth(std::string_view mode) {
  if (mode.empty()) return std::string(words::kWide.english);
  std::vector<std::string> found;
  std::string word;
  for (char c : std::string(mode) + ' ') {
    if (c == ' ' || c == '/' || c == ',' || c == '+' || c == '&') {
      if (!word.empty()) found.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  const auto any = [&](std::initializer_list<std::string_view> words) {
    return std::any_of(found.begin(), found.end(), [&](const std::string& w) {
      return std::any_of(words.begin(), words.end(),
                         [&](std::string_view known) { return SameLetters(w, known); });
    });
  };
  if (any({"NFM", "FMN", "NBFM", "Narrow"})) return std::string(words::kNarrow.english);
  if (any({"FM", "Analog", "Analogue"})) return std::string(words::kWide.english);
  return std::nullopt;
}

UserMessage NotAFrequency(std::string_view column, std::string_view text) {
  return ImportText(
      SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "%1 \"%2\" is not a frequency in MHz"),
      {Plain(std::string(column)), Plain(std::string(text))});
}

// Maps one row of the directory, whose role columns the header gives.
class DirectoryRow {
 public:
  DirectoryRow(const ListColumns& columns, const std::array<std::string, kRoles>& roles,
               const std::vector<std::string>& fields)
      : columns_(columns), roles_(roles), fields_(fields) {}

  ChannelRow Map() {
    ChannelRow cells;
    const std::string_view output = Get(kOutput);
    const std::optional<Mhz> rx = ParseMhz(output, false);
    if (!rx) {
      problems_.push_back(NotAFrequency(roles_[kOutput], output));
      return cells;
    }
    Cell(cells, kColRx) = FormatFrequency(rx->tenHertz);
    Cell(cells, kColTx) = Transmit(rx->tenHertz);
    Cell(cells, kColEncodeTone) = Tone(kUplink);
    Cell(cells, kColDecodeTone) = Tone(kDownlink);
    const std::optional<std::string> bandwidth = DirectoryBandwidth(Get(kMode));
    if (!bandwidth) problems_.push_back(ModeProblem(Get(kMode)));
    Cell(cells, kColBandwidth) = bandwidth.value_or(words::kWide.english);
    return cells;
  }

  std::vector<UserMessage>& Problems() { return problems_; }

 private:
  std::string_view Get(Role role) const {
    return roles_[role].empty() ? std::string_view() : columns_.Get(fields_, roles_[role]);
  }

  std::string Transmit(std::int32_t rx) {
    const std::string_view input = Get(kInput);
    if (!input.empty()) {
      const std::optional<Mhz> tx = ParseMhz(input, false);
      if (!tx) problems_.push_back(NotAFrequency(roles_[kInput], input));
      return tx ? FormatFrequency(tx->tenHertz) : std::string();
    }
    const std::string_view text = Get(kOffset);
    const std::optional<Mhz> offset = ParseMhz(text, true);
    if (!text.empty() && !offset) {
      problems_.push_back(ImportText(
          SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "%1 \"%2\" is not a number of MHz"),
          {Plain(roles_[kOffset]), Plain(std::string(text))}));
      return {};
    }
    if (!offset || offset->tenHertz == 0) return FormatFrequency(rx);
    if (!offset->sign) {
      problems_.push_back(ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                           "%1 \"%2\" has no sign: write +%2 for "
                                                           "an input above the output, -%2 for "
                                                           "one below"),
                                     {Plain(roles_[kOffset]), Plain(std::string(text))}));
      return {};
    }
    return FormatFrequency(std::max<std::int64_t>(0, std::int64_t{rx} + offset->tenHertz));
  }

  std::string Tone(Role role) {
    const std::string_view text = Get(role);
    const std::optional<std::string> tone = DirectoryTone(text);
    if (!tone) {
      problems_.push_back(ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                           "%1 \"%2\" is not a QT tone or DQT "
                                                           "code of the tone table"),
                                     {Plain(roles_[role]), Plain(std::string(text))}));
    }
    return tone.value_or(words::kNone.english);
  }

  const ListColumns& columns_;
  const std::array<std::string, kRoles>& roles_;
  const std::vector<std::string>& fields_;
  std::vector<UserMessage> problems_;
};

}  // namespace

bool IsDirectoryColumn(std::string_view name) { return RoleOf(name).has_value(); }

std::optional<ListForm> DirectoryForm(const ListColumns& columns, const BandLimits& limits) {
  std::array<std::string, kRoles> roles;  // the header's name of each role's column
  ListForm form;
  std::vector<std::string> read;
  for (const std::string& name : columns.Names()) {
    const std::optional<Role> role = RoleOf(name);
    if (!role) {
      if (NamesFrequencyOrTone(name)) return std::nullopt;
      form.ignored.push_back(name);
      continue;
    }
    if (!roles[*role].empty()) return std::nullopt;  // two columns of one role
    roles[*role] = name;
    read.push_back(name);
  }
  if (roles[kOutput].empty() || (roles[kInput].empty() && roles[kOffset].empty()))
    return std::nullopt;
  form.name =
      ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "a repeater directory (%1)"),
                 {Plain(JoinNames(read))});
  form.map = [columns, roles, limits](const std::vector<std::string>& fields, ListRow& row) {
    DirectoryRow mapper(columns, roles, fields);
    const ChannelRow cells = mapper.Map();
    row.problems = std::move(mapper.Problems());
    if (!row.problems.empty()) return;
    RowImport imported = ImportChannelCells(cells, limits);
    row.row = std::move(imported.row);
    row.problems = std::move(imported.problems);
  };
  return form;
}

}  // namespace selkan
