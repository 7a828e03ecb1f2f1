#include "editor/channel_csv.h"

#include "editor/channel_columns.h"
#include "editor/row_import.h"
#include "platform/translatable.h"
#include "settings/profile_text.h"

namespace selkan {

namespace {

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

std::optional<ListForm> OwnListForm(const ListColumns& columns, const BandLimits& limits) {
  const std::vector<int> order = TitleColumns(columns.Names());
  if (order.size() != 1 + kChannelColumns) return std::nullopt;
  ListForm form;
  form.name =
      ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "this program's channel list"));
  form.numbered = true;
  form.map = [order, limits](const std::vector<std::string>& fields, ListRow& row) {
    ChannelRow cells;
    for (std::size_t i = 0; i < order.size(); ++i) {
      if (order[i] == 0) {
        row.number = std::string(TrimBlanks(fields[i]));
      } else {
        Cell(cells, order[i]) = fields[i];
      }
    }
    row.channel = ParseChannelNumber(row.number).value_or(0);
    if (row.channel == 0) {
      row.problems.push_back(ImportText(
          SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "channel number \"%1\" is not 1 to 199"),
          {Plain(row.number)}));
      return;
    }
    RowImport imported = ImportChannelCells(cells, limits);
    row.row = std::move(imported.row);
    row.problems = std::move(imported.problems);
  };
  return form;
}

}  // namespace selkan
