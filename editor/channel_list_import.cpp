#include "editor/channel_list_import.h"

#include <algorithm>
#include <array>

#include "editor/cell_values.h"
#include "editor/channel_columns.h"
#include "editor/channel_csv.h"
#include "editor/radio_list_csv.h"
#include "editor/repeater_directory.h"
#include "platform/translatable.h"

namespace selkan {

namespace {

constexpr int kChannels = offset::kChannelCount;

bool InUse(const ChannelRow& row) {
  return !Cell(row, kColRx).empty() || !Cell(row, kColTx).empty();
}

// Why a header is no channel list this program reads.
UserMessage HeaderRefusal(const ListColumns& columns) {
  int titles = 0;
  std::vector<std::string> meaning, unknown;
  for (const std::string& name : columns.Names()) {
    titles += !TitleColumns({name}).empty();
    if (!NamesFrequencyOrTone(name)) continue;
    meaning.push_back(name);
    if (!IsRadioListColumn(name) && !IsDirectoryColumn(name)) unknown.push_back(name);
  }
  const UserMessage own(Plain(std::string(kChannelCsvHeader)));
  if (titles >= 2) {
    return ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                            "the header must name the columns %1, each once, in "
                                            "any order"),
                      {own});
  }
  if (!meaning.empty()) {
    return ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                            "the columns %1 hold frequencies, offsets or tones, "
                                            "but the header matches no channel list this program "
                                            "reads, so it does not guess what they mean; name "
                                            "them as a list it reads does (see the help)"),
                      {Plain(JoinNames(unknown.empty() ? meaning : unknown))});
  }
  return ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                          "the header names no channel list this program reads: "
                                          "its own (%1), a list of multi-radio programs "
                                          "(Location, Frequency, Duplex, Offset, Tone, ...) or a "
                                          "repeater directory (Frequency, Input Freq, Uplink "
                                          "Tone, ...)"),
                    {own});
}

std::optional<ListForm> FormOf(const ListColumns& columns, const BandLimits& limits) {
  if (auto form = OwnListForm(columns, limits)) return form;
  if (auto form = RadioListForm(columns, limits)) return form;
  return DirectoryForm(columns, limits);
}

// The records after the header and the lines that could not be read, in
// line order, as rows; *unnumbered tells whether a row that was mapped
// names no channel.
std::vector<ListRow> ReadRows(const CsvParse& parse, const ListForm& form, std::size_t columns,
                              bool* unnumbered) {
  std::vector<ListRow> rows;
  for (std::size_t i = 1; i < parse.records.size(); ++i) {
    const CsvRecord& record = parse.records[i];
    if (IsBlankRecord(record.fields)) continue;
    ListRow row;
    row.line = record.line;
    if (auto problem = FieldCountProblem(record.fields, columns)) {
      row.problems.push_back(std::move(*problem));
    } else {
      form.map(record.fields, row);
      *unnumbered = *unnumbered || row.channel == 0;
    }
    rows.push_back(std::move(row));
  }
  for (const CsvError& error : parse.errors)
    rows.push_back({error.line, {}, 0, {}, {error.reason}});
  std::stable_sort(rows.begin(), rows.end(),
                   [](const ListRow& a, const ListRow& b) { return a.line < b.line; });
  return rows;
}

}  // namespace

ChannelListRead ReadChannelList(std::string_view text, const BandLimits& limits) {
  ChannelListRead read;
  const CsvParse parse = ParseCsv(text);
  // The header is the first line that holds anything, read or not.
  const bool unreadable =
      !parse.errors.empty() &&
      (parse.records.empty() || parse.errors.front().line < parse.records.front().line);
  if (unreadable) {
    read.refusal = parse.errors.front();
    return read;
  }
  const ListColumns columns(parse.records.empty() ? std::vector<std::string>{}
                                                  : parse.records.front().fields);
  const std::optional<ListForm> form = FormOf(columns, limits);
  if (!form) {
    read.refusal =
        CsvError{parse.records.empty() ? 1 : parse.records.front().line, HeaderRefusal(columns)};
    return read;
  }
  read.form = form->name;
  read.ignoredColumns = form->ignored;
  bool unnumbered = false;
  read.rows = ReadRows(parse, *form, columns.Count(), &unnumbered);
  read.numbering = !form->numbered ? ListNumbering::kInFileOrder : ListNumbering::kByNumber;
  if (form->renumberWhenOutside && unnumbered) read.numbering = ListNumbering::kRenumbered;
  return read;
}

int LastChannelInUse(const ChannelTable& table) {
  for (int channel = kChannels; channel >= 1; --channel) {
    if (InUse(table[channel - 1])) return channel;
  }
  return 0;
}

ImportOutcome PlaceChannels(const ChannelListRead& read, const ChannelTable& current,
                            const ImportPlace& place, Language language) {
  ImportOutcome outcome;
  const bool replace = place.kind == ImportPlacement::kReplaceAll;
  const bool byNumber = read.numbering == ListNumbering::kByNumber;
  outcome.table = replace ? ChannelTable() : current;
  if (read.refusal) {
    outcome.table = current;
    outcome.unfit.push_back(*read.refusal);
    return outcome;
  }
  auto unfit = [&](int line, UserMessage reason) {
    outcome.unfit.push_back({line, std::move(reason)});
  };

  // The rows that fit, each naming its channel once.
  std::vector<const ListRow*> fitting;
  std::array<int, kChannels> namedOnLine{};
  for (const ListRow& row : read.rows) {
    if (byNumber && row.channel > 0) {
      int& first = namedOnLine[row.channel - 1];
      if (first != 0) {
        unfit(row.line,
              ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                               "channel %1 is already listed on line %2"),
                         {Plain(std::to_string(row.channel)), Plain(std::to_string(first))}));
        continue;
      }
      first = row.line;
    }
    for (const UserMessage& problem : row.problems) unfit(row.line, problem);
    if (row.problems.empty()) fitting.push_back(&row);
  }

  // Their channels.
  std::vector<std::pair<int, const ListRow*>> placed;
  if (replace) {
    int next = 1;
    for (const ListRow* row : fitting) placed.emplace_back(byNumber ? row->channel : next++, row);
  } else {
    if (byNumber) {
      std::stable_sort(fitting.begin(), fitting.end(),
                       [](const ListRow* a, const ListRow* b) { return a->channel < b->channel; });
    }
    int next = place.kind == ImportPlacement::kAppend ? LastChannelInUse(current) + 1 : place.first;
    for (const ListRow* row : fitting) {
      if (InUse(row->row)) placed.emplace_back(next++, row);
    }
  }

  ChannelTable rows;  // the placed rows, to be shown as the grid shows them
  for (const auto& [channel, row] : placed) {
    if (channel > kChannels) {
      unfit(row->line, ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                        "no channel is left for this row after "
                                                        "channel 199")));
    } else {
      rows[channel - 1] = row->row;
    }
  }
  rows = ChannelsAsShown(rows, language);
  for (const auto& [channel, row] : placed) {
    if (channel > kChannels) continue;
    outcome.table[channel - 1] = rows[channel - 1];
    if (!InUse(rows[channel - 1])) continue;
    ++outcome.imported;
    outcome.firstChannel =
        outcome.firstChannel == 0 ? channel : std::min(outcome.firstChannel, channel);
    outcome.lastChannel = std::max(outcome.lastChannel, channel);
    if (replace && read.numbering == ListNumbering::kRenumbered &&
        row->number != std::to_string(channel))
      outcome.renumbered.emplace_back(row->number, channel);
  }
  std::stable_sort(outcome.unfit.begin(), outcome.unfit.end(),
                   [](const CsvError& a, const CsvError& b) { return a.line < b.line; });
  return outcome;
}

namespace {

std::optional<int> Number(const std::string& text) {
  if (text.empty() || text.size() > 6 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stoi(text);
}

// The renumbered Locations, runs of numbers that go up by one on both sides
// in one line each.
void RenumberedLines(const std::vector<std::pair<std::string, int>>& renumbered,
                     std::vector<UserMessage>& lines) {
  for (std::size_t i = 0; i < renumbered.size();) {
    std::size_t end = i + 1;
    const std::optional<int> first = Number(renumbered[i].first);
    while (first && end < renumbered.size() &&
           Number(renumbered[end].first) == *first + static_cast<int>(end - i) &&
           renumbered[end].second == renumbered[i].second + static_cast<int>(end - i))
      ++end;
    const std::string& location = renumbered[i].first;
    const UserMessage from = Plain(location.empty() ? "\"\"" : location);
    const UserMessage to = Plain(std::to_string(renumbered[i].second));
    if (end - i == 1) {
      lines.push_back(ImportText(
          SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "Location %1 → channel %2"), {from, to}));
    } else {
      lines.push_back(ImportText(
          SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "Locations %1 to %2 → channels %3 to %4"),
          {from, Plain(renumbered[end - 1].first), to,
           Plain(std::to_string(renumbered[end - 1].second))}));
    }
    i = end;
  }
}

}  // namespace

std::vector<UserMessage> ImportSummary(const ChannelListRead& read, const ImportOutcome& outcome,
                                       ImportPlacement placement) {
  std::vector<UserMessage> lines;
  lines.push_back(
      ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "Read as %1."), {read.form}));
  const UserMessage count = Plain(std::to_string(outcome.imported));
  if (placement == ImportPlacement::kReplaceAll || outcome.imported == 0) {
    lines.push_back(ImportText(
        SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "Channels imported: %1."), {count}));
  } else {
    lines.push_back(ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                     "Channels imported: %1, into channels %2 "
                                                     "to %3."),
                               {count, Plain(std::to_string(outcome.firstChannel)),
                                Plain(std::to_string(outcome.lastChannel))}));
  }
  if (!read.ignoredColumns.empty()) {
    lines.push_back(
        ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "Columns ignored: %1."),
                   {Plain(JoinNames(read.ignoredColumns))}));
  }
  if (!outcome.renumbered.empty()) {
    lines.push_back(ImportText(SELKAN_TRANSLATE_NOOP(
        "selkan::ImportMessages", "Renumbered, as not every Location is a channel 1 to 199:")));
    RenumberedLines(outcome.renumbered, lines);
  }
  for (const CsvError& skipped : outcome.unfit) {
    lines.push_back(
        ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "Skipped line %1: %2"),
                   {Plain(std::to_string(skipped.line)), skipped.reason}));
  }
  return lines;
}

ChannelCsvImport ImportChannelCsv(std::string_view text, const BandLimits& limits) {
  const ChannelListRead read = ReadChannelList(text, limits);
  ImportOutcome outcome = PlaceChannels(read, ChannelTable(), {}, Language::English);
  ChannelCsvImport result;
  if (outcome.unfit.empty()) {
    result.table = outcome.table;
  } else {
    result.errors = std::move(outcome.unfit);
  }
  return result;
}

}  // namespace selkan
