#include "editor/radio_list_export.h"

#include <array>
#include <cstdint>
#include <optional>

#include "editor/cell_values.h"
#include "editor/channel_csv.h"
#include "editor/csv.h"
#include "platform/decimal.h"
#include "platform/translatable.h"

namespace selkan {

namespace {

enum Field : std::size_t {
  kLocation,
  kName,
  kFrequency,
  kDuplex,
  kOffset,
  kTone,
  kRToneFreq,
  kCToneFreq,
  kDtcsCode,
  kDtcsPolarity,
  kRxDtcsCode,
  kCrossMode,
  kMode,
  kTStep,
  kSkip,
  kPower,
  kFieldCount = 21,
};
using Record = std::array<std::string, kFieldCount>;

constexpr std::int64_t kTenHertzPerMhz = 100000;
// Tx at most this far from Rx is written as an offset, farther as split.
constexpr std::int64_t kLargestOffset = 70 * kTenHertzPerMhz;

std::int64_t TenHertz(const std::string& frequency) {
  return ScaledInteger(ParseLeadingNumber(frequency), kTenHertzPerMhz);
}

// MHz with six decimals, as the lists write frequencies: 44600625 gives
// "446.006250".
std::string Mhz(std::int64_t tenHertz) {
  const std::string fraction = std::to_string(tenHertz % kTenHertzPerMhz * 10 + 1000000);
  return std::to_string(tenHertz / kTenHertzPerMhz) + "." + fraction.substr(1);
}

// One way of a channel's tones.
struct ToneSide {
  enum Kind { kNone, kCtcss, kDcs } kind = kNone;
  std::string value;    // "88.5", or the three digits of a DQT code
  char polarity = 'N';  // of a DQT code: N normal, R reversed (inverted)

  bool operator==(const ToneSide&) const = default;
  std::string_view CrossName() const {
    return kind == kCtcss ? "Tone" : kind == kDcs ? "DTCS" : "";
  }
};

// A tone cell as one way of the list; nullopt for a tone outside the list.
std::optional<ToneSide> Side(const std::string& text) {
  if (text.empty() || text == words::kNone.english) return ToneSide{};
  if (ListCellText(kColEncodeTone, text, Language::English) != text) return std::nullopt;
  if (text.front() == 'D')
    return ToneSide{ToneSide::kDcs, text.substr(1, 3), text.back() == 'I' ? 'R' : 'N'};
  return ToneSide{ToneSide::kCtcss, text, 'N'};
}

void PutTones(const ToneSide& encode, const ToneSide& decode, Record& record) {
  const bool sameDcs = encode.kind == ToneSide::kDcs && decode.kind == ToneSide::kDcs &&
                       encode.value == decode.value;
  if (encode.kind == ToneSide::kNone && decode.kind == ToneSide::kNone) return;
  if (encode.kind == ToneSide::kCtcss && decode.kind == ToneSide::kNone) {
    record[kTone] = "Tone";
    record[kRToneFreq] = encode.value;
  } else if (encode.kind == ToneSide::kCtcss && encode == decode) {
    record[kTone] = "TSQL";
    record[kRToneFreq] = record[kCToneFreq] = encode.value;
  } else if (sameDcs) {
    record[kTone] = "DTCS";
    record[kDtcsCode] = record[kRxDtcsCode] = encode.value;
    record[kDtcsPolarity] = {encode.polarity, decode.polarity};
  } else {
    record[kTone] = "Cross";
    record[kCrossMode] = std::string(encode.CrossName()) + "->" + std::string(decode.CrossName());
    if (encode.kind == ToneSide::kCtcss) record[kRToneFreq] = encode.value;
    if (decode.kind == ToneSide::kCtcss) record[kCToneFreq] = decode.value;
    if (encode.kind == ToneSide::kDcs) record[kDtcsCode] = encode.value;
    if (decode.kind == ToneSide::kDcs) record[kRxDtcsCode] = decode.value;
    record[kDtcsPolarity] = {encode.polarity, decode.polarity};
  }
}

void PutFrequencies(const ChannelRow& row, Record& record) {
  const std::int64_t rx = TenHertz(Cell(row, kColRx));
  record[kFrequency] = Mhz(rx);
  record[kOffset] = Mhz(0);
  if (Cell(row, kColTx).empty()) {
    record[kDuplex] = "off";
    return;
  }
  const std::int64_t tx = TenHertz(Cell(row, kColTx));
  if (tx == rx) return;
  if (tx >= rx - kLargestOffset && tx <= rx + kLargestOffset) {
    record[kDuplex] = tx > rx ? "+" : "-";
    record[kOffset] = Mhz(tx > rx ? tx - rx : rx - tx);
  } else {
    record[kDuplex] = "split";
    record[kOffset] = Mhz(tx);
  }
}

std::string Watts(const std::string& power) {
  if (power == words::kHigh.english) return "5.0W";
  if (power == words::kMiddle.english) return "2.5W";
  if (power == words::kLow.english) return "1.0W";
  return {};  // no power level: a receive-only channel, or none the radio knows
}

}  // namespace

RadioListExport ChannelsToRadioList(const ChannelTable& table) {
  RadioListExport result;
  result.csv = std::string(kRadioListHeader) + std::string(kCsvLineEnd);
  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    const ChannelRow& row = table[channel - 1];
    if (Cell(row, kColRx).empty()) {
      if (!Cell(row, kColTx).empty())
        result.omitted.push_back({channel, RadioListOmission::TransmitOnly});
      continue;
    }
    const std::optional<ToneSide> encode = Side(Cell(row, kColEncodeTone));
    const std::optional<ToneSide> decode = Side(Cell(row, kColDecodeTone));
    if (!encode || !decode) {
      result.omitted.push_back({channel, RadioListOmission::UnlistedTone});
      continue;
    }
    Record record;
    record[kLocation] = std::to_string(channel);
    record[kRToneFreq] = record[kCToneFreq] = "88.5";
    record[kDtcsCode] = record[kRxDtcsCode] = "023";
    record[kDtcsPolarity] = "NN";
    record[kCrossMode] = "Tone->Tone";
    record[kTStep] = "5.00";
    PutFrequencies(row, record);
    PutTones(*encode, *decode, record);
    record[kMode] = Cell(row, kColBandwidth) == words::kNarrow.english ? "NFM" : "FM";
    record[kSkip] = Cell(row, kColScan) == words::kOff.english ? "S" : "";
    record[kPower] = Watts(Cell(row, kColPower));
    result.csv += FormatCsvRecord({record.begin(), record.end()});
    result.csv += kCsvLineEnd;
    ++result.written;
  }
  return result;
}

std::string_view RadioListOmissionText(RadioListOmission reason) {
  switch (reason) {
    case RadioListOmission::TransmitOnly:
      return SELKAN_TRANSLATE_NOOP("selkan::RadioListExport",
                                   "transmit only (every channel of such a list has an Rx "
                                   "frequency)");
    case RadioListOmission::UnlistedTone:
      return SELKAN_TRANSLATE_NOOP("selkan::RadioListExport",
                                   "a QT/DQT tone outside the tone list, which such a list cannot "
                                   "hold");
  }
  return {};
}

}  // namespace selkan
