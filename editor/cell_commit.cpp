#include "editor/cell_commit.h"

#include <cmath>

#include "platform/decimal.h"

namespace selkan {

namespace {

struct FrequencyCheck {
  CellMessage message = CellMessage::None;
  std::string text;  // the cell text of an accepted frequency
};

// Reads an editor text as MHz, the way the radio's frequencies are typed,
// and tests it against the band and the channel raster.
FrequencyCheck CheckFrequency(std::string_view editorText, const BandLimits& limits) {
  const double mhz = ParseLeadingNumber(editorText);
  // "nan" or "inf" read as numbers but are no frequency.
  if (!std::isfinite(mhz)) return {CellMessage::OutOfRange, {}};
  const std::int32_t tenHertz = ScaledInteger(mhz, 100000);
  if (!IsInBand(tenHertz, limits)) return {CellMessage::OutOfRange, {}};
  if (!IsOnChannelStep(tenHertz)) return {CellMessage::StepError, {}};
  // The cell shows the value that passed the tests. For texts of up to five
  // decimals this is the typed number in "%3.5f"; a longer text would
  // otherwise round up to a frequency that was never tested (470.000009
  // would show 470.00001, above a 470 MHz band and off the raster).
  return {CellMessage::None, FormatFrequency(tenHertz)};
}

void ClearRow(ChannelRow& row) {
  for (std::string& cell : row) cell.clear();
}

void CommitRx(CellCommit& commit, const std::string& rx, std::string_view editorText,
              const BandLimits& limits, Language language) {
  if (editorText.empty()) {
    ClearRow(commit.row);
    return;
  }
  const FrequencyCheck check = CheckFrequency(editorText, limits);
  if (check.message != CellMessage::None) {
    commit.message = check.message;
    commit.rejected = true;
    ClearRow(commit.row);
    return;
  }
  if (rx.empty()) {
    commit.row = RowDefaults(check.text, language);
  } else {
    Cell(commit.row, kColRx) = check.text;
  }
}

void CommitTx(CellCommit& commit, const std::string& rx, std::string_view editorText,
              const BandLimits& limits) {
  std::string& tx = Cell(commit.row, kColTx);
  if (editorText.empty()) {
    tx = rx;
    return;
  }
  const FrequencyCheck check = CheckFrequency(editorText, limits);
  if (check.message != CellMessage::None) {
    commit.message = check.message;
    commit.rejected = true;
    tx.clear();
    return;
  }
  tx = rx.empty() ? std::string() : check.text;
}

}  // namespace

ChannelRow RowDefaults(const std::string& frequency, Language language) {
  return {frequency,
          frequency,
          words::kNone.In(language),
          words::kNone.In(language),
          words::kHigh.In(language),
          words::kOn.In(language),
          words::kWide.In(language)};
}

bool IsOnChannelStep(std::int32_t tenHertz) { return tenHertz % 500 == 0 || tenHertz % 625 == 0; }

bool IsInBand(std::int32_t tenHertz, const BandLimits& limits) {
  return limits.lower <= tenHertz && tenHertz <= limits.upper;
}

CellCommit CommitCell(const ChannelRow& row, int column, std::string_view editorText,
                      const BandLimits& limits, Language language) {
  CellCommit commit{row};
  // The texts of the row as the commit starts.
  const std::string rx = Cell(row, kColRx);
  const std::string tx = Cell(row, kColTx);

  if (column == kColRx) {
    CommitRx(commit, rx, editorText, limits, language);
  } else if (column == kColTx) {
    CommitTx(commit, rx, editorText, limits);
  } else if (column >= kColDecodeTone && column <= kColBandwidth) {
    // Settings of a channel exist only while it has a frequency.
    Cell(commit.row, column) = (rx.empty() && tx.empty()) ? std::string() : std::string(editorText);
  }
  // Any other column holds no editor of its own: nothing to commit.
  return commit;
}

}  // namespace selkan
