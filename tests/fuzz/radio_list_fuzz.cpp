// A multi-radio programs' list imported as the program and selkan-cli take it. Input: a
// byte picking the band and whether the usual header goes first, then the list.
#include <algorithm>
#include <array>

#include "editor/cell_commit.h"
#include "editor/cell_values.h"
#include "editor/channel_list_import.h"
#include "editor/radio_list_export.h"
#include "platform/decimal.h"
#include "tests/fuzz/fuzz_support.h"

namespace selkan::fuzz {
namespace {

constexpr std::array<BandLimits, 3> kBands = {
    {{1000000, 99999999}, {40000000, 47000000}, {13600000, 17400000}}};
constexpr std::string_view kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\r\n";

// An empty frequency cell, or one as a commit of a typed value leaves it.
bool FrequencyTaken(const std::string& cell, const BandLimits& band) {
  const std::int32_t tenHertz = ScaledInteger(ParseLeadingNumber(cell), 100000);
  return cell.empty() || (IsInBand(tenHertz, band) && IsOnChannelStep(tenHertz) &&
                          FormatFrequency(tenHertz) == cell);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  const std::uint8_t pick = input.Byte();
  const BandLimits band = kBands[pick % kBands.size()];
  const std::string text = std::string(pick & 0x80 ? kHeader : "") + std::string(input.Rest());
  const ChannelCsvImport got = ImportChannelCsv(text, band);
  const long lines = 1 + std::count(text.begin(), text.end(), '\n');
  int previous = 1;
  for (const CsvError& error : got.errors) {
    Check(previous <= error.line && error.line <= lines && !EnglishText(error.reason).empty(),
          "every error names a line of the file, in line order");
    previous = error.line;
  }
  if (!got.errors.empty()) return 0;
  long used = 0;
  for (const ChannelRow& row : got.table) {
    Check(FrequencyTaken(Cell(row, kColRx), band) && FrequencyTaken(Cell(row, kColTx), band),
          "frequencies are in the band and on the raster");
    for (int column = kColDecodeTone; column <= kColBandwidth; ++column) {
      const std::string& cell = Cell(row, column);
      Check(cell.empty() || ListCellText(column, cell, Language::English) == cell,
            "list cells hold words of their lists");
    }
    used += row != ChannelRow{};
  }
  Check(used < lines, "each channel comes from a line of its own");
  Check(ChannelsAsShown(got.table, Language::English) == got.table,
        "the channels show the same once stored in records");
  const RadioListExport written = ChannelsToRadioList(got.table);
  const ChannelCsvImport again = ImportChannelCsv(written.csv, band);
  Check(written.omitted.empty() && again.errors.empty() && again.table == got.table,
        "written as such a list again, every channel reads back the same");
  return 0;
}

}  // namespace selkan::fuzz
