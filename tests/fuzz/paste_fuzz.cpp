// Text pasted as Edit > Paste takes it. Input: a byte for language and band, three for the
// target (top channel, columns, rows), one laying out the grid's channels, the text.
#include <algorithm>
#include <array>
#include <set>

#include "editor/cell_commit.h"
#include "editor/cell_values.h"
#include "editor/clipboard_text.h"
#include "platform/decimal.h"
#include "settings/profile_text.h"
#include "tests/fuzz/fuzz_support.h"

namespace selkan::fuzz {
namespace {

constexpr std::array<BandLimits, 3> kBands = {
    {{1000000, 99999999}, {40000000, 47000000}, {13600000, 17400000}}};
// Channels of every shape the grid holds: empty, used, receive-only, transmit-only.
const std::array<ChannelRow, 5> kShapes = {{
    {},
    {"440.00000", "445.00000", "88.5", "D023N", "Low", "Off", "Narrow"},
    {"146.52000", "146.52000", "None", "None", "High", "On", "Wide"},
    {"438.10000", "", "", "D754I", "", "", ""},
    {"", "445.00000", "67.0", "", "", "", ""},
}};

bool Inside(const CellRange& range, int channel, int column) {
  return range.top <= channel && channel <= range.bottom && range.left <= column &&
         column <= range.right;
}

// The value the block puts into a cell (trimmed, as pasted), or nullptr.
const std::string* ValueFor(const PastedBlock& block, const CellRange& target, int channel,
                            int column) {
  const auto& rows = block.rows;
  const bool fill = block.columns.empty() && rows.size() == 1 && rows[0].size() == 1 &&
                    target.Rows() * target.Columns() > 1;
  if (fill) return Inside(target, channel, column) ? &rows[0][0] : nullptr;
  const auto i = static_cast<std::size_t>(channel - target.top);
  if (channel < target.top || i >= rows.size()) return nullptr;
  const auto at = std::find(block.columns.begin(), block.columns.end(), column);
  const auto j = static_cast<std::size_t>(block.columns.empty() ? column - target.left
                                                                : at - block.columns.begin());
  const bool placed = block.columns.empty() ? column >= target.left : at != block.columns.end();
  return placed && j < rows[i].size() ? &rows[i][j] : nullptr;
}

// The channel as the grid shows it once stored in a record.
ChannelRow Stored(const ChannelRow& row, Language language) {
  RadioImage image = BlankImage();
  EncodeChannel(row, image, 1);
  return DecodeChannel(image, 1, language);
}

auto TenHertz(std::string_view text) { return ScaledInteger(ParseLeadingNumber(text), 100000); }

// The values the block puts into a channel by column (nullptr: none), and those refused.
struct Pasted {
  std::array<const std::string*, kChannelColumns + 1> values{};
  std::set<int> refused;
  std::string_view Text(int column) const { return TrimBlanks(*values[column]); }
  bool Entered(int column) const { return values[column] && !refused.count(column); }
  // All seven cells, an Rx and nothing but tones beside it.
  bool ReceiveOnly() const {
    return std::all_of(values.begin() + 1, values.end(), [](auto* v) { return v; }) &&
           !Text(kColRx).empty() && Text(kColTx).empty() && Text(kColPower).empty() &&
           Text(kColScan).empty() && Text(kColBandwidth).empty();
  }
};

void CheckChannel(const ChannelRow& old, const ChannelRow& row, const Pasted& pasted,
                  const BandLimits& band, Language language) {
  const auto none = [](const std::string* value) { return value == nullptr; };
  if (row == old && std::all_of(pasted.values.begin(), pasted.values.end(), none)) return;
  if (pasted.ReceiveOnly() && !pasted.refused.empty())
    return Check(row == old, "a receive-only row goes in whole or not at all");
  const bool rxEntered = pasted.Entered(kColRx);
  if (rxEntered && pasted.Text(kColRx).empty())
    Check(row == ChannelRow{}, "an empty Rx clears the channel");
  const ChannelRow stored = row == old ? row : Stored(row, language);
  const bool bothFrequencies = !Cell(row, kColRx).empty() && !Cell(row, kColTx).empty();
  for (int column = 1; column <= kChannelColumns; ++column) {
    const std::string& cell = Cell(row, column);
    const bool changed = cell != Cell(old, column);
    Check(!changed || pasted.values[column] || rxEntered, "the paste changes only what it covers");
    Check(!changed || cell.empty() || !Cell(row, kColRx).empty() || !Cell(row, kColTx).empty(),
          "a channel without a frequency takes no value");
    // One frequency: no Power, Scan, W/N or "None" kept; an empty cell stores the default.
    const bool unstored =
        cell.empty() ||
        (!bothFrequencies && (column >= kColPower || cell == words::kNone.In(language)));
    Check(!changed || unstored || cell == Cell(stored, column),
          "the grid shows what the records store");
    if (!pasted.values[column]) continue;
    const std::string_view text = pasted.Text(column);
    if (pasted.refused.count(column)) {
      Check(!changed || (rxEntered && column != kColRx), "a refused value leaves its cell");
    } else if (!text.empty() && column <= kColTx) {
      Check(cell == FormatFrequency(TenHertz(text)) && IsInBand(TenHertz(cell), band) &&
                IsOnChannelStep(TenHertz(cell)),
            "an entered frequency shows in its cell, in the band and on the raster");
    } else if (!text.empty()) {
      const auto meaning = ListCellText(column, text, language);
      Check(cell == meaning || (cell.empty() && meaning == words::kNone.In(language)),
            "an entered word or tone shows in its cell");
    }
  }
}

// A channel of a shape a record shows (empty, receive-only, or full), within the band.
bool PastesBack(const ChannelRow& row, const BandLimits& band) {
  const auto isEmpty = [](const std::string& cell) { return cell.empty(); };
  const auto emptyFrom = [&](int column) {
    return std::all_of(row.begin() + column - 1, row.end(), isEmpty);
  };
  const auto inBand = [&](const std::string& cell) {
    return cell.empty() || IsInBand(TenHertz(cell), band);
  };
  return inBand(row[0]) && inBand(row[1]) &&
         (row[0].empty()   ? emptyFrom(kColRx)
          : row[1].empty() ? emptyFrom(kColPower)
                           : std::none_of(row.begin(), row.end(), isEmpty));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  const std::uint8_t pick = input.Byte();
  const Language language = pick & 1 ? Language::Chinese : Language::English;
  const BandLimits band = kBands[(pick >> 1) % kBands.size()];
  CellRange target;
  target.top = 1 + input.Byte() % offset::kChannelCount;
  const std::uint8_t columns = input.Byte();
  target.left = 1 + columns % kChannelColumns;
  target.right = target.left + (columns / kChannelColumns) % (kChannelColumns + 1 - target.left);
  target.bottom = std::min(offset::kChannelCount, target.top + input.Byte() % 4);
  const std::uint8_t layout = input.Byte();
  std::array<ChannelRow, kShapes.size()> shapes;  // as the grid shows them
  for (std::size_t i = 0; i < kShapes.size(); ++i) shapes[i] = Stored(kShapes[i], language);
  ChannelTable before;
  for (int channel = 1; channel <= offset::kChannelCount; ++channel)
    before[channel - 1] = shapes[(channel * (1 + layout % 4) + layout / 4) % kShapes.size()];

  const PastedBlock block = ParsePastedText(input.Rest());
  const PasteOutcome outcome = PasteCells(before, target, block, band, language);
  std::array<Pasted, offset::kChannelCount + 1> pasted;
  for (int channel = 1; channel <= offset::kChannelCount; ++channel)
    for (int column = 1; column <= kChannelColumns; ++column) {
      pasted[channel].values[column] = ValueFor(block, target, channel, column);
      Check(!pasted[channel].values[column] || Inside(outcome.pasted, channel, column),
            "the pasted range covers every value");
    }
  for (const PasteRefusal& refusal : outcome.refusals) {
    if (refusal.channel == 0) continue;
    const int channel = refusal.channel, column = refusal.column;
    Check(1 <= channel && channel <= offset::kChannelCount && 1 <= column &&
              column <= kChannelColumns && pasted[channel].values[column] &&
              pasted[channel].Text(column) == refusal.value,
          "a refusal names a value of the block");
    pasted[channel].refused.insert(column);
  }
  for (int channel = 1; channel <= offset::kChannelCount; ++channel)
    CheckChannel(before[channel - 1], outcome.table[channel - 1], pasted[channel], band, language);
  // Whole channels copied and pasted back where they were store the same.
  const CellRange whole{outcome.pasted.top, kColRx, outcome.pasted.bottom, kColBandwidth};
  const bool pastable =
      std::all_of(outcome.table.begin() + whole.top - 1, outcome.table.begin() + whole.bottom,
                  [&](const ChannelRow& row) { return PastesBack(row, band); });
  if (outcome.refusals.empty() && !block.rows.empty() && pastable) {
    const PasteOutcome again =
        PasteCells(outcome.table, whole, ParsePastedText(CellsAsTabText(outcome.table, whole)),
                   band, language);
    Check(again.refusals.empty(), "copied channels paste back");
    for (int channel = whole.top; channel <= whole.bottom; ++channel) {
      const ChannelRow& was = outcome.table[channel - 1];
      const ChannelRow& now = again.table[channel - 1];
      Check(now == was || Stored(now, language) == Stored(was, language),
            "copied channels pasted back store the same");
    }
  }
  return 0;
}

}  // namespace selkan::fuzz
