#include "editor/channel_csv.h"

#include <algorithm>
#include <array>
#include <optional>

#include "editor/radio_list_csv.h"
#include "editor/row_import.h"

namespace selkan {

namespace {

constexpr std::size_t kFieldCount = 1 + kChannelColumns;

// A channel number as the file writes it: digits only, 1 to 199.
std::optional<int> ParseChannelNumber(std::string_view text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > offset::kChannelCount) return std::nullopt;
  return value;
}

std::vector<std::string> HeaderFields() {
  std::vector<std::string> fields;
  std::string_view rest = kChannelCsvHeader;
  for (std::size_t comma; (comma = rest.find(',')) != std::string_view::npos;) {
    fields.emplace_back(rest.substr(0, comma));
    rest.remove_prefix(comma + 1);
  }
  fields.emplace_back(rest);
  return fields;
}

// Takes one data record into the table; problems go to errors.
void ImportRecord(const CsvRecord& record, const BandLimits& limits,
                  std::array<int, offset::kChannelCount>& seenOnLine, ChannelCsvImport& result) {
  auto report = [&](std::string reason) { result.errors.push_back({record.line, reason}); };
  if (record.fields.size() != kFieldCount) {
    report("expected " + std::to_string(kFieldCount) + " fields, found " +
           std::to_string(record.fields.size()));
    return;
  }
  const auto channel = ParseChannelNumber(record.fields[0]);
  if (!channel) {
    report("channel number \"" + record.fields[0] + "\" is not 1 to 199");
    return;
  }
  int& firstLine = seenOnLine[*channel - 1];
  if (firstLine != 0) {
    report("channel " + std::to_string(*channel) + " is already listed on line " +
           std::to_string(firstLine));
    return;
  }
  firstLine = record.line;

  ChannelRow cells;
  std::copy(record.fields.begin() + 1, record.fields.end(), cells.begin());
  RowImport imported = ImportChannelCells(cells, limits);
  for (std::string& problem : imported.problems) report(std::move(problem));
  result.table[*channel - 1] = std::move(imported.row);
}

}  // namespace

std::string ChannelsToCsv(const ChannelTable& table) {
  std::string csv(kChannelCsvHeader);
  csv += kCsvLineEnd;
  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    std::vector<std::string> fields{std::to_string(channel)};
    const ChannelRow& row = table[channel - 1];
    fields.insert(fields.end(), row.begin(), row.end());
    csv += FormatCsvRecord(fields);
    csv += kCsvLineEnd;
  }
  return csv;
}

namespace {

std::string OwnHeaderError() {
  return "the header must be exactly " + std::string(kChannelCsvHeader);
}

// The first record of the file, when nothing unreadable comes before it.
const CsvRecord* HeaderRecord(const CsvParse& parse) {
  if (parse.records.empty()) return nullptr;
  if (!parse.errors.empty() && parse.errors.front().line < parse.records.front().line)
    return nullptr;
  return &parse.records.front();
}

ChannelCsvImport ReadOwnForm(const CsvParse& parse, const BandLimits& limits,
                             const std::string& headerError) {
  ChannelCsvImport result;

  // The header is the first line that holds anything, read or not.
  const CsvRecord* header = HeaderRecord(parse);
  if (header == nullptr && !parse.errors.empty()) {
    result.errors.push_back(parse.errors.front());
    return result;
  }
  if (header == nullptr || header->fields != HeaderFields()) {
    result.errors.push_back({header != nullptr ? header->line : 1, headerError});
    return result;
  }

  std::array<int, offset::kChannelCount> seenOnLine{};
  for (std::size_t i = 1; i < parse.records.size(); ++i) {
    ImportRecord(parse.records[i], limits, seenOnLine, result);
  }
  result.errors.insert(result.errors.end(), parse.errors.begin(), parse.errors.end());
  std::stable_sort(result.errors.begin(), result.errors.end(),
                   [](const CsvError& a, const CsvError& b) { return a.line < b.line; });
  return result;
}

}  // namespace

ChannelCsvImport ChannelsFromCsv(std::string_view text, const BandLimits& limits) {
  return ReadOwnForm(ParseCsv(text), limits, OwnHeaderError());
}

ChannelCsvImport ImportChannelCsv(std::string_view text, const BandLimits& limits) {
  const CsvParse parse = ParseCsv(text);
  const CsvRecord* header = HeaderRecord(parse);
  if (header != nullptr && IsRadioListHeader(header->fields))
    return RadioListFromCsv(parse, limits);
  return ReadOwnForm(parse, limits,
                     OwnHeaderError() +
                         ", or name the columns of a radio channel list (Location, Frequency, "
                         "Duplex, Offset, Tone, ...)");
}

}  // namespace selkan
