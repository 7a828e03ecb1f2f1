#include "editor/row_import.h"

#include <initializer_list>

#include "editor/cell_commit.h"
#include "editor/channel_columns.h"
#include "model/tone_table.h"

namespace selkan {

namespace {

const char* ColumnName(int column) { return ColumnTitle(column).english; }

bool IsOneOf(const std::string& text, std::initializer_list<WordPair> words) {
  for (const WordPair& word : words) {
    if (text == word.english || text == word.chinese) return true;
  }
  return false;
}

// The word cells accept exactly the words the grid lists offer.
bool IsWordOfColumn(int column, const std::string& text) {
  switch (column) {
    case kColPower:
      return IsOneOf(text, {words::kHigh, words::kMiddle, words::kLow});
    case kColScan:
      return IsOneOf(text, {words::kOn, words::kOff});
    case kColBandwidth:
      return IsOneOf(text, {words::kWide, words::kNarrow});
    default:
      return true;
  }
}

// A tone text is taken when coding it and showing the code again gives the
// same text: every entry of the tone list, and every text a record can show.
bool IsToneText(const std::string& text) {
  const ToneCode code = ToneCodeFromText(text);
  for (Language language : {Language::English, Language::Chinese}) {
    if (ToneText(code.low, code.high, false, language) == text) return true;
  }
  return false;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Checks of single cells that need no commit.
void CheckCellTexts(const ChannelRow& cells, std::vector<std::string>& problems) {
  for (int column : {kColDecodeTone, kColEncodeTone}) {
    const std::string& text = Cell(cells, column);
    if (!text.empty() && !IsToneText(text)) {
      problems.push_back(std::string(ColumnName(column)) + " " + Quoted(text) +
                         " is not a QT/DQT tone");
    }
  }
  for (int column : {kColPower, kColScan, kColBandwidth}) {
    const std::string& text = Cell(cells, column);
    if (!text.empty() && !IsWordOfColumn(column, text)) {
      problems.push_back(std::string(ColumnName(column)) + " " + Quoted(text) +
                         " is not one of the words of this column");
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

// Commits one cell; a rejected frequency becomes a problem.
void Commit(RowImport& result, int column, const std::string& text, const BandLimits& limits) {
  const CellCommit commit = CommitCell(result.row, column, text, limits, Language::English);
  result.row = commit.row;
  if (commit.rejected) {
    result.problems.push_back(std::string(ColumnName(column)) + " " + Quoted(text) + ": " +
                              std::string(CellMessageText(commit.message)));
  }
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
    result.problems.push_back(std::string(ColumnName(kColTx)) + " " + Quoted(tx) + ": " +
                              std::string(CellMessageText(check.message)));
    return;
  }
  Cell(result.row, kColTx) = Cell(check.row, kColRx);
  CommitTones(result, cells, limits);
}

}  // namespace

RowImport ImportChannelCells(const ChannelRow& cells, const BandLimits& limits) {
  RowImport result;
  CheckCellTexts(cells, result.problems);
  const std::string& rx = Cell(cells, kColRx);
  if (IsTransmitOnly(cells)) {
    ImportTransmitOnly(result, cells, limits);
    return result;
  }
  if (rx.empty()) {
    for (int column = kColTx; column <= kColBandwidth; ++column) {
      if (!Cell(cells, column).empty()) {
        result.problems.push_back("a channel without Rx Frequency has other cells filled in");
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
