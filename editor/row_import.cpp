#include "editor/row_import.h"

#include "editor/cell_values.h"
#include "editor/channel_columns.h"
#include "platform/translatable.h"
#include "settings/profile_text.h"

namespace selkan {

namespace {

// The list cells as the grid's lists write them; unreadable ones become
// problems.
void ReadListCells(ChannelRow& cells, std::vector<UserMessage>& problems) {
  for (int column = kColDecodeTone; column <= kColBandwidth; ++column) {
    std::string& text = Cell(cells, column);
    if (text.empty()) continue;
    const bool tone = column <= kColEncodeTone;
    if (const auto listed = ListCellText(column, text, Language::English)) {
      text = *listed;
    } else if (!tone || !IsStoredToneText(text)) {
      problems.push_back(CellProblem(
          column, text, tone ? PasteRefusalReason::NotATone : PasteRefusalReason::NotAWord));
    }
  }
}

bool HasNoChannelSettings(const ChannelRow& cells) {
  return Cell(cells, kColPower).empty() && Cell(cells, kColScan).empty() &&
         Cell(cells, kColBandwidth).empty();
}

bool IsReceiveOnly(const ChannelRow& cells) {
  return Cell(cells, kColTx).empty() && HasNoChannelSettings(cells);
}

bool IsTransmitOnly(const ChannelRow& cells) {
  return Cell(cells, kColRx).empty() && !Cell(cells, kColTx).empty() && HasNoChannelSettings(cells);
}

void ReportRejected(RowImport& result, int column, const std::string& text, CellMessage message) {
  result.problems.push_back(CellProblem(column, text,
                                        message == CellMessage::StepError
                                            ? PasteRefusalReason::StepError
                                            : PasteRefusalReason::OutOfRange));
}

// Commits one cell; a rejected frequency becomes a problem.
void Commit(RowImport& result, int column, const std::string& text, const BandLimits& limits) {
  const CellCommit commit = CommitCell(result.row, column, text, limits, Language::English);
  result.row = commit.row;
  if (commit.rejected) ReportRejected(result, column, text, commit.message);
}

void CommitTones(RowImport& result, const ChannelRow& cells, const BandLimits& limits) {
  for (int column : {kColDecodeTone, kColEncodeTone}) {
    const std::string& text = Cell(cells, column);
    if (!text.empty()) Commit(result, column, text, limits);
  }
}

// A transmit-only channel: its Tx is tested as the grid tests a frequency
// (through the Rx commit of a scratch row), the Rx stays empty.
void ImportTransmitOnly(RowImport& result, const ChannelRow& cells, const BandLimits& limits) {
  const std::string& tx = Cell(cells, kColTx);
  const CellCommit check = CommitCell(ChannelRow{}, kColRx, tx, limits, Language::English);
  if (check.rejected) {
    ReportRejected(result, kColTx, tx, check.message);
    return;
  }
  Cell(result.row, kColTx) = Cell(check.row, kColRx);
  CommitTones(result, cells, limits);
}

}  // namespace

UserMessage CellProblem(int column, const std::string& value, PasteRefusalReason reason) {
  return ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "%1 \"%2\": %3"),
                    {Word(ColumnTitle(column)), Plain(value), PasteRefusalText(reason)});
}

RowImport ImportChannelCells(const ChannelRow& given, const BandLimits& limits) {
  RowImport result;
  ChannelRow cells;
  for (int column = kColRx; column <= kColBandwidth; ++column)
    Cell(cells, column) = std::string(TrimBlanks(Cell(given, column)));
  ReadListCells(cells, result.problems);
  const std::string& rx = Cell(cells, kColRx);
  if (IsTransmitOnly(cells)) {
    ImportTransmitOnly(result, cells, limits);
    return result;
  }
  if (rx.empty()) {
    for (int column = kColTx; column <= kColBandwidth; ++column) {
      if (!Cell(cells, column).empty()) {
        result.problems.push_back(ImportText(SELKAN_TRANSLATE_NOOP(
            "selkan::ImportMessages", "a channel without Rx Frequency has other cells filled in")));
        break;
      }
    }
    return result;
  }

  Commit(result, kColRx, rx, limits);
  if (Cell(result.row, kColRx).empty()) return result;  // rejected: the row was cleared

  if (IsReceiveOnly(cells)) {
    for (int column = kColTx; column <= kColBandwidth; ++column) Cell(result.row, column).clear();
    CommitTones(result, cells, limits);
    return result;
  }
  for (int column = kColTx; column <= kColBandwidth; ++column) {
    const std::string& text = Cell(cells, column);
    if (!text.empty()) Commit(result, column, text, limits);
  }
  return result;
}

}  // namespace selkan
