#include "editor/clipboard_text.h"

#include <algorithm>

#include "editor/channel_columns.h"
#include "editor/channel_csv.h"
#include "editor/csv.h"
#include "settings/profile_text.h"

namespace selkan {

namespace {

// The grid columns a header names (0 for the channel number), or an empty
// list when the row is no header.
std::vector<int> HeaderColumns(const std::vector<std::string>& fields) {
  const std::vector<int> columns = TitleColumns(fields);
  // Channel numbers alone name nothing to paste.
  if (std::none_of(columns.begin(), columns.end(), [](int column) { return column > 0; }))
    return {};
  return columns;
}

// Cuts at every separator and line end, ignoring quotes.
std::vector<std::vector<std::string>> SplitPlainly(std::string_view text, char separator) {
  std::vector<std::vector<std::string>> rows;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    std::vector<std::string> fields;
    for (std::size_t cut; (cut = line.find(separator)) != std::string_view::npos;) {
      fields.emplace_back(line.substr(0, cut));
      line.remove_prefix(cut + 1);
    }
    fields.emplace_back(line);
    rows.push_back(std::move(fields));
  }
  return rows;
}

}  // namespace

std::string CellsAsTabText(const ChannelTable& table, const CellRange& range) {
  std::string text;
  for (int channel = range.top; channel <= range.bottom; ++channel) {
    std::vector<std::string> fields;
    for (int column = range.left; column <= range.right; ++column)
      fields.push_back(Cell(table[channel - 1], column));
    text += FormatCsvRecord(fields, '\t');
    text += '\n';
  }
  return text;
}

std::string ChannelsAsCsvText(const ChannelTable& table, int firstChannel, int lastChannel) {
  std::string text(kChannelCsvHeader);
  text += kCsvLineEnd;
  for (int channel = firstChannel; channel <= lastChannel; ++channel) {
    std::vector<std::string> fields{std::to_string(channel)};
    const ChannelRow& row = table[channel - 1];
    fields.insert(fields.end(), row.begin(), row.end());
    text += FormatCsvRecord(fields);
    text += kCsvLineEnd;
  }
  return text;
}

PastedBlock ParsePastedText(std::string_view text) {
  const char separator = text.find('\t') != std::string_view::npos  ? '\t'
                         : text.find(',') != std::string_view::npos ? ','
                                                                    : '\t';
  std::vector<std::vector<std::string>> rows;
  CsvParse parse = ParseCsv(text, separator, true);
  if (parse.errors.empty()) {
    for (CsvRecord& record : parse.records) rows.push_back(std::move(record.fields));
  } else {
    rows = SplitPlainly(text, separator);
  }

  PastedBlock block;
  if (!rows.empty()) block.columns = HeaderColumns(rows.front());
  if (!block.columns.empty()) rows.erase(rows.begin());
  block.rows = std::move(rows);
  return block;
}

}  // namespace selkan
