#include "editor/cell_edits.h"

#include <algorithm>
#include <optional>

#include "editor/cell_commit.h"
#include "editor/cell_values.h"
#include "platform/translatable.h"
#include "settings/profile_text.h"

namespace selkan {

namespace {

struct Placed {
  int column = 0;
  std::string value;
};

struct PlacedRow {
  int channel = 0;
  std::vector<Placed> values;  // in column order, inside the grid
};

bool ChannelUsed(const ChannelRow& row) {
  return !Cell(row, kColRx).empty() || !Cell(row, kColTx).empty();
}

std::optional<PasteRefusalReason> RefusalOf(const CellCommit& commit) {
  if (!commit.rejected) return std::nullopt;
  return commit.message == CellMessage::StepError ? PasteRefusalReason::StepError
                                                  : PasteRefusalReason::OutOfRange;
}

// One value into one cell of a row, as committing a typed value does.
std::optional<PasteRefusalReason> EnterValue(ChannelRow& row, int column, const std::string& value,
                                             const BandLimits& limits, Language language) {
  if (column == kColRx || column == kColTx) {
    const CellCommit commit = CommitCell(row, column, value, limits, language);
    if (auto refusal = RefusalOf(commit)) return refusal;
    if (column == kColTx && !value.empty() && Cell(row, kColRx).empty())
      return PasteRefusalReason::NoFrequency;
    row = commit.row;
    return std::nullopt;
  }
  if (value.empty()) {
    if (ChannelUsed(row)) Cell(row, column) = ClearedListText(column, language);
    return std::nullopt;
  }
  const std::optional<std::string> text = ListCellText(column, value, language);
  if (!text)
    return column <= kColEncodeTone ? PasteRefusalReason::NotATone : PasteRefusalReason::NotAWord;
  if (!ChannelUsed(row)) return PasteRefusalReason::NoFrequency;
  Cell(row, column) = *text;
  return std::nullopt;
}

// All seven cells, an Rx, and nothing but tones beside it. A row's values
// are placed in distinct grid columns, in order, so seven are the whole row.
bool IsReceiveOnlyRow(const std::vector<Placed>& values) {
  if (values.size() != static_cast<std::size_t>(kChannelColumns)) return false;
  const auto empty = [&](int column) { return values[column - 1].value.empty(); };
  return !empty(kColRx) && empty(kColTx) && empty(kColPower) && empty(kColScan) &&
         empty(kColBandwidth);
}

// A receive-only row goes in whole or not at all: a missing tone shows
// empty there, as such a record decodes.
void EnterReceiveOnlyRow(ChannelRow& row, const PlacedRow& placed, const BandLimits& limits,
                         Language language, std::vector<PasteRefusal>& refusals) {
  const std::size_t before = refusals.size();
  ChannelRow entered;
  const std::string& rx = placed.values[kColRx - 1].value;
  const CellCommit commit = CommitCell(ChannelRow{}, kColRx, rx, limits, language);
  if (auto refusal = RefusalOf(commit)) refusals.push_back({placed.channel, kColRx, rx, *refusal});
  Cell(entered, kColRx) = Cell(commit.row, kColRx);
  for (int column : {kColDecodeTone, kColEncodeTone}) {
    const std::string& value = placed.values[column - 1].value;
    if (value.empty()) continue;
    const std::optional<std::string> text = ListCellText(column, value, Language::English);
    if (!text) {
      refusals.push_back({placed.channel, column, value, PasteRefusalReason::NotATone});
    } else if (*text != words::kNone.english) {
      Cell(entered, column) = *ListCellText(column, value, language);
    }
  }
  if (refusals.size() == before) row = entered;
}

struct Layout {
  std::vector<PlacedRow> rows;
  int beyondChannels = 0;  // values below channel 199
  int beyondColumns = 0;   // values right of the last column
};

Layout PlaceBlock(const CellRange& target, const PastedBlock& block) {
  Layout layout;
  const bool fill = block.columns.empty() && block.rows.size() == 1 &&
                    block.rows.front().size() == 1 && (target.Rows() > 1 || target.Columns() > 1);
  if (fill) {
    const std::string value(TrimBlanks(block.rows.front().front()));
    for (int channel = target.top; channel <= target.bottom; ++channel) {
      PlacedRow row{channel, {}};
      for (int column = target.left; column <= target.right; ++column)
        row.values.push_back({column, value});
      layout.rows.push_back(std::move(row));
    }
    return layout;
  }
  for (std::size_t i = 0; i < block.rows.size(); ++i) {
    PlacedRow row{target.top + static_cast<int>(i), {}};
    const std::vector<std::string>& values = block.rows[i];
    for (std::size_t j = 0; j < values.size(); ++j) {
      int column = target.left + static_cast<int>(j);
      if (!block.columns.empty()) column = j < block.columns.size() ? block.columns[j] : -1;
      if (column == 0) continue;  // the channel number: rows go where the target is
      if (row.channel > offset::kChannelCount) {
        ++layout.beyondChannels;
      } else if (column < 1 || column > kChannelColumns) {
        ++layout.beyondColumns;
      } else {
        row.values.push_back({column, std::string(TrimBlanks(values[j]))});
      }
    }
    std::stable_sort(row.values.begin(), row.values.end(),
                     [](const Placed& a, const Placed& b) { return a.column < b.column; });
    if (!row.values.empty()) layout.rows.push_back(std::move(row));
  }
  return layout;
}

}  // namespace

UserMessage PasteRefusalText(PasteRefusalReason reason) {
  constexpr const char* kContext = "selkan::ChannelCommands";
  switch (reason) {
    case PasteRefusalReason::OutOfRange:
      return Marked("selkan::CCellEditors", CellMessageText(CellMessage::OutOfRange));
    case PasteRefusalReason::StepError:
      return Marked("selkan::CCellEditors", CellMessageText(CellMessage::StepError));
    case PasteRefusalReason::NotATone:
      return Marked(kContext,
                    SELKAN_TRANSLATE_NOOP("selkan::ChannelCommands", "not a tone of the list"));
    case PasteRefusalReason::NotAWord:
      return Marked(kContext, SELKAN_TRANSLATE_NOOP("selkan::ChannelCommands",
                                                    "not a choice of this column"));
    case PasteRefusalReason::NoFrequency:
      return Marked(kContext, SELKAN_TRANSLATE_NOOP("selkan::ChannelCommands",
                                                    "the channel has no Rx Frequency"));
    case PasteRefusalReason::BeyondLastChannel:
    case PasteRefusalReason::BeyondLastColumn:
      break;
  }
  return {};
}

PasteOutcome PasteCells(const ChannelTable& table, const CellRange& target,
                        const PastedBlock& block, const BandLimits& limits, Language language) {
  PasteOutcome outcome{table, {}, {target.top, target.left, target.top, target.left}};
  const Layout layout = PlaceBlock(target, block);
  bool first = true;
  for (const PlacedRow& placed : layout.rows) {
    ChannelRow& row = outcome.table[placed.channel - 1];
    if (IsReceiveOnlyRow(placed.values)) {
      EnterReceiveOnlyRow(row, placed, limits, language, outcome.refusals);
    } else {
      for (const Placed& value : placed.values) {
        if (auto refusal = EnterValue(row, value.column, value.value, limits, language))
          outcome.refusals.push_back({placed.channel, value.column, value.value, *refusal});
      }
    }
    CellRange& pasted = outcome.pasted;
    const int left = placed.values.front().column;
    const int right = placed.values.back().column;
    pasted.top = first ? placed.channel : std::min(pasted.top, placed.channel);
    pasted.bottom = first ? placed.channel : std::max(pasted.bottom, placed.channel);
    pasted.left = first ? left : std::min(pasted.left, left);
    pasted.right = first ? right : std::max(pasted.right, right);
    first = false;
  }
  if (layout.beyondChannels > 0)
    outcome.refusals.push_back(
        {0, 0, {}, PasteRefusalReason::BeyondLastChannel, layout.beyondChannels});
  if (layout.beyondColumns > 0)
    outcome.refusals.push_back(
        {0, 0, {}, PasteRefusalReason::BeyondLastColumn, layout.beyondColumns});
  return outcome;
}

ChannelTable ClearCells(const ChannelTable& table, const CellRange& range, Language language) {
  ChannelTable result = table;
  const BandLimits anyBand{0, 0};  // empty values pass no band test
  for (int channel = std::max(1, range.top);
       channel <= std::min(range.bottom, offset::kChannelCount); ++channel) {
    for (int column = std::max(1, range.left); column <= std::min(range.right, kChannelColumns);
         ++column) {
      EnterValue(result[channel - 1], column, std::string(), anyBand, language);
    }
  }
  return result;
}

}  // namespace selkan
